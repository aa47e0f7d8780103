#include "online/NewsView.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>

NewsView::NewsView(QWidget* parent)
    : QTextBrowser(parent)
    , m_manager(new QNetworkAccessManager(this))
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QUrl url = m_pageUrl.resolved(link);
        const QString scheme = url.scheme().toLower();
        if ((scheme == QLatin1String("http") || scheme == QLatin1String("https")) && openLink)
            openLink(url);
    });
}

NewsView::~NewsView()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
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

void NewsView::load(const QUrl& url)
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    m_page.clear();
    m_tooLarge = false;
    m_reply = m_manager->get(IdleWatch::request(url));
    connect(m_reply, &QNetworkReply::readyRead, this, &NewsView::received);
    connect(m_reply, &QNetworkReply::finished, this, &NewsView::ended);
    m_idle.watch(m_reply);
}

void NewsView::received()
{
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    m_page += m_reply->readAll();
    if (m_page.size() > MaxPage || (length.isValid() && length.toLongLong() > MaxPage)) {
        m_tooLarge = true;
        m_reply->abort();
    }
}

void NewsView::ended()
{
    m_idle.stop();
    QNetworkReply* reply = m_reply;
    reply->deleteLater();
    m_reply = nullptr;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (m_tooLarge) {
        showFailure(QStringLiteral("newstoolarge"));
    } else if (m_idle.timedOut()) {
        showFailure(QStringLiteral("newstimeout"));
    } else if (status.isValid() && status.toInt() != 200) {
        showFailure(QStringLiteral("newsstatus"), QString::number(status.toInt()));
    } else if (reply->error() != QNetworkReply::NoError) {
        showFailure(QStringLiteral("newsfailed"), reply->errorString());
    } else {
        m_page += reply->readAll();
        if (m_page.size() > MaxPage) {
            showFailure(QStringLiteral("newstoolarge"));
            return;
        }
        m_pageUrl = reply->url();
        QStringDecoder decoder = QStringDecoder::decoderForHtml(m_page);
        setHtml(decoder.isValid() ? QString(decoder.decode(m_page)) : QString::fromUtf8(m_page));
        Q_EMIT loadEnded(true);
    }
}

void NewsView::showFailure(const QString& key, const QString& detail)
{
    QString text = message ? message(key) : key;
    if (text.contains(QLatin1String("%1")))
        text = text.arg(detail);
    setPlainText(text);
    Q_EMIT loadEnded(false);
}
