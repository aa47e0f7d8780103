#pragma once

#include "config/TextCodec.h"

#include <QByteArray>
#include <QString>

#include <optional>

class AppState;

class CfgStore;
class QRadioButton;

// How the options pages read their values from the config line store and write them back.
// Values are bytes in the file and text in the controls; they are converted by TextCodec.
namespace OptionsValues {

using TextCodec::decode;
using TextCodec::Decoded;
using TextCodec::encode;
using TextCodec::isWritable;

// A whole decimal number as the integer fields take it: an optional sign, digits, blanks
// around them ignored. Empty text, fractions and numbers beyond 32 bits are not integers.
std::optional<int> toInteger(const QString& text);
// Shows the conversion error for `text`, which is not a whole number; returns false.
bool conversionError(const AppState& state, const QString& text);

// The value of the last line that sets `name`; the empty text when no line does (or when the
// line carries no value).
QString read(CfgStore& store, const char* name);

// A text field's value as read from the file, kept as its bytes beside the text shown, so that
// a field the user did not change is written back as the very bytes it came from, and an edited
// one in the encoding it was read with.
class KeptText final {
public:
    // The decoded value of the last line that sets `name`, or the empty text when none does.
    // Only a non-empty value is kept: a field the file does not set keeps what it showed.
    QString read(CfgStore& store, const char* name);
    QByteArray bytesFor(const QString& shown) const;
    void write(CfgStore& store, const char* name, const QString& shown) const;

private:
    QByteArray m_bytes;
    QString m_shown;
    bool m_latin1 = false;
};
// Whether any line runs the command `name`, whatever it carries after it.
bool isPresent(CfgStore& store, const char* name);
void write(CfgStore& store, const char* name, const QString& value);

// A radio pair standing for "1" (`one`) and "0" (`zero`). Reading checks the button of an
// exact "1" or "0" and leaves the pair alone otherwise; writing sets the value of the checked
// button and writes nothing while neither is checked.
void readPair(CfgStore& store, const char* name, QRadioButton* one, QRadioButton* zero);
void writePair(CfgStore& store, const char* name, const QRadioButton* one, const QRadioButton* zero);

} // namespace OptionsValues
