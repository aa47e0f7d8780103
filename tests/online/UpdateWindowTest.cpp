#include "online/UpdateWindowFixture.h"

#include "language/FormTranslator.h"

#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QSystemTrayIcon>
#include <QTcpServer>
#include <QTcpSocket>

using namespace Qt::StringLiterals;

TEST_F(UpdateWindowTest, ACompletePatchIsSavedWithItsProgressStartedAndEndsTheProgram)
{
    const QByteArray body = HttpTestServer::bytes(20000);
    servePatch(body, 1000);

    clickUpdateButton();
    EXPECT_EQ(updateButton()->text(), u"Abort"_s);
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->runState() == UpdateRun::State::Idle; }, 10000));

    EXPECT_EQ(server.requests, (QStringList{u"HEAD /"_s, u"GET /updates/21.exe"_s, u"GET /updates/21.exe.sig"_s}));
    EXPECT_EQ(TempDir::readFile(patch()), body);
    EXPECT_EQ(shell.started, QStringList{QDir::toNativeSeparators(patch())});
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(mainShown, 1);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    const QStringList lines = statusLines();
    EXPECT_EQ(lines.first(), u"Connecting..."_s);
    EXPECT_GE(lines.count(u"Downloading patch"_s), 1);
    EXPECT_EQ(lines.count(u"Downloading patch"_s) + 1, lines.size()) << lines.join(u'|').toStdString();
    EXPECT_EQ(progress()->value(), 100);
    EXPECT_EQ(label("size")->text(), u"20000 b."_s);
    EXPECT_EQ(label("RecievedSize")->text(), u"100%"_s);
    EXPECT_EQ(tray()->toolTip(), u"Downloading [100%]"_s);
    EXPECT_TRUE(abortItem()->isVisible());
}

TEST_F(UpdateWindowTest, ASmallPatchMovesNothingButIsStillSavedAndStarted)
{
    servePatch(HttpTestServer::bytes(8000), 1000);
    ASSERT_TRUE(runUpdate());
    EXPECT_EQ(statusLines(), QStringList{u"Connecting..."_s});
    EXPECT_EQ(progress()->value(), 0);
    EXPECT_TRUE(label("size")->text().isEmpty());
    EXPECT_FALSE(abortItem()->isVisible());
    EXPECT_EQ(TempDir::readFile(patch()).size(), 8000);
    EXPECT_EQ(shell.started.size(), 1);
    EXPECT_EQ(quits, 1);
}

TEST_F(UpdateWindowTest, ARedirectMeansNoNewVersionAndTheEarlierPatchStays)
{
    program.write(u"Patch.exe"_s, "earlier patch");
    server.redirect("/updates/21.exe", "/index.htm");
    server.body("/index.htm", HttpTestServer::bytes(20000));

    ASSERT_TRUE(runUpdate());
    // '#10' in the message is its line break.
    EXPECT_EQ(statusLines().mid(1), (QStringList{u"No new versions avilalible!"_s, u"Try updating later..."_s}));
    EXPECT_EQ(program.read(u"Patch.exe"_s), "earlier patch");
    EXPECT_EQ(files(), QStringList{u"Patch.exe"_s});
    EXPECT_TRUE(shell.started.isEmpty());
    EXPECT_EQ(quits, 0);
    EXPECT_EQ(mainShown, 1);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(updateButton()->text(), u"Start!"_s);
    EXPECT_EQ(server.requests.count(u"GET /index.htm"_s), 0) << "a redirect is never followed";

    // Start! again runs the whole procedure from the probe.
    ASSERT_TRUE(runUpdate());
    EXPECT_EQ(server.requests.count(u"HEAD /"_s), 2);
    EXPECT_EQ(statusLines().count(u"Connecting..."_s), 2);
}

TEST_F(UpdateWindowTest, EveryIncompleteOrRefusedAnswerLeavesTheEarlierPatchAndStartsNothing)
{
    struct Case {
        const char* name;
        HttpTestServer::Answer answer;
        QString shown; // a part of the error shown
    };
    HttpTestServer::Answer badRequest;
    badRequest.status = 400;
    badRequest.body = HttpTestServer::bytes(12000);
    HttpTestServer::Answer cutShort;
    cutShort.body = HttpTestServer::bytes(15000);
    cutShort.announced = 20000;
    HttpTestServer::Answer stalled;
    stalled.body = HttpTestServer::bytes(20000);
    stalled.stallAfter = 6000;
    const Case cases[] = {{"400", badRequest, u"status 400"_s},
                          {"cut short", cutShort, u"after 15000 of 20000 bytes"_s},
                          {"stalled", stalled, u"sent nothing for 1 seconds"_s}};
    program.write(u"Patch.exe"_s, "earlier patch");
    for (const Case& c : cases) {
        server.set("/updates/21.exe", c.answer);
        expectFailureKeepingEarlierPatch(c.name, c.shown);
    }
    EXPECT_TRUE(shell.started.isEmpty());
    EXPECT_EQ(quits, 0);
}

TEST_F(UpdateWindowTest, WithoutAnAnswerTheStatusKeepsTheNetworksReason)
{
    quint16 closedPort = 0;
    {
        HttpTestServer gone;
        ASSERT_TRUE(gone.listen());
        closedPort = gone.port();
    }
    // A server that takes each connection and closes it without a word.
    QTcpServer hangsUp;
    ASSERT_TRUE(hangsUp.listen(QHostAddress::LocalHost));
    QObject::connect(&hangsUp, &QTcpServer::newConnection, [&hangsUp] {
        while (QTcpSocket* socket = hangsUp.nextPendingConnection())
            socket->close();
    });
    // And one that takes the connection and never answers.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    struct Case {
        const char* name;
        quint16 port;
        QString reason; // a word of the network's own text, or ours for silence
    };
    const Case cases[] = {{"a closed port", closedPort, u"refused"_s},
                          {"a hang-up", hangsUp.serverPort(), u"closed"_s},
                          {"silence", silent.serverPort(), u"sent nothing for 1 seconds"_s}};
    for (const Case& c : cases) {
        dialogs.shown.clear();
        control<QPlainTextEdit>(*form, "Status")->clear();
        settings.values[u"site"_s] = u"http://127.0.0.1:%1"_s.arg(c.port);
        ASSERT_TRUE(runUpdate()) << c.name;
        EXPECT_EQ(dialogs.texts(u"error"_s), QStringList{u"You are not connected to the internet!"_s}) << c.name;
        const QStringList lines = statusLines();
        ASSERT_EQ(lines.size(), 3) << c.name << ": " << lines.join(u'|').toStdString();
        EXPECT_EQ(lines.first(), u"Connecting..."_s) << c.name;
        EXPECT_TRUE(lines[1].contains(c.reason, Qt::CaseInsensitive)) << c.name << ": " << lines[1].toStdString();
        EXPECT_EQ(lines.last(), u"Disconnected"_s) << c.name;
        EXPECT_EQ(updateButton()->text(), u"Start!"_s) << c.name;
    }
}

TEST_F(UpdateWindowTest, AnInsecureSiteIsRefusedBeforeAnythingIsSent)
{
    // Plain HTTP to another computer is refused before anything is sent.
    settings.values[u"site"_s] = u"http://www.quarvel.org"_s;
    ASSERT_TRUE(runUpdate());
    ASSERT_EQ(dialogs.texts(u"error"_s).size(), 1);
    EXPECT_TRUE(dialogs.texts(u"error"_s).first().contains(u"\"http://www.quarvel.org\" is not an https address"_s));
    EXPECT_TRUE(server.requests.isEmpty());
    EXPECT_FALSE(QFile::exists(patch()));
}

TEST_F(UpdateWindowTest, APatchThatCannotRunIsReportedAndTheProgramGoesOn)
{
    servePatch(HttpTestServer::bytes(12000));
    shell.startFails = true;
    ASSERT_TRUE(runUpdate());
    EXPECT_EQ(shell.started.size(), 1);
    ASSERT_EQ(dialogs.texts(u"error"_s).size(), 1);
    EXPECT_TRUE(dialogs.texts(u"error"_s).first().contains(QDir::toNativeSeparators(patch())));
    EXPECT_EQ(quits, 0);
    EXPECT_EQ(progress()->value(), 100);

    // Start! again begins with an empty bar and announces the download again.
    const qsizetype announced = statusLines().count(u"Downloading patch"_s);
    clickUpdateButton();
    EXPECT_EQ(progress()->value(), 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->runState() == UpdateRun::State::Idle; }, 10000));
    EXPECT_GT(statusLines().count(u"Downloading patch"_s), announced);
    EXPECT_EQ(shell.started.size(), 2);
}

TEST_F(UpdateWindowTest, ElsewhereThanWindowsOnlyTheSiteIsAskedAndANewVersionIsALink)
{
    form->setRunsPatch(false);
    program.write(u"Patch.exe"_s, "earlier patch");
    struct Case {
        const char* name;
        int status;
        QString line; // the status line it ends with
    };
    const Case cases[] = {{"a patch", 200, u"A new version is available at "_s + server.site()},
                          {"a redirect", 302, u"Try updating later..."_s},
                          {"a refusal", 404, u"Disconnected"_s}};
    for (const Case& c : cases) {
        server.requests.clear();
        dialogs.shown.clear();
        server.status("/updates/21.exe", c.status);
        ASSERT_TRUE(runUpdate()) << c.name;
        EXPECT_EQ(server.requests, (QStringList{u"HEAD /"_s, u"HEAD /updates/21.exe"_s})) << c.name;
        EXPECT_EQ(statusLines().last(), c.line) << c.name;
        EXPECT_EQ(label("NewVersionLink")->isVisible(), c.status == 200) << c.name;
        EXPECT_EQ(progress()->isVisible(), c.status != 200) << c.name;
        EXPECT_EQ(dialogs.texts(u"error"_s).size(), c.status == 404 ? 1 : 0) << c.name;
        EXPECT_EQ(updateButton()->text(), u"Start!"_s) << c.name;
        if (c.status == 200) {
            // The address is a link to the site, opened in the web browser.
            static const QRegularExpression href(u"href=\"([^\"]+)\""_s);
            const QString link = href.match(label("NewVersionLink")->text()).captured(1);
            EXPECT_EQ(link, server.site());
            Q_EMIT label("NewVersionLink")->linkActivated(link);
            EXPECT_EQ(shell.opened, QStringList{server.site()});
        }
    }
    EXPECT_EQ(program.read(u"Patch.exe"_s), "earlier patch");
    EXPECT_EQ(files(), QStringList{u"Patch.exe"_s});
    EXPECT_TRUE(shell.started.isEmpty());
    EXPECT_EQ(quits, 0);
}

TEST_F(UpdateWindowTest, APatchThatCannotBeSavedIsReportedWithItsPlace)
{
    server.body("/updates/21.exe", HttpTestServer::bytes(12000));
    ASSERT_TRUE(QDir(program.path()).mkdir(u"Patch.exe"_s)); // a folder stands in the patch's place
    ASSERT_TRUE(runUpdate());
    ASSERT_EQ(dialogs.texts(u"error"_s).size(), 1);
    const QString shown = dialogs.texts(u"error"_s).first();
    EXPECT_TRUE(shown.startsWith(u"Cannot write "_s + QDir::toNativeSeparators(patch())) &&
                shown.endsWith(u"The patch was not saved."_s))
        << shown.toStdString();
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(shell.started.isEmpty());
    EXPECT_EQ(quits, 0);
}

TEST_F(UpdateWindowTest, InEveryLanguageTheTitleAndUnitAreTranslatedAndTheSizeLinesFit)
{
    servePatch(HttpTestServer::bytes(123456), 65536);
    TFormTranslator translator(program.path(), program.file(u"qvl.ini"_s), dialogs);
    struct Row {
        const char* language;
        QString title, unit;
    };
    const Row rows[] = {{"English", u"Web-Update"_s, u"b."_s},
                        {"Russian", u"Веб-обновление"_s, u"б."_s},
                        {"French", u"Mise à jour Web"_s, u"o"_s},
                        {"Swedish", u"Webbuppdatering"_s, u"B"_s}};
    for (const Row& r : rows) {
        translator.ApplyTranslations(form.get(), QStringLiteral(QVL_SOURCE_DATA "/Languages/%1.lng").arg(r.language));
        form->refreshTexts();
        ASSERT_TRUE(runUpdate()) << r.language;
        EXPECT_EQ(form->windowTitle(), r.title) << r.language;
        EXPECT_EQ(label("size")->text(), u"123456 "_s + r.unit) << r.language;
        // Each caption is whole and ends before its value, which is whole before the button.
        for (const auto& [caption, value] :
             {std::pair{label("Label1"), label("size")}, {label("Label2"), label("RecievedSize")}}) {
            EXPECT_GE(caption->width(), caption->sizeHint().width())
                << r.language << " " << caption->text().toStdString();
            EXPECT_LT(caption->geometry().right(), value->x()) << r.language;
            EXPECT_GE(value->width(), value->sizeHint().width()) << r.language << " " << value->text().toStdString();
            EXPECT_LT(value->geometry().right(), updateButton()->x()) << r.language;
        }
        EXPECT_GE(updateButton()->width(), control<QPushButton>(*form, "ub1")->sizeHint().width()) << r.language;
        EXPECT_LE(updateButton()->geometry().right(), form->width()) << r.language;
    }
}

namespace {

// A patch that takes a while: small blocks of a big body.
HttpTestServer::Answer slowPatch()
{
    HttpTestServer::Answer a;
    a.body = HttpTestServer::bytes(400000);
    a.block = 500;
    return a;
}

} // namespace

TEST_F(UpdateWindowTest, AbortAndCloseDuringADownloadKeepTheEarlierPatch)
{
    program.write(u"Patch.exe"_s, "earlier patch");
    server.set("/updates/21.exe", slowPatch());
    // The message box of the ended download comes up over a window already back to idle.
    QStringList behindTheBox;
    dialogs.onMessage = [&] { behindTheBox << updateButton()->text() + u' ' + QString::number(progress()->value()); };
    for (const bool byClose : {false, true}) {
        dialogs.shown.clear();
        form->show();
        clickUpdateButton();
        ASSERT_TRUE(QTest::qWaitFor([this] { return progress()->value() > 0; }, 10000));
        if (byClose)
            form->close();
        else
            clickUpdateButton();
        EXPECT_EQ(form->runState(), UpdateRun::State::Idle);
        EXPECT_EQ(updateButton()->text(), u"Start!"_s);
        EXPECT_EQ(progress()->value(), 0);
        EXPECT_EQ(statusLines().last(), u"Disconnected"_s);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !client()->busy(); }, 5000));
        EXPECT_EQ(dialogs.texts(u"error"_s).size(), 1) << "the aborted download says what it left";
        EXPECT_EQ(program.read(u"Patch.exe"_s), "earlier patch");
        EXPECT_EQ(files(), QStringList{u"Patch.exe"_s});
    }
    EXPECT_EQ(behindTheBox, (QStringList{u"Start! 0"_s, u"Start! 0"_s}));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(mainShown, 1) << "closing brings the main window back";
    EXPECT_TRUE(shell.started.isEmpty());
}

TEST_F(UpdateWindowTest, MinimizedTheWindowWaitsInTheTrayWhichCanAbortTheDownload)
{
    server.set("/updates/21.exe", slowPatch());
    clickUpdateButton();
    ASSERT_TRUE(QTest::qWaitFor([this] { return progress()->value() > 0; }, 10000));
    form->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(tray()->isVisible());
    EXPECT_EQ(tray()->toolTip(), u"Downloading [%1%]"_s.arg(progress()->value()));
    ASSERT_TRUE(abortItem()->isVisible());

    abortItem()->trigger();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
    EXPECT_FALSE(tray()->isVisible());
    EXPECT_EQ(form->runState(), UpdateRun::State::Idle);
    EXPECT_EQ(statusLines().last(), u"Disconnected"_s);

    // Without a tray, minimizing keeps the window within reach.
    form->setTrayAvailable(false);
    form->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(tray()->isVisible());
}
