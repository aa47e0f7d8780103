#include "online/NewsView.h"

#include "online/NewsPage.h"

#include <QEvent>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// The box's texts, in English; each is a hidden label a language file can translate. The code
// page is the one pages without a declared character set fall back to in the interface language.
const struct {
    const char* key;
    const char* english;
} OwnTexts[] = {
    {"newsnottext", "The news could not be shown: the site sent %1, not a text page."},
    {"newslink", "No web browser can open this link: %1"},
    {"newscodepage", "windows-1252"},
};

} // namespace

NewsView::NewsView(std::function<QString(MessageKey key)> message, QWidget* parent)
    : QTextBrowser(parent)
    , m_message(std::move(message))
    , m_manager(new QNetworkAccessManager(this))
    , m_notice(new QLabel(this))
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    for (const auto& own : OwnTexts) {
        auto* label = new QLabel(QString::fromUtf8(own.english), this);
        label->setObjectName(QLatin1String(own.key));
        label->hide();
    }
    m_notice->setObjectName(QStringLiteral("NewsNotice"));
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setWordWrap(true);
    m_notice->setAutoFillBackground(true);
    m_notice->setStyleSheet(QStringLiteral("background: #fff3c4; color: #3a2a00; padding: 2px;"));
    m_notice->hide();
    m_notice->installEventFilter(this);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        m_notice->hide();
        const QUrl url = m_pageUrl.resolved(link);
        const QString scheme = url.scheme().toLower();
        if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
            linkFailed(url);
        else
            Q_EMIT webLinkClicked(url);
    });
    connect(&m_idle, &IdleWatch::expired, this, [this] {
        release();
        showFailure(Msg::NewsTimeout);
    });
}

NewsView::~NewsView()
{
    release();
}

QString NewsView::ownText(const char* name) const
{
    const QLabel* own = findChild<QLabel*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    return own ? own->text() : QString();
}

QVariant NewsView::loadResource(int type, const QUrl& name)
{
    Q_UNUSED(type);
    Q_UNUSED(name);
    return {};
}

bool NewsView::loading() const
{
    return !m_reply.isNull();
}

void NewsView::release()
{
    m_idle.stop();
    IdleWatch::discard(m_reply, this);
    m_reply = nullptr;
}

void NewsView::load(const QUrl& url)
{
    release();
    m_notice->hide();
    m_page.clear();
    m_reply = m_manager->get(IdleWatch::request(url));
    connect(m_reply, &QNetworkReply::readyRead, this, &NewsView::received);
    connect(m_reply, &QNetworkReply::finished, this, &NewsView::ended);
    m_idle.watch(m_reply);
}

void NewsView::received()
{
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    m_page += m_reply->readAll();
    if (m_page.size() <= MaxPage && (!length.isValid() || length.toLongLong() <= MaxPage))
        return;
    // Inside the reply's signal: it is heard no more, and goes once that signal is over.
    m_idle.stop();
    m_reply->disconnect(this);
    m_page.clear();
    QMetaObject::invokeMethod(
        this,
        [this, reply = m_reply] {
            if (m_reply != reply)
                return; // another load has begun meanwhile
            release();
            showFailure(Msg::NewsTooLarge);
        },
        Qt::QueuedConnection);
}

void NewsView::ended()
{
    QNetworkReply* reply = m_reply;
    const QByteArray page = m_page + reply->readAll();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QNetworkReply::NetworkError error = reply->error();
    const QString errorText = reply->errorString();
    const QByteArray contentType = reply->rawHeader("Content-Type");
    m_pageUrl = reply->url();
    release();
    m_page.clear();
    if (status.isValid() && status.toInt() != 200)
        showFailure(Msg::NewsStatus, QString::number(status.toInt()));
    else if (error != QNetworkReply::NoError)
        showFailure(Msg::NewsFailed, errorText);
    else if (page.size() > MaxPage)
        showFailure(Msg::NewsTooLarge);
    else
        display(page, contentType);
}

void NewsView::display(const QByteArray& page, const QByteArray& contentType)
{
    const NewsPage::Kind kind = NewsPage::kind(contentType, page);
    if (kind == NewsPage::Kind::NotText) {
        // Bytes of no declared type are what HTTP calls application/octet-stream.
        const QByteArray type = contentType.split(';').first().trimmed();
        showFailureText(ownText("newsnottext")
                            .arg(QString::fromLatin1(type.isEmpty() ? QByteArray("application/octet-stream") : type)));
        return;
    }
    const bool html = kind == NewsPage::Kind::Html;
    const QString body = NewsPage::decode(page, contentType, html, ownText("newscodepage").toLatin1());
    if (html)
        setHtml(NewsPage::picturesAsAltText(body));
    else
        setPlainText(body);
    Q_EMIT loadEnded(true);
}

void NewsView::showFailure(MessageKey key, const QString& detail)
{
    QString shown = m_message ? m_message(key) : QString(key.text());
    if (shown.contains(QLatin1String("%1")))
        shown = shown.arg(detail);
    showFailureText(shown);
}

void NewsView::showFailureText(const QString& text)
{
    setPlainText(text);
    Q_EMIT loadEnded(false);
}

void NewsView::linkFailed(const QUrl& url)
{
    m_notice->setText(ownText("newslink").arg(url.toDisplayString()));
    m_notice->setGeometry(0, 0, width(), m_notice->heightForWidth(width()));
    m_notice->move(0, height() - m_notice->height());
    m_notice->show();
    m_notice->raise();
}

void NewsView::mousePressEvent(QMouseEvent* event)
{
    m_notice->hide(); // read: a click anywhere in the box puts it away
    QTextBrowser::mousePressEvent(event);
}

bool NewsView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_notice && event->type() == QEvent::MouseButtonPress)
        m_notice->hide();
    return QTextBrowser::eventFilter(watched, event);
}

void NewsView::resizeEvent(QResizeEvent* event)
{
    QTextBrowser::resizeEvent(event);
    if (m_notice->isVisible())
        m_notice->setGeometry(0, height() - m_notice->height(), width(), m_notice->height());
}
