#include "support/TempDir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

TempDir::TempDir()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

QString TempDir::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeFile(path, bytes);
    return path;
}

QByteArray TempDir::read(const QString& name) const
{
    return readFile(file(name));
}

QByteArray TempDir::readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

void TempDir::writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

QByteArray TempDir::testData(const QString& name)
{
    return readFile(QStringLiteral(QVL_TEST_DATA "/") + name);
}

qint64 TempDir::backdate(const QString& path)
{
    const QDateTime past = QDateTime::currentDateTimeUtc().addDays(-2);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || !file.setFileTime(past, QFileDevice::FileModificationTime))
        return -1;
    return past.toSecsSinceEpoch();
}

qint64 TempDir::modified(const QString& path)
{
    return QFileInfo(path).lastModified().toSecsSinceEpoch();
}
