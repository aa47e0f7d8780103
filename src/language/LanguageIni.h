#pragma once

#include <QString>
#include <QStringList>

// qvl.ini in the program folder: its first line is the name of the interface language, alone,
// before any section; the section [Language] follows, naming for each translated window the
// language file it takes (ProgramDir/Languages/<name>.lng). Lines end in CR LF.
class LanguageIni final {
public:
    // The windows that take a language file, in the order their lines are written.
    static QStringList windowNames();
    // The name under which the language files hold the program's messages (one of windowNames).
    static QString messagesWindow() { return QStringLiteral("SplashForm"); }
    static QString path(const QString& programDir);
    // The language file of `language`, with the system's separators.
    static QString languageFile(const QString& programDir, const QString& language);

    // Start-up: reads the language name from the first line (empty when the line is empty, looks
    // like a section header, or the file is missing) and rewrites the file with that name. On a
    // read failure the file is left alone; either failure returns false with `error` naming it.
    static bool readAndRewrite(const QString& programDir, QString* language, QString* error = nullptr);
    // Creates or replaces the file with the five lines for `language`.
    static bool write(const QString& programDir, const QString& language, QString* error = nullptr);
};
