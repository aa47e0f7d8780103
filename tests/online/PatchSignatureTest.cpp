#include "online/PatchSignature.h"

#include "online/TestSigner.h"
#include "support/TempDir.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Fault = PatchSignature::Fault;

namespace {

QByteArray patchBytes(int count)
{
    QByteArray bytes(count, '\0');
    for (int i = 0; i < count; ++i)
        bytes[i] = char(i * 7 % 251);
    return bytes;
}

} // namespace

TEST(PatchSignatureTest, TheProgramsOwnKeyIsAnEd25519PublicKey)
{
    EXPECT_EQ(PatchSignature::programKey().size(), PatchSignature::KeySize);
    EXPECT_TRUE(PatchSignature().keyUsable());
}

TEST(PatchSignatureTest, OnlyTheKeysSignatureOfExactlyTheseBytesPasses)
{
    const TestSigner signer;
    const TestSigner stranger;
    ASSERT_EQ(signer.publicKey().size(), 32);
    const QByteArray patch = patchBytes(20000);
    const QByteArray good = signer.sign(patch);
    QByteArray changed = patch;
    changed[12345] = char(changed[12345] ^ 1);
    QByteArray flipped = good;
    flipped[0] = char(flipped[0] ^ 0x80);

    struct Row {
        const char* name;
        QByteArray patch, signature;
        Fault fault;
    };
    const Row rows[] = {{"its signature", patch, good, Fault::None},
                        {"an empty patch, signed", QByteArray(), signer.sign(QByteArray()), Fault::None},
                        {"a patch changed by one byte", changed, good, Fault::Mismatch},
                        {"one bit of the signature changed", patch, flipped, Fault::Mismatch},
                        {"the signature of other bytes", patch, signer.sign("other bytes"), Fault::Mismatch},
                        {"another key's signature", patch, stranger.sign(patch), Fault::Mismatch},
                        {"63 bytes", patch, good.left(63), Fault::WrongLength},
                        {"65 bytes", patch, good + '\0', Fault::WrongLength},
                        {"none", patch, QByteArray(), Fault::WrongLength}};
    const PatchSignature check(signer.publicKey());
    for (const Row& r : rows)
        EXPECT_EQ(check.check(r.patch, r.signature), r.fault) << r.name;

    // A key that is no key passes nothing.
    for (const QByteArray& key : {signer.publicKey().left(31), signer.publicKey() + '\0', QByteArray()}) {
        EXPECT_FALSE(PatchSignature(key).keyUsable()) << key.size();
        EXPECT_EQ(PatchSignature(key).check(patch, good), Fault::Mismatch) << key.size();
    }
}

TEST(PatchSignatureTest, TheReleaseToolSignsWhatTheProgramAccepts)
{
    TempDir dir;
    const QString key = dir.file(u"release.pem"_s);
    const QString patch = dir.file(u"21.exe"_s);
    const QByteArray bytes = patchBytes(70000);
    dir.write(u"21.exe"_s, bytes);
    const auto run = [](const QString& program, const QStringList& arguments, const QString& keyFile = QString()) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!keyFile.isEmpty())
            environment.insert(u"QVL_UPDATE_KEY_FILE"_s, keyFile);
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        const bool ran = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
        return std::pair{ran ? process.exitCode() : -1, process.readAllStandardOutput()};
    };
    ASSERT_EQ(run(u"openssl"_s, {u"genpkey"_s, u"-algorithm"_s, u"ed25519"_s, u"-out"_s, key}).first, 0);
    const auto [status, der] = run(u"openssl"_s, {u"pkey"_s, u"-in"_s, key, u"-pubout"_s, u"-outform"_s, u"DER"_s});
    ASSERT_EQ(status, 0);
    const QByteArray publicKey = der.right(32);
    dir.write(u"update-key.pub"_s, publicKey.toBase64() + '\n');
    const QString tool = QStringLiteral(QVL_SIGN_UPDATE);

    // Not the program's key: nothing is written.
    EXPECT_EQ(run(u"bash"_s, {tool, key, patch}).first, 1);
    EXPECT_FALSE(QFile::exists(patch + u".sig"_s));

    ASSERT_EQ(run(u"bash"_s, {tool, key, patch}, dir.file(u"update-key.pub"_s)).first, 0);
    EXPECT_EQ(PatchSignature(publicKey).check(bytes, TempDir::readFile(patch + u".sig"_s)), Fault::None);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4) << "no temporary file is left";
}
