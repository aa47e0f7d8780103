#pragma once

#include "config/MessageKeys.h"
#include "online/IdleWatch.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include <chrono>
#include <functional>

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;

// The news box: a small browser for one page of the program's site. It runs no scripts (a text
// browser has none), loads nothing else (pictures show their alternative text; no style sheets
// or local files), takes at most 1 MiB of text, follows no redirect, and hands web links to the
// user's web browser. A failure is shown inside the box in the interface language.
class NewsView final : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr qint64 MaxPage = 1024 * 1024;

    // `message` gives the text of a message key in the interface language.
    explicit NewsView(std::function<QString(MessageKey key)> message, QWidget* parent = nullptr);
    ~NewsView() override;

    void setIdleTimeout(std::chrono::milliseconds timeout) { m_idle.setInterval(timeout); }
    // Starts loading `url`; a load still running is dropped. loadEnded() follows.
    void load(const QUrl& url);
    // Shows the failure `key` (its %1 filled with `detail`) inside the box.
    void showFailure(MessageKey key, const QString& detail = QString());
    // Says over the page that no web browser opened `url` (a link of another kind, or a
    // desktop without a browser).
    void linkFailed(const QUrl& url);
    bool loading() const;
    // Pictures, style sheets and local files are never fetched.
    QVariant loadResource(int type, const QUrl& name) override;

Q_SIGNALS:
    void loadEnded(bool shown);
    // A web link was clicked: the user's web browser should open it.
    void webLinkClicked(const QUrl& url);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::function<QString(MessageKey key)> m_message;
    // The box's own texts (hidden labels by these names), which a language file sets.
    QString ownText(const char* name) const;
    void showFailureText(const QString& text);
    void received();
    void ended();
    void release();
    void display(const QByteArray& page, const QByteArray& contentType);

    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_page;
    QUrl m_pageUrl; // links on the page are resolved against it
    IdleWatch m_idle;
    QLabel* m_notice;
};
