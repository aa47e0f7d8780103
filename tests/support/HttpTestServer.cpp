#include "support/HttpTestServer.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

QByteArray reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    default:
        return "Status";
    }
}

} // namespace

HttpTestServer::HttpTestServer(QObject* parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

HttpTestServer::~HttpTestServer() = default;

bool HttpTestServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QString HttpTestServer::site() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

QByteArray HttpTestServer::bytes(int count)
{
    QByteArray out(count, '\0');
    for (int i = 0; i < count; ++i)
        out[i] = char('a' + i % 26);
    return out;
}

void HttpTestServer::body(const QByteArray& path, const QByteArray& bytes, int block)
{
    Answer a;
    a.body = bytes;
    a.block = block;
    set(path, a);
}

void HttpTestServer::redirect(const QByteArray& path, const QByteArray& location)
{
    Answer a;
    a.status = 302;
    a.body = "<html>moved</html>";
    a.headers << qMakePair(QByteArray("Location"), location);
    set(path, a);
}

void HttpTestServer::status(const QByteArray& path, int status)
{
    Answer a;
    a.status = status;
    a.body = "<html>" + QByteArray::number(status) + "</html>";
    set(path, a);
}

void HttpTestServer::serve(QTcpSocket* socket)
{
    if (socket->property("served").toBool() || !socket->peek(1 << 16).contains("\r\n\r\n"))
        return;
    socket->setProperty("served", true);
    const QList<QByteArray> line = socket->readLine().trimmed().split(' ');
    socket->readAll();
    const QByteArray method = line.value(0);
    const QByteArray path = line.value(1);
    requests << QString::fromLatin1(method + ' ' + path);

    Answer answer;
    if (m_answers.contains(path))
        answer = m_answers.value(path);
    else {
        answer.status = 404;
        answer.body = "<html>404</html>";
    }
    const qint64 length = answer.announced >= 0 ? answer.announced : answer.body.size();
    QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + reason(answer.status) + "\r\n";
    if (answer.announced != NoLength)
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    head += "Connection: close\r\n";
    for (const auto& [name, value] : answer.headers)
        head += name + ": " + value + "\r\n";
    socket->write(head + "\r\n");
    if (method == "HEAD") {
        socket->disconnectFromHost();
        return;
    }
    const QByteArray body = answer.stallAfter >= 0 ? answer.body.left(answer.stallAfter) : answer.body;
    const bool stall = answer.stallAfter >= 0;
    auto* timer = new QTimer(socket);
    timer->setInterval(2);
    auto sent = std::make_shared<qint64>(0);
    connect(timer, &QTimer::timeout, socket, [socket, timer, body, sent, stall, block = answer.block] {
        if (*sent < body.size()) {
            const QByteArray part = body.mid(*sent, block);
            socket->write(part);
            *sent += part.size();
            return;
        }
        timer->stop();
        if (!stall)
            socket->disconnectFromHost();
    });
    timer->start();
}
