#pragma once

#include "online/IdleWatch.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include <chrono>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

// The news box: a small browser for one HTML page of the program's site. It runs no scripts (a
// text browser has none), loads nothing else (no pictures, style sheets or local files), takes
// at most 1 MiB, follows no redirect, and hands links to the user's web browser. A failure is
// shown inside the box in the interface language.
class NewsView final : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr qint64 MaxPage = 1024 * 1024;

    explicit NewsView(QWidget* parent = nullptr);
    ~NewsView() override;

    // The message text of a key in the interface language.
    std::function<QString(const QString& key)> message;
    // Opens a clicked link in the user's web browser.
    std::function<void(const QUrl& url)> openLink;

    void setIdleTimeout(std::chrono::milliseconds timeout) { m_idle.setInterval(timeout); }
    // Starts loading `url`; a load still running is dropped. loadEnded() follows.
    void load(const QUrl& url);
    // Shows the failure `key` (a message key, its %1 filled with `detail`) inside the box.
    void showFailure(const QString& key, const QString& detail = QString());
    bool loading() const;
    // Pictures, style sheets and local files are never fetched.
    QVariant loadResource(int type, const QUrl& name) override;

Q_SIGNALS:
    void loadEnded(bool shown);

private:
    void received();
    void ended();

    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_page;
    QUrl m_pageUrl; // links on the page are resolved against it
    IdleWatch m_idle;
    bool m_tooLarge = false;
};
