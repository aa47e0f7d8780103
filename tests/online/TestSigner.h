#pragma once

#include <QByteArray>

#include <openssl/evp.h>

#include <memory>

// An Ed25519 key pair made for one test: its public key for the program, and the signature of
// any bytes under it, as the release tool makes them.
class TestSigner final {
public:
    TestSigner()
    {
        const std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> context(
            EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr), &EVP_PKEY_CTX_free);
        EVP_PKEY* key = nullptr;
        if (context && EVP_PKEY_keygen_init(context.get()) == 1)
            EVP_PKEY_keygen(context.get(), &key);
        m_key.reset(key);
    }

    QByteArray publicKey() const
    {
        QByteArray raw(32, '\0');
        size_t size = size_t(raw.size());
        if (!m_key || EVP_PKEY_get_raw_public_key(m_key.get(), bytes(raw), &size) != 1)
            return {};
        return raw;
    }

    QByteArray sign(const QByteArray& message) const
    {
        QByteArray signature(64, '\0');
        size_t size = size_t(signature.size());
        const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
        if (!m_key || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, m_key.get()) != 1 ||
            EVP_DigestSign(context.get(), bytes(signature), &size,
                           reinterpret_cast<const unsigned char*>(message.constData()), size_t(message.size())) != 1)
            return {};
        return signature;
    }

private:
    static unsigned char* bytes(QByteArray& data) { return reinterpret_cast<unsigned char*>(data.data()); }

    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> m_key{nullptr, &EVP_PKEY_free};
};
