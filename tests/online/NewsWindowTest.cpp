#include "app/MainFormFixture.h"
#include "app/UpdateForm.h"
#include "online/NewsView.h"
#include "support/HttpTestServer.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

class NewsWindowTest : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        ASSERT_TRUE(server.listen());
        settings.values[u"site"_s] = server.site();
        create();
    }

    // Presses GetNews! and waits until the box has shown the page or the failure.
    QString getNews()
    {
        QTest::mouseClick(form->GetNews, Qt::LeftButton);
        if (form->News->loading()) { // a refused address ends at once
            EXPECT_EQ(form->GetNews->text(), u"Loading.."_s);
        }
        EXPECT_TRUE(QTest::qWaitFor([this] { return !form->News->loading(); }, 10000));
        EXPECT_EQ(form->GetNews->text(), u"GetNews!"_s);
        return form->News->toPlainText();
    }

    HttpTestServer server;
};

} // namespace

TEST_F(NewsWindowTest, TheServedPageIsShownAndShownAgainOnEachPress)
{
    EXPECT_TRUE(form->News->toPlainText().isEmpty());
    server.body("/news.htm", "<html><body><h1>Quarvel 2.1</h1><p>New HUDs.</p></body></html>");
    EXPECT_EQ(getNews(), u"Quarvel 2.1\nNew HUDs."_s);
    server.body("/news.htm", "<html><body><p>Week 2</p></body></html>");
    EXPECT_EQ(getNews(), u"Week 2"_s);
    EXPECT_EQ(server.requests, (QStringList{u"GET /news.htm"_s, u"GET /news.htm"_s}));
}

TEST_F(NewsWindowTest, EachFailureIsNamedInsideTheBox)
{
    server.status("/news.htm", 404);
    EXPECT_EQ(getNews(), u"The news could not be loaded: the site answered with the status 404."_s);

    server.redirect("/news.htm", "/elsewhere.htm");
    EXPECT_EQ(getNews(), u"The news could not be loaded: the site answered with the status 302."_s);

    HttpTestServer::Answer stalled;
    stalled.body = HttpTestServer::bytes(20000);
    stalled.stallAfter = 100;
    server.set("/news.htm", stalled);
    form->News->setIdleTimeout(std::chrono::milliseconds(300));
    EXPECT_EQ(getNews(), u"The news could not be loaded: the site sent nothing for 30 seconds."_s);

    server.body("/news.htm", "<p>" + HttpTestServer::bytes(NewsView::MaxPage) + "</p>", 65536);
    EXPECT_EQ(getNews(), u"The news page is larger than 1 MiB and was not shown."_s);

    settings.values[u"site"_s] = u"http://news.example"_s;
    EXPECT_EQ(getNews(), u"The news site \"http://news.example\" is not an https address and was not opened."_s);

    quint16 closedPort = 0;
    {
        HttpTestServer gone;
        ASSERT_TRUE(gone.listen());
        closedPort = gone.port();
    }
    settings.values[u"site"_s] = u"http://127.0.0.1:%1"_s.arg(closedPort);
    EXPECT_TRUE(getNews().startsWith(u"The news could not be loaded: "_s));
}

TEST_F(NewsWindowTest, LinksGoToTheWebBrowserAndNothingLocalIsRead)
{
    server.body("/news.htm", "<p><a href=\"/changes.htm\">changes</a> <img src=\"file:///etc/hostname\"></p>");
    getNews();
    Q_EMIT form->News->anchorClicked(QUrl(u"/changes.htm"_s));
    Q_EMIT form->News->anchorClicked(QUrl(u"file:///etc/passwd"_s));
    EXPECT_EQ(shell.opened, QStringList{server.site() + u"/changes.htm"_s});
    EXPECT_FALSE(form->News->loadResource(QTextDocument::ImageResource, QUrl(u"file:///etc/hostname"_s)).isValid());
    EXPECT_EQ(server.requests, QStringList{u"GET /news.htm"_s}) << "the box fetched nothing else";
}

TEST_F(NewsWindowTest, UpdateButtonHidesTheMainWindowBehindTheUpdateWindow)
{
    TUpdateForm update(state, shell, form.get());
    form->setUpdateForm(&update);
    form->show();
    QTest::mouseClick(form->UButton, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(update.isVisible());
    EXPECT_TRUE(update.isModal());
    update.close();
    EXPECT_TRUE(form->isVisible()) << "closing the update window brings the main window back";
    form->setUpdateForm(nullptr);
}
