#pragma once

#include "online/IdleWatch.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <chrono>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QSaveFile;

// The update's network client: a HEAD probe of the site, then the patch fetched into a file.
// Driven by signals on the caller's thread; nothing waits. Redirects are never followed. The
// file on disk is replaced only by a complete 200 answer: anything else leaves it as it was.
class UpdateClient final : public QObject {
    Q_OBJECT
public:
    // How a download ended.
    enum class Outcome { Saved, Redirected, Refused, Short, TimedOut, Aborted, Failed, WriteFailed };
    Q_ENUM(Outcome)

    explicit UpdateClient(QObject* parent = nullptr);
    ~UpdateClient() override;

    // A transfer that receives nothing for this long ends with Outcome::TimedOut (30 s).
    void setIdleTimeout(std::chrono::milliseconds timeout) { m_idle.setInterval(timeout); }
    int idleTimeoutSeconds() const { return m_idle.intervalSeconds(); }

    bool busy() const;
    // Sends HEAD `url`; probed() follows. Any HTTP answer counts as reached.
    void probe(const QUrl& url);
    // GETs `url` into `file`; progress() per block, then finished().
    void download(const QUrl& url, const QString& file);
    // Stops the running request; it ends with Outcome::Aborted (or probed(false)).
    void cancel();

Q_SIGNALS:
    void probed(bool reached, const QString& error);
    void progress(qint64 received, qint64 total);
    // `detail`: the status for Refused, "received/announced" sizes for Short, the system's text
    // for Failed and WriteFailed.
    void finished(UpdateClient::Outcome outcome, const QString& detail);

private:
    QNetworkReply* send(const QUrl& url, bool head);
    void readBody();
    void headersArrived();
    void downloadEnded();
    void finish(Outcome outcome, const QString& detail);

    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<QSaveFile> m_file;
    IdleWatch m_idle;
    bool m_cancelled = false;
    bool m_redirected = false;
    int m_refusedStatus = 0;
    qint64 m_received = 0;
    QString m_writeError;
};
