#pragma once

#include "config/MessageKeys.h"

#include <QByteArray>

// The check that a downloaded patch is the project's own: a detached Ed25519 signature of the
// patch's bytes (64 bytes, served beside the patch as <patch>.sig) that only the project's
// private key can make. The public key is part of the program.
class PatchSignature final {
public:
    static constexpr qsizetype KeySize = 32;
    static constexpr qsizetype Size = 64;
    // More than this in a signature file is not a signature: it is not even read to the end.
    static constexpr qint64 MaxFileSize = 1024;

    // Why a patch is refused. None: the signature is the project's.
    enum class Fault { None, NotServed, Redirected, TooLarge, WrongLength, Mismatch, NotFetched };

    // Checks with `publicKey` (32 raw bytes); the program's own key by default.
    explicit PatchSignature(QByteArray publicKey = programKey());

    // The key the program was built with (packaging/update-key.pub).
    static QByteArray programKey();
    // Whether the key is an Ed25519 public key at all.
    bool keyUsable() const;
    // None when `signature` is the key's signature of exactly `patch`; WrongLength or Mismatch
    // otherwise (Mismatch too when the key is not usable).
    Fault check(const QByteArray& patch, const QByteArray& signature) const;

    // The message that says what was wrong with the signature.
    static MessageKey message(Fault fault);

private:
    QByteArray m_key;
};
