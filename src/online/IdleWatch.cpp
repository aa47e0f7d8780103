#include "online/IdleWatch.h"

#include <QNetworkReply>
#include <QUrl>

IdleWatch::IdleWatch(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(std::chrono::seconds(30));
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        if (m_reply)
            m_reply->abort();
    });
}

QNetworkRequest IdleWatch::request(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    return request;
}

void IdleWatch::watch(QNetworkReply* reply)
{
    if (m_reply)
        m_reply->disconnect(&m_timer);
    m_reply = reply;
    m_timedOut = false;
    const auto restart = [this] { m_timer.start(); };
    connect(reply, &QNetworkReply::metaDataChanged, &m_timer, restart);
    connect(reply, &QNetworkReply::readyRead, &m_timer, restart);
    connect(reply, &QNetworkReply::downloadProgress, &m_timer, restart);
    m_timer.start();
}

void IdleWatch::stop()
{
    m_timer.stop();
}
