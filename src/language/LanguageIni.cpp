#include "language/LanguageIni.h"

#include "language/IniFile.h"

#include <QDir>
#include <QFile>

QStringList LanguageIni::windowNames()
{
    return {QStringLiteral("MainForm"), QStringLiteral("UpdateForm"), messagesWindow()};
}

QString LanguageIni::path(const QString& programDir)
{
    return programDir + QStringLiteral("/qvl.ini");
}

QString LanguageIni::languageFile(const QString& programDir, const QString& language)
{
    return QDir::toNativeSeparators(programDir + QStringLiteral("/Languages/") + language + QStringLiteral(".lng"));
}

bool LanguageIni::readAndRewrite(const QString& programDir, QString* language, QString* error)
{
    QString name;
    QFile file(path(programDir));
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            if (error)
                *error = QStringLiteral("Cannot read %1: %2")
                             .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
            if (language)
                language->clear();
            return false;
        }
        QByteArray line = file.readLine();
        if (line.startsWith("\xEF\xBB\xBF"))
            line.remove(0, 3);
        // A lone CR also ends the line, as everywhere else in the program's text files.
        const qsizetype end = line.indexOf('\r');
        if (end >= 0)
            line.truncate(end);
        name = QString::fromUtf8(line.trimmed());
        // A file whose language line was deleted starts with [Language]: keeping that as a name
        // would repeat the header at every start.
        if (name.startsWith(QLatin1Char('[')))
            name.clear();
    }
    if (language)
        *language = name;
    return write(programDir, name, error);
}

bool LanguageIni::write(const QString& programDir, const QString& language, QString* error)
{
    const QString file = languageFile(programDir, language);
    QString text = language + QStringLiteral("\r\n[Language]\r\n");
    for (const QString& window : windowNames())
        text += window + QLatin1Char('=') + file + QStringLiteral("\r\n");
    // Every start writes the file: when it already holds these lines it is left alone, which
    // spares the start-up a flush to disk and keeps a read-only file that is right from failing.
    const QByteArray bytes = text.toUtf8();
    QFile current(path(programDir));
    if (current.size() == bytes.size() && current.open(QIODevice::ReadOnly) && current.readAll() == bytes)
        return true;
    return IniFile::replaceFile(path(programDir), bytes, error);
}
