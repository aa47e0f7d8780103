#pragma once

#include "config/AppState.h"
#include "online/QtWarnings.h"
#include "online/TestSigner.h"
#include "online/UpdateForm.h"
#include "support/Controls.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/HttpTestServer.h"
#include "support/TempDir.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The update window over a program folder of its own, talking to the scripted server; the
// shell and dialogs are fakes, patches are signed with a key pair of the test's own, and the
// window's calls for the main window and the end of the program are counted. However a
// transfer ends, Qt has nothing to warn about.
class UpdateWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.listen());
        settings.values[QStringLiteral("site")] = server.site();
        state.ProgramDir = program.path();
        form = std::make_unique<TUpdateForm>(state, shell);
        QObject::connect(form.get(), &TUpdateForm::patchStarted, [this] { ++quits; });
        QObject::connect(form.get(), &TUpdateForm::mainWindowWanted, [this] { ++mainShown; });
        form->setRunsPatch(true);
        form->setTrayAvailable(true);
        client()->setIdleTimeout(std::chrono::milliseconds(300));
        client()->setSignatureKey(signer.publicKey());
        form->show();
    }
    void TearDown() override
    {
        form.reset();
        EXPECT_TRUE(warnings.taken().isEmpty()) << warnings.taken().join(u'\n').toStdString();
    }

    QPushButton* updateButton() const { return control<QPushButton>(*form, "UpdateButton"); }
    QProgressBar* progress() const { return control<QProgressBar>(*form, "Progress"); }
    QLabel* label(const char* name) const { return control<QLabel>(*form, name); }
    QSystemTrayIcon* tray() const { return control<QSystemTrayIcon>(*form, "Tray"); }
    QAction* abortItem() const { return control<QAction>(*form, "Abortupdating1"); }
    UpdateClient* client() const { return control<UpdateClient>(*form, "HTTP"); }

    // Serves `body` as the patch, with its signature beside it.
    void servePatch(const QByteArray& body, int block = 4096)
    {
        server.body("/updates/21.exe", body, block);
        server.body("/updates/21.exe.sig", signer.sign(body));
    }
    void clickUpdateButton() { QTest::mouseClick(updateButton(), Qt::LeftButton); }
    // Starts an update and waits until it has ended, whichever way.
    bool runUpdate()
    {
        clickUpdateButton();
        return QTest::qWaitFor([this] { return form->runState() == UpdateRun::State::Idle; }, 10000);
    }
    // Runs an update that is to fail: one message box that says `shown`, the earlier Patch.exe
    // ("earlier patch") alone and whole in the program folder, the window idle, its bar empty.
    void expectFailureKeepingEarlierPatch(const char* name, const QString& shown)
    {
        dialogs.shown.clear();
        ASSERT_TRUE(runUpdate()) << name;
        const QStringList errors = dialogs.texts(QStringLiteral("error"));
        ASSERT_EQ(errors.size(), 1) << name;
        EXPECT_TRUE(errors.first().contains(shown)) << name << ": " << errors.first().toStdString();
        EXPECT_EQ(program.read(QStringLiteral("Patch.exe")), "earlier patch") << name;
        EXPECT_EQ(files(), QStringList{QStringLiteral("Patch.exe")}) << name;
        EXPECT_EQ(statusLines().last(), QStringLiteral("Disconnected")) << name;
        EXPECT_EQ(progress()->value(), 0) << name;
        EXPECT_EQ(updateButton()->text(), QStringLiteral("Start!")) << name;
    }
    QStringList statusLines() const
    {
        return control<QPlainTextEdit>(*form, "Status")->toPlainText().split(QLatin1Char('\n'));
    }
    QString patch() const { return program.file(QStringLiteral("Patch.exe")); }
    // The program folder's files: a failed download leaves no temporary file behind either.
    QStringList files() const { return QDir(program.path()).entryList(QDir::Files | QDir::Hidden); }

    QtWarnings warnings;
    HttpTestServer server;
    TempDir program;
    TestSigner signer;
    MemorySettings settings;
    FakeDialogs dialogs;
    FakeShell shell;
    AppState state{settings, dialogs};
    std::unique_ptr<TUpdateForm> form;
    int quits = 0;
    int mainShown = 0;
};
