#include "online/PatchSignature.h"

#include <openssl/evp.h>

#include <memory>

namespace {

struct KeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct ContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyFree>;

Key publicKey(const QByteArray& raw)
{
    if (raw.size() != PatchSignature::KeySize)
        return nullptr;
    return Key(EVP_PKEY_new_raw_public_key(
        EVP_PKEY_ED25519, nullptr, reinterpret_cast<const unsigned char*>(raw.constData()), size_t(raw.size())));
}

} // namespace

PatchSignature::PatchSignature(QByteArray publicKey)
    : m_key(std::move(publicKey))
{}

QByteArray PatchSignature::programKey()
{
    return QByteArray::fromBase64(QByteArrayLiteral(QVL_UPDATE_KEY));
}

bool PatchSignature::keyUsable() const
{
    return publicKey(m_key) != nullptr;
}

PatchSignature::Fault PatchSignature::check(const QByteArray& patch, const QByteArray& signature) const
{
    if (signature.size() != Size)
        return Fault::WrongLength;
    const Key key = publicKey(m_key);
    const std::unique_ptr<EVP_MD_CTX, ContextFree> context(EVP_MD_CTX_new());
    if (!key || !context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return Fault::Mismatch;
    // Ed25519 signs the message whole, so the patch is checked in one call.
    const int verdict = EVP_DigestVerify(
        context.get(), reinterpret_cast<const unsigned char*>(signature.constData()), size_t(signature.size()),
        reinterpret_cast<const unsigned char*>(patch.constData()), size_t(patch.size()));
    return verdict == 1 ? Fault::None : Fault::Mismatch;
}

MessageKey PatchSignature::message(Fault fault)
{
    switch (fault) {
    case Fault::NotServed:
        return Msg::SignatureMissing;
    case Fault::Redirected:
        return Msg::SignatureRedirected;
    case Fault::TooLarge:
        return Msg::SignatureTooLarge;
    case Fault::WrongLength:
        return Msg::SignatureLength;
    case Fault::NotFetched:
        return Msg::SignatureNotFetched;
    case Fault::None:
    case Fault::Mismatch:
        break;
    }
    return Msg::SignatureWrong;
}
