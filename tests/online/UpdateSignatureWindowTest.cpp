#include "online/UpdateWindowFixture.h"

using namespace Qt::StringLiterals;

namespace {

const QString Refusal = u"The update is not signed by Quarvel's key: it was not saved, and nothing was started. "_s;

HttpTestServer::Answer signatureFile(const QByteArray& bytes)
{
    HttpTestServer::Answer a;
    a.body = bytes;
    return a;
}

} // namespace

TEST_F(UpdateWindowTest, OnlyAPatchSignedByTheKeyIsSavedAndAnyOtherLeavesTheEarlierOne)
{
    const QByteArray body = HttpTestServer::bytes(20000);
    const QByteArray good = signer.sign(body);
    QByteArray changed = body;
    changed[777] = char(changed[777] ^ 1);
    HttpTestServer::Answer unannounced = signatureFile(QByteArray(1025, 's'));
    unannounced.announced = HttpTestServer::NoLength;
    HttpTestServer::Answer cutShort = signatureFile(good.left(40));
    cutShort.announced = 64;
    HttpTestServer::Answer silent = signatureFile(good);
    silent.stallAfter = 10;

    struct Case {
        const char* name;
        QByteArray patch;                 // what the site serves as the patch
        HttpTestServer::Answer signature; // and beside it, status 404 for none
        QString shown;                    // what the message box says after the refusal
    };
    HttpTestServer::Answer missing;
    missing.status = 404;
    const TestSigner mirror;
    const Case cases[] = {
        {"the signature of other bytes", body, signatureFile(signer.sign("other bytes")),
         u"Its signature does not match the bytes received."_s},
        {"a patch changed by one byte", changed, signatureFile(good),
         u"Its signature does not match the bytes received."_s},
        {"a mirror's own key", body, signatureFile(mirror.sign(body)),
         u"Its signature does not match the bytes received."_s},
        {"63 bytes", body, signatureFile(good.left(63)), u"Its signature has 63 bytes instead of 64."_s},
        {"65 bytes", body, signatureFile(good + '\n'), u"Its signature has 65 bytes instead of 64."_s},
        {"1024 bytes", body, signatureFile(good.repeated(16)), u"Its signature has 1024 bytes instead of 64."_s},
        {"1025 bytes", body, signatureFile(good.repeated(16) + ' '), u"Its signature is larger than 1024 bytes."_s},
        {"1025 bytes unannounced", body, unannounced, u"Its signature is larger than 1024 bytes."_s},
        {"none", body, missing, u"The site serves no signature for it (status 404)."_s},
        {"cut short", body, cutShort, u"Its signature could not be fetched: "_s},
    };
    program.write(u"Patch.exe"_s, "earlier patch");
    for (const Case& c : cases) {
        server.body("/updates/21.exe", c.patch);
        server.set("/updates/21.exe.sig", c.signature);
        expectFailureKeepingEarlierPatch(c.name, Refusal + c.shown);
    }
    EXPECT_TRUE(shell.started.isEmpty());
    EXPECT_EQ(quits, 0);

    // A signature that stops coming ends the run as a silent server does, the patch unsaved.
    server.set("/updates/21.exe.sig", silent);
    expectFailureKeepingEarlierPatch("a silent signature", u"sent nothing for 1 seconds"_s);

    // The same patch with its own signature replaces the earlier one and is started.
    server.set("/updates/21.exe.sig", signatureFile(good));
    ASSERT_TRUE(runUpdate());
    EXPECT_EQ(TempDir::readFile(patch()), body);
    EXPECT_EQ(shell.started, QStringList{QDir::toNativeSeparators(patch())});
    EXPECT_EQ(quits, 1);
}

TEST_F(UpdateWindowTest, ARedirectedSignatureIsRefusedAndNotFollowed)
{
    const QByteArray body = HttpTestServer::bytes(12000);
    server.body("/updates/21.exe", body);
    server.redirect("/updates/21.exe.sig", "/elsewhere.sig");
    server.body("/elsewhere.sig", signer.sign(body));

    ASSERT_TRUE(runUpdate());
    EXPECT_EQ(dialogs.texts(u"error"_s), QStringList{Refusal + u"The address of its signature redirects elsewhere."_s});
    EXPECT_EQ(server.requests.count(u"GET /elsewhere.sig"_s), 0);
    EXPECT_FALSE(QFile::exists(patch()));
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(shell.started.isEmpty());
    EXPECT_EQ(mainShown, 0) << "a refused patch is no answer of 'no new version'";
}
