#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

// gtest finds this by argument-dependent lookup: a failing comparison shows line ends, control
// bytes and bytes from 0x80 up as %XX instead of a list of chars.
inline void PrintTo(const QByteArray& b, std::ostream* os)
{
    *os << '"' << b.toPercentEncoding(" !\"#$&'()*+,/:;<=>?@[\\]^`{|}").toStdString() << '"';
}

// And a text as text rather than a list of UTF-16 code units.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
