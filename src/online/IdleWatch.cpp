#include "online/IdleWatch.h"

#include <QNetworkReply>
#include <QUrl>

IdleWatch::IdleWatch(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(std::chrono::seconds(30));
    connect(&m_timer, &QTimer::timeout, this, &IdleWatch::expired);
}

QNetworkRequest IdleWatch::request(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    return request;
}

void IdleWatch::discard(QNetworkReply* reply, QObject* owner)
{
    if (!reply)
        return;
    // Only the owner's connections go: the reply's own ones to its network thread must stay,
    // or the thread would never hear of the abort.
    reply->disconnect(owner);
    if (reply->isFinished())
        reply->deleteLater();
    else
        delete reply;
}

void IdleWatch::watch(QNetworkReply* reply)
{
    stop();
    m_reply = reply;
    const auto restart = [this] { m_timer.start(); };
    connect(reply, &QNetworkReply::metaDataChanged, &m_timer, restart);
    connect(reply, &QNetworkReply::readyRead, &m_timer, restart);
    connect(reply, &QNetworkReply::downloadProgress, &m_timer, restart);
    m_timer.start();
}

void IdleWatch::stop()
{
    m_timer.stop();
    if (m_reply)
        m_reply->disconnect(&m_timer);
    m_reply = nullptr;
}
