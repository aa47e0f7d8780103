#pragma once

#include "online/IdleWatch.h"
#include "online/PatchSignature.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QSaveFile;

// The update's network client: a HEAD probe of the site, then the patch fetched into a file, or
// only asked about. Driven by signals on the caller's thread; nothing waits. Redirects are never
// followed. The file on disk is replaced only by a complete 200 answer whose bytes the signature
// beside it (<patch>.sig, fetched by the same rules) proves to be the project's: anything else
// leaves it as it was. The patch is kept in memory too until its signature has been checked.
// Each request ends exactly once, with one probed() or finished(), however it ends.
class UpdateClient final : public QObject {
    Q_OBJECT
public:
    // How a download (or a look) ended. Available: a look found the patch. Unsigned: the patch
    // came whole but its signature was missing or wrong.
    enum class Outcome {
        Saved,
        Available,
        Redirected,
        Refused,
        Short,
        TimedOut,
        Aborted,
        Failed,
        WriteFailed,
        Unsigned
    };
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
        // `detail` is what the fault's message names: a status, a size, the network's text.
        static Ending unsignedBy(PatchSignature::Fault why, const QString& detail = QString())
        {
            Ending ending(Outcome::Unsigned, detail);
            ending.fault = why;
            return ending;
        }

        Outcome outcome;
        QString error;         // the system's text, for Failed and WriteFailed; Unsigned's detail
        int status = 0;        // the answer's HTTP status, for Refused
        qint64 received = 0;   // for Short: the bytes that came
        qint64 announced = -1; // and those the answer announced
        PatchSignature::Fault fault = PatchSignature::Fault::None; // for Unsigned
    };

    explicit UpdateClient(QObject* parent = nullptr);
    ~UpdateClient() override;

    // A transfer that receives nothing for this long ends with Outcome::TimedOut (30 s).
    void setIdleTimeout(std::chrono::milliseconds timeout) { m_idle.setInterval(timeout); }
    int idleTimeoutSeconds() const { return m_idle.intervalSeconds(); }
    // The key a patch must be signed with (32 raw bytes): the program's own unless set.
    void setSignatureKey(const QByteArray& publicKey) { m_signatureKey = publicKey; }

    bool busy() const;
    // Sends HEAD `url`; probed() follows. Any HTTP answer counts as reached.
    void probe(const QUrl& url);
    // GETs `url` into `file`, then `url`.sig; progress() per block of the patch, then finished().
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
    enum class Request { Probe, Download, Signature, Look };

    void send(Request kind, const QUrl& url);
    void headersArrived();
    void signatureHeaders(int status);
    // Takes what has come; false when it could not, which ends the download.
    bool readBody();
    void replyEnded();
    // The patch came whole: its signature is fetched next, and checked when it has come.
    void fetchSignature();
    void signatureEnded(bool answered);
    // Lets go of the running reply: nothing of it reaches this client again.
    void release();
    // Ends the running request once: the reply is discarded and the caller told. end() is for
    // calls from outside the reply's signals, endSoon() for those from inside them.
    void end(Ending ending);
    void endSoon(const Ending& ending);
    // Runs `step` once the reply's signal is over, unless the request has ended meanwhile.
    void afterReply(const std::function<void()>& step);

    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    Request m_request = Request::Probe;
    std::unique_ptr<QSaveFile> m_file;
    QUrl m_patchUrl;
    QByteArray m_patch;     // the patch's bytes, for its signature check
    QByteArray m_signature; // the signature file's
    QByteArray m_signatureKey = PatchSignature::programKey();
    IdleWatch m_idle;
    qint64 m_received = 0;
    quint64 m_serial = 0; // counts the ends
};
