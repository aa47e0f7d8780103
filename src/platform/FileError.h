#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <utility>

// The words of a file error by message key, so that the windows show it in the interface language
// (the command-line tool keeps the English texts). In every text %1 is the file; %2, where there
// is one, is a folder or the system's own cause, which follows the translated words as it is.
namespace FileError {

// Gives the text of a message key in the interface language; an empty function, or an empty
// text for a key, means English.
using Texts = std::function<QString(const QString& key)>;

// The keys with their English texts, for the program's table of messages.
const QList<std::pair<const char*, QString>>& english();

QString text(const Texts& texts, const char* key, const QString& file, const QString& detail = QString());

} // namespace FileError
