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

// The update's network client: a HEAD probe of the site, then the patch fetched into a file, or
// only asked about. Driven by signals on the caller's thread; nothing waits. Redirects are never
// followed. The file on disk is replaced only by a complete 200 answer: anything else leaves it
// as it was. Each request ends exactly once, with one probed() or finished(), however it ends.
class UpdateClient final : public QObject {
    Q_OBJECT
public:
    // How a download (or a look) ended. Available: a look found the patch.
    enum class Outcome { Saved, Available, Redirected, Refused, Short, TimedOut, Aborted, Failed, WriteFailed };
    Q_ENUM(Outcome)
    // How a request ended, with what the caller needs to say why.
    struct Ending {
        Ending(Outcome how, const QString& systemError = QString())
            : outcome(how)
            , error(systemError)
        {}
        static Ending refused(int httpStatus)
        {
            Ending ending(Outcome::Refused);
            ending.status = httpStatus;
            return ending;
        }
        static Ending cutShort(qint64 came, qint64 promised)
        {
            Ending ending(Outcome::Short);
            ending.received = came;
            ending.announced = promised;
            return ending;
        }

        Outcome outcome;
        QString error;         // the system's text, for Failed and WriteFailed
        int status = 0;        // the answer's HTTP status, for Refused
        qint64 received = 0;   // for Short: the bytes that came
        qint64 announced = -1; // and those the answer announced
    };

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
    // Sends HEAD `url` and says what a download would find: finished() with Available,
    // Redirected or Refused, or how the request failed. Nothing is written.
    void look(const QUrl& url);
    // Stops the running request; it ends with Outcome::Aborted (or probed(false)).
    void cancel();

Q_SIGNALS:
    // `ending.outcome` is Available when the site answered at all.
    void probed(const UpdateClient::Ending& ending);
    void progress(qint64 received, qint64 total);
    void finished(const UpdateClient::Ending& ending);

private:
    enum class Request { Probe, Download, Look };

    void send(Request kind, const QUrl& url);
    void headersArrived();
    // Writes what has come; false when it could not, which ends the download.
    bool readBody();
    void replyEnded();
    // Lets go of the running reply: nothing of it reaches this client again.
    void release();
    // Ends the running request once: the reply is discarded and the caller told. end() is for
    // calls from outside the reply's signals, endSoon() for those from inside them.
    void end(Ending ending);
    void endSoon(const Ending& ending);

    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    Request m_request = Request::Probe;
    std::unique_ptr<QSaveFile> m_file;
    IdleWatch m_idle;
    qint64 m_received = 0;
    quint64 m_serial = 0; // counts the ends
};
