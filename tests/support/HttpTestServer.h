#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QStringList>
#include <QTcpServer>

// A scripted HTTP/1.1 server on 127.0.0.1 for the update and news tests. Each path answers as
// set; an unknown path answers 404. Bodies go out in blocks, one block per timer tick, so that
// the client sees its progress in steps. Every connection is closed after its answer.
class HttpTestServer final : public QObject {
    Q_OBJECT
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        int block = 4096;       // bytes per tick
        qint64 announced = -1;  // Content-Length sent; -1: the body's own size; NoLength: none
        qint64 stallAfter = -1; // send this much of the body, then nothing more (the line stays open)
    };

    // An answer without a Content-Length: its body ends where the connection closes.
    static constexpr qint64 NoLength = -2;

    explicit HttpTestServer(QObject* parent = nullptr);
    ~HttpTestServer() override;

    bool listen();
    quint16 port() const { return m_server.serverPort(); }
    QString site() const;

    void set(const QByteArray& path, const Answer& answer) { m_answers[path] = answer; }
    // Shorthands for the answers the tests use.
    void body(const QByteArray& path, const QByteArray& bytes, int block = 4096);
    void redirect(const QByteArray& path, const QByteArray& location);
    void status(const QByteArray& path, int status);

    // "METHOD /path" per request received, in order.
    QStringList requests;

    static QByteArray bytes(int count); // a body of that many bytes of a repeating pattern

private:
    void serve(class QTcpSocket* socket);

    QTcpServer m_server;
    QHash<QByteArray, Answer> m_answers;
};
