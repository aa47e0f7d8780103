#pragma once

#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>

class QNetworkReply;
class QUrl;

// Ends a network answer that receives nothing for a while (30 s unless set): headers and every
// block of the body restart the clock; when it runs out the reply is aborted, and timedOut()
// tells its finished() handler why it ended.
class IdleWatch final : public QObject {
    Q_OBJECT
public:
    explicit IdleWatch(QObject* parent = nullptr);

    // A request to the program's site: redirects are never followed, nothing comes from a cache.
    static QNetworkRequest request(const QUrl& url);

    void setInterval(std::chrono::milliseconds interval) { m_timer.setInterval(interval); }
    int intervalSeconds() const { return int((m_timer.intervalAsDuration().count() + 999) / 1000); }
    // Starts watching `reply` (and stops watching the one before).
    void watch(QNetworkReply* reply);
    void stop();
    bool timedOut() const { return m_timedOut; }

private:
    QTimer m_timer;
    QPointer<QNetworkReply> m_reply;
    bool m_timedOut = false;
};
