#include "app/MainFormFixture.h"
#include "language/FormTranslator.h"
#include "online/NewsView.h"
#include "online/QtWarnings.h"
#include "online/UpdateForm.h"
#include "support/Controls.h"
#include "support/HttpTestServer.h"

#include <QLabel>
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
    void TearDown() override
    {
        form.reset();
        EXPECT_TRUE(warnings.taken().isEmpty()) << warnings.taken().join(u'\n').toStdString();
    }

    QPushButton* getNewsButton() const { return control<QPushButton>(*form, "GetNews"); }
    NewsView* news() const { return control<NewsView>(*form, "News"); }

    // Presses GetNews! and waits until the box has shown the page or the failure.
    QString getNews()
    {
        QTest::mouseClick(getNewsButton(), Qt::LeftButton);
        if (news()->loading()) { // a refused address ends at once
            EXPECT_EQ(getNewsButton()->text(), u"Loading.."_s);
        }
        EXPECT_TRUE(QTest::qWaitFor([this] { return !news()->loading(); }, 10000));
        EXPECT_EQ(getNewsButton()->text(), u"GetNews!"_s);
        return news()->toPlainText();
    }
    // The news page answered with these headers and bytes.
    QString getNews(const QByteArray& contentType, const QByteArray& body)
    {
        HttpTestServer::Answer answer;
        answer.body = body;
        if (!contentType.isEmpty())
            answer.headers << qMakePair(QByteArray("Content-Type"), contentType);
        server.set("/news.htm", answer);
        return getNews();
    }
    QLabel* notice() const { return news()->findChild<QLabel*>(u"NewsNotice"_s); }

    QtWarnings warnings;
    HttpTestServer server;
};

} // namespace

TEST_F(NewsWindowTest, TheServedPageIsShownAndShownAgainOnEachPress)
{
    EXPECT_TRUE(news()->toPlainText().isEmpty());
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
    news()->setIdleTimeout(std::chrono::milliseconds(300));
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

TEST_F(NewsWindowTest, LinksGoToTheWebBrowserAndNothingElseIsRead)
{
    form->show();
    server.body("/news.htm", "<p><a href=\"/changes.htm\">changes</a> <img src=\"file:///etc/hostname\" alt=\"[map]\">"
                             "<img src=\"https://pictures.example/team.png\" alt=\"Team photo\"></p>");
    // Pictures show their alternative text instead of a broken picture.
    EXPECT_EQ(getNews(), u"changes [map]Team photo"_s);
    EXPECT_FALSE(news()->loadResource(QTextDocument::ImageResource, QUrl(u"file:///etc/hostname"_s)).isValid());

    Q_EMIT news()->anchorClicked(QUrl(u"/changes.htm"_s));
    EXPECT_EQ(shell.opened, QStringList{server.site() + u"/changes.htm"_s});
    EXPECT_FALSE(notice()->isVisible());
    // A link no web browser opens is not passed on, and the box says so.
    for (const QString& link : {u"file:///etc/passwd"_s, u"javascript:alert(1)"_s, u"mailto:news@quarvel.org"_s}) {
        Q_EMIT news()->anchorClicked(QUrl(link));
        EXPECT_TRUE(notice()->isVisible()) << link.toStdString();
        EXPECT_EQ(notice()->text(), u"No web browser can open this link: "_s + link);
    }
    QTest::mouseClick(news()->viewport(), Qt::LeftButton);
    EXPECT_FALSE(notice()->isVisible()) << "a click in the box puts the note away";
    EXPECT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(server.requests, QStringList{u"GET /news.htm"_s}) << "the box fetched nothing else";
}

TEST_F(NewsWindowTest, APageIsReadInItsCharsetElseUtf8ElseTheInterfaceLanguagesAndOnlyTextIsShown)
{
    form->show();
    const QByteArray cp1251 = "<p>\xCF\xF0\xE8\xE2\xE5\xF2</p>"; // "Привет"
    struct Row {
        const char* language;
        QByteArray type, body;
        QString shown;
    };
    const Row rows[] = {
        {"English", "text/html", "<p>\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82</p>", u"Привет"_s},
        {"English", "text/html", cp1251, u"Ïðèâåò"_s},
        {"English", "text/html; charset=windows-1251", cp1251, u"Привет"_s},
        {"Russian", "text/html", cp1251, u"Привет"_s},
        {"English", "application/octet-stream", "<p>x</p>",
         u"The news could not be shown: the site sent application/octet-stream, not a text page."_s},
        {"Russian", "image/png", "\x89PNG\r\n\x1a\n",
         u"Не удалось показать новости: сайт прислал image/png, а не текстовую страницу."_s},
        {"English", "", QByteArray("MZ\x90\0\x03\0", 6),
         u"The news could not be shown: the site sent application/octet-stream, not a text page."_s},
    };
    TFormTranslator translator(program.path(), program.file(u"qvl.ini"_s), dialogs);
    for (const Row& r : rows) {
        translator.ApplyTranslations(form.get(), QStringLiteral(QVL_SOURCE_DATA "/Languages/%1.lng").arg(r.language));
        EXPECT_EQ(getNews(r.type, r.body), r.shown) << r.language << " " << r.type.constData();
    }
}

TEST_F(NewsWindowTest, UpdateButtonHidesTheMainWindowBehindTheUpdateWindow)
{
    form->show();
    QTest::mouseClick(control<QPushButton>(*form, "UButton"), Qt::LeftButton);
    auto* update = form->findChild<TUpdateForm*>();
    ASSERT_NE(update, nullptr) << "built at its first opening";
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(update->isVisible());
    EXPECT_TRUE(update->isModal());
    update->close();
    EXPECT_TRUE(form->isVisible()) << "closing the update window brings the main window back";
}
