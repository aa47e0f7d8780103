#include "online/UpdateClient.h"

#include "online/UpdateRun.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

UpdateClient::UpdateClient(QObject* parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{}

UpdateClient::~UpdateClient()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

QNetworkReply* UpdateClient::send(const QUrl& url, bool head)
{
    const QNetworkRequest request = IdleWatch::request(url);
    m_cancelled = false;
    m_reply = head ? m_manager->head(request) : m_manager->get(request);
    m_idle.watch(m_reply);
    return m_reply;
}

bool UpdateClient::busy() const
{
    return !m_reply.isNull();
}

void UpdateClient::probe(const QUrl& url)
{
    QNetworkReply* reply = send(url, true);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        m_idle.stop();
        reply->deleteLater();
        m_reply = nullptr;
        const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
        if (m_idle.timedOut() || m_cancelled || !answered)
            Q_EMIT probed(false, reply->errorString());
        else
            Q_EMIT probed(true, QString());
    });
}

void UpdateClient::download(const QUrl& url, const QString& file)
{
    m_file = std::make_unique<QSaveFile>(file);
    m_redirected = false;
    m_refusedStatus = 0;
    m_received = 0;
    m_writeError.clear();
    QNetworkReply* reply = send(url, false);
    connect(reply, &QNetworkReply::metaDataChanged, this, &UpdateClient::headersArrived);
    connect(reply, &QNetworkReply::readyRead, this, &UpdateClient::readBody);
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (!m_redirected && m_refusedStatus == 0 && received > 0)
            Q_EMIT progress(received, total);
    });
    connect(reply, &QNetworkReply::finished, this, &UpdateClient::downloadEnded);
}

void UpdateClient::headersArrived()
{
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    switch (UpdateRun::judge(status.toInt())) {
    case UpdateRun::Answer::Patch:
        if (!m_file->isOpen() && !m_file->open(QIODevice::WriteOnly)) {
            m_writeError = m_file->errorString();
            m_reply->abort();
        }
        return;
    case UpdateRun::Answer::NoNewVersion:
        m_redirected = true;
        break;
    case UpdateRun::Answer::Refused:
        m_refusedStatus = status.toInt();
        break;
    }
    m_reply->abort(); // its body is not wanted
}

void UpdateClient::readBody()
{
    if (!m_reply || !m_file->isOpen())
        return;
    const QByteArray bytes = m_reply->readAll();
    m_received += bytes.size();
    if (m_file->write(bytes) != bytes.size() && m_writeError.isEmpty()) {
        m_writeError = m_file->errorString();
        m_reply->abort();
    }
}

void UpdateClient::downloadEnded()
{
    m_idle.stop();
    QNetworkReply* reply = m_reply;
    reply->deleteLater();
    readBody();
    m_reply = nullptr;
    const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).isValid()
                                 ? reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()
                                 : -1;
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (m_redirected)
        finish(Outcome::Redirected, QString());
    else if (m_refusedStatus != 0)
        finish(Outcome::Refused, QString::number(m_refusedStatus));
    else if (!m_writeError.isEmpty())
        finish(Outcome::WriteFailed, m_writeError);
    else if (m_cancelled)
        finish(Outcome::Aborted, QString());
    else if (m_idle.timedOut())
        finish(Outcome::TimedOut, QString());
    else if (answered && !UpdateRun::complete(m_received, announced))
        finish(Outcome::Short, QStringLiteral("%1/%2").arg(m_received).arg(announced));
    else if (reply->error() != QNetworkReply::NoError)
        finish(Outcome::Failed, reply->errorString());
    else if (!m_file->commit())
        finish(Outcome::WriteFailed, m_file->errorString());
    else
        finish(Outcome::Saved, QString());
}

void UpdateClient::finish(Outcome outcome, const QString& detail)
{
    if (outcome != Outcome::Saved && m_file)
        m_file->cancelWriting();
    m_file.reset();
    Q_EMIT finished(outcome, detail);
}

void UpdateClient::cancel()
{
    if (!m_reply)
        return;
    m_cancelled = true;
    m_reply->abort();
}
