#include "online/UpdateClient.h"

#include "online/SiteAddress.h"
#include "online/UpdateRun.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

UpdateClient::UpdateClient(QObject* parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{
    connect(&m_idle, &IdleWatch::expired, this, [this] { end({Outcome::TimedOut}); });
}

UpdateClient::~UpdateClient()
{
    release();
}

bool UpdateClient::busy() const
{
    return !m_reply.isNull();
}

void UpdateClient::send(Request kind, const QUrl& url)
{
    release();
    m_request = kind;
    m_received = 0;
    const QNetworkRequest request = IdleWatch::request(url);
    const bool body = kind == Request::Download || kind == Request::Signature;
    m_reply = body ? m_manager->get(request) : m_manager->head(request);
    m_idle.watch(m_reply);
    if (kind != Request::Probe)
        connect(m_reply, &QNetworkReply::metaDataChanged, this, &UpdateClient::headersArrived);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateClient::replyEnded);
}

void UpdateClient::probe(const QUrl& url)
{
    send(Request::Probe, url);
}

void UpdateClient::look(const QUrl& url)
{
    send(Request::Look, url);
}

void UpdateClient::download(const QUrl& url, const QString& file)
{
    m_file = std::make_unique<QSaveFile>(file);
    m_patchUrl = url;
    m_patch.clear();
    send(Request::Download, url);
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateClient::readBody);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (received > 0)
            Q_EMIT progress(received, total);
    });
}

void UpdateClient::fetchSignature()
{
    m_signature.clear();
    send(Request::Signature, SiteAddress::signature(m_patchUrl));
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateClient::readBody);
}

void UpdateClient::headersArrived()
{
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    if (m_request == Request::Signature) {
        signatureHeaders(status.toInt());
        return;
    }
    switch (UpdateRun::judge(status.toInt())) {
    case UpdateRun::Answer::Patch:
        if (m_request == Request::Look)
            endSoon({Outcome::Available});
        else if (!m_file->isOpen() && !m_file->open(QIODevice::WriteOnly))
            endSoon({Outcome::WriteFailed, m_file->errorString()});
        return;
    case UpdateRun::Answer::NoNewVersion:
        endSoon({Outcome::Redirected}); // its body is not wanted
        return;
    case UpdateRun::Answer::Refused:
        endSoon(Ending::refused(status.toInt()));
        return;
    }
}

void UpdateClient::signatureHeaders(int status)
{
    using Fault = PatchSignature::Fault;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    switch (UpdateRun::judge(status)) {
    case UpdateRun::Answer::Patch:
        if (length.isValid() && length.toLongLong() > PatchSignature::MaxFileSize)
            endSoon(Ending::unsignedBy(Fault::TooLarge, QString::number(PatchSignature::MaxFileSize)));
        return;
    case UpdateRun::Answer::NoNewVersion:
        endSoon(Ending::unsignedBy(Fault::Redirected));
        return;
    case UpdateRun::Answer::Refused:
        endSoon(Ending::unsignedBy(Fault::NotServed, QString::number(status)));
        return;
    }
}

bool UpdateClient::readBody()
{
    if (m_request == Request::Signature) {
        m_signature += m_reply->readAll();
        if (m_signature.size() <= PatchSignature::MaxFileSize)
            return true;
        endSoon(Ending::unsignedBy(PatchSignature::Fault::TooLarge, QString::number(PatchSignature::MaxFileSize)));
        return false;
    }
    if (!m_file->isOpen())
        return true; // nothing comes before the headers have been judged
    const QByteArray bytes = m_reply->readAll();
    m_received += bytes.size();
    m_patch += bytes;
    if (m_file->write(bytes) == bytes.size())
        return true;
    endSoon({Outcome::WriteFailed, m_file->errorString()});
    return false;
}

void UpdateClient::replyEnded()
{
    const QNetworkReply* reply = m_reply;
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (m_request == Request::Signature)
        signatureEnded(answered);
    else if (!answered) // no connection, or it broke before the headers
        endSoon({Outcome::Failed, reply->errorString()});
    else if (m_request == Request::Probe)
        endSoon({Outcome::Available});
    else if (m_request == Request::Look)
        endSoon({Outcome::Failed, reply->errorString()}); // judged headers would have ended it
    else if (!readBody())
        return;
    else if (const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
             !UpdateRun::complete(m_received, length.isValid() ? length.toLongLong() : -1))
        endSoon(Ending::cutShort(m_received, length.toLongLong()));
    else if (reply->error() != QNetworkReply::NoError)
        endSoon({Outcome::Failed, reply->errorString()});
    else
        afterReply([this] { fetchSignature(); });
}

void UpdateClient::signatureEnded(bool answered)
{
    using Fault = PatchSignature::Fault;
    if (answered && !readBody())
        return;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (!answered || m_reply->error() != QNetworkReply::NoError ||
        !UpdateRun::complete(m_signature.size(), length.isValid() ? length.toLongLong() : -1)) {
        endSoon(Ending::unsignedBy(Fault::NotFetched, m_reply->errorString()));
        return;
    }
    const Fault fault = PatchSignature(m_signatureKey).check(m_patch, m_signature);
    if (fault == Fault::None)
        endSoon({Outcome::Saved});
    else
        endSoon(
            Ending::unsignedBy(fault, fault == Fault::WrongLength ? QString::number(m_signature.size()) : QString()));
}

void UpdateClient::release()
{
    m_idle.stop();
    IdleWatch::discard(m_reply, this);
    m_reply = nullptr;
}

void UpdateClient::endSoon(const Ending& ending)
{
    afterReply([this, ending] { end(ending); });
}

void UpdateClient::afterReply(const std::function<void()>& step)
{
    // Inside a signal of the reply: nothing more of it is heard, and the step runs once that
    // signal is over, where the reply can go at once and the caller may open a message box.
    m_idle.stop();
    m_reply->disconnect(this);
    QMetaObject::invokeMethod(
        this,
        [this, serial = m_serial, step] {
            if (serial == m_serial && m_reply)
                step();
        },
        Qt::QueuedConnection);
}

void UpdateClient::end(Ending ending)
{
    release();
    ++m_serial; // an end still queued for this request is void
    if (m_request == Request::Probe) {
        Q_EMIT probed(ending);
        return;
    }
    if (ending.outcome == Outcome::Saved && !m_file->commit())
        ending = {Outcome::WriteFailed, m_file->errorString()};
    if (m_file && ending.outcome != Outcome::Saved)
        m_file->cancelWriting();
    m_file.reset();
    m_patch = QByteArray();
    m_signature = QByteArray();
    Q_EMIT finished(ending);
}

void UpdateClient::cancel()
{
    if (m_reply)
        end({Outcome::Aborted});
}
