#pragma once

#include <QByteArray>

#include <ostream>

// Byte strings for tests: literals with embedded NULs, and readable failure output.

template <size_t N>
QByteArray bytes(const char (&s)[N])
{
    return QByteArray(s, static_cast<qsizetype>(N - 1));
}

// gtest finds this by argument-dependent lookup; bytes outside printable ASCII are shown escaped.
inline void PrintTo(const QByteArray& b, std::ostream* os)
{
    *os << '"';
    for (const char c : b) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r')
            *os << "\\r";
        else if (c == '\n')
            *os << "\\n";
        else if (c == '\t')
            *os << "\\t";
        else if (c == '"' || c == '\\')
            *os << '\\' << c;
        else if (u < 0x20 || u >= 0x7f)
            *os << "\\x"
                << "0123456789abcdef"[u >> 4] << "0123456789abcdef"[u & 15];
        else
            *os << c;
    }
    *os << '"';
}
