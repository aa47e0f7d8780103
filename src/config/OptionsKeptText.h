#pragma once

#include <QByteArray>
#include <QString>

// A text field's value as read from the file, kept as its bytes beside the text shown, so that
// a field the user did not change is written back as the very bytes it came from, and an edited
// one in the encoding it was read with (see TextCodec).
class KeptText final {
public:
    // Keeps `bytes` (a value read from the file) and returns the text a control shows for them.
    QString take(const QByteArray& bytes);
    // The bytes to write for the text a control shows.
    QByteArray bytesFor(const QString& shown) const;

private:
    QByteArray m_bytes;
    QString m_shown;
    bool m_latin1 = false;
};
