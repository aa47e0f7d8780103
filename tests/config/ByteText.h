#pragma once

#include <QByteArray>

#include <ostream>

// gtest finds this by argument-dependent lookup: a failing comparison shows line ends, control
// bytes and bytes from 0x80 up as %XX instead of a list of chars.
inline void PrintTo(const QByteArray& b, std::ostream* os)
{
    *os << '"' << b.toPercentEncoding(" !\"#$&'()*+,/:;<=>?@[\\]^`{|}").toStdString() << '"';
}
