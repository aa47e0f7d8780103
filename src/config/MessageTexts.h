#pragma once

#include <QList>
#include <QString>

// The program's messages, addressed by key, with their English texts. The splash window
// carries one hidden label per key; a language file may replace the label's caption.
namespace MessageTexts {

struct Entry {
    const char* key;
    QString text;
};

// Every key in a fixed order, with its English text (line breaks as CR LF).
const QList<Entry>& english();
// The English text of `key`, or the empty text for an unknown key.
QString englishText(const QString& key);

} // namespace MessageTexts
