#pragma once

#include <QByteArray>
#include <QString>

// How a value of a configuration file, which is bytes, becomes the text a control shows and back.
namespace TextCodec {

// A value's text as a control shows it. Bytes the system's code page cannot decode (a name
// typed on another system) are read as Latin-1 instead, one character per byte, so that the
// characters stay the same bytes when the text is edited and written back.
struct Decoded {
    QString text;
    bool latin1 = false;
};
Decoded decode(const QByteArray& bytes);
// The bytes of `text`: with the system's code page, or, for a text decoded as Latin-1, one
// byte per character up to U+00FF and the system's code page for the characters above.
QByteArray encode(const QString& text, bool latin1);

// A value is written inside double quotes and the game has no escape character, so a value
// holding a double quote or a line break would break its line (and the lines after it).
bool isWritable(const QString& text);

} // namespace TextCodec
