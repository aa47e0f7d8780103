#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for one test, with helpers to put bytes in files and read them back.
class TempDir final {
public:
    TempDir();
    QString path() const { return m_dir.path(); }
    // The folder with a trailing separator, as the game folder is kept.
    QString dirWithSlash() const { return m_dir.path() + QLatin1Char('/'); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

    static QByteArray readFile(const QString& path);
    static void writeFile(const QString& path, const QByteArray& bytes);
    static QByteArray testData(const QString& name);
    // Dates the file's last change two days back, so that a write shows in its time; returns
    // that time in seconds since the epoch.
    static qint64 backdate(const QString& path);
    static qint64 modified(const QString& path);

private:
    QTemporaryDir m_dir;
};
