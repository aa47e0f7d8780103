#pragma once

#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>

class QNetworkReply;
class QUrl;

// Watches a network answer for silence (30 s unless set): headers and every block of the body
// restart the clock, and when it runs out expired() tells the owner, who ends the answer.
class IdleWatch final : public QObject {
    Q_OBJECT
public:
    explicit IdleWatch(QObject* parent = nullptr);

    // A request to the program's site: redirects are never followed, nothing comes from a cache.
    static QNetworkRequest request(const QUrl& url);
    // Ends `reply` for good without a word: none of its signals reaches `owner` any more, and a
    // transfer still running stops at once, since the reply is deleted (Qt's abort() would report
    // an error that a late answer of the network thread then reports a second time). A finished
    // reply goes once control returns to the event loop. A running reply must not be discarded
    // from inside one of its own signals.
    static void discard(QNetworkReply* reply, QObject* owner);

    void setInterval(std::chrono::milliseconds interval) { m_timer.setInterval(interval); }
    int intervalSeconds() const { return int((m_timer.intervalAsDuration().count() + 999) / 1000); }
    // Starts watching `reply` (and stops watching the one before).
    void watch(QNetworkReply* reply);
    // Stops the clock and forgets the reply.
    void stop();

Q_SIGNALS:
    void expired();

private:
    QTimer m_timer;
    QPointer<QNetworkReply> m_reply;
};
