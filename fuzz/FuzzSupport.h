#pragma once

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

// Helpers shared by the fuzz targets: a scratch folder for the readers that take a path, and a
// failed invariant reported the way libFuzzer notices (an abort with the reason on stderr).
namespace FuzzSupport {

// One scratch folder per fuzzing process, on tmpfs where there is one: a run writes it millions
// of times, and the writers' flush to disk would otherwise set the pace.
inline const QString& scratchDir()
{
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/qvl-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/qvl-fuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

inline void fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void require(bool holds, const char* what)
{
    if (!holds)
        fail(what);
}

// A short name made of characters that any name may hold: letters, digits and underscores,
// never empty.
inline QByteArray plainName(FuzzedDataProvider& data, size_t maxLength)
{
    static const char Chars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";
    QByteArray name;
    const size_t length = data.ConsumeIntegralInRange<size_t>(1, maxLength);
    for (size_t i = 0; i < length; ++i)
        name.append(Chars[data.ConsumeIntegralInRange<size_t>(0, sizeof(Chars) - 2)]);
    return name;
}

// Bytes without a double quote or a line end, never empty: a value the file can hold on one line.
inline QByteArray plainValue(FuzzedDataProvider& data, size_t maxLength)
{
    QByteArray value = QByteArray::fromStdString(data.ConsumeRandomLengthString(maxLength));
    value.removeIf([](char c) { return c == '"' || c == '\r' || c == '\n'; });
    if (value.isEmpty())
        value = "1";
    return value;
}

// Splits `before` and `after` into their common first and last lines and what lies between:
// true when the lines between are at most `removed` in `before` and `added` in `after`.
inline bool differsOnlyBetween(const std::vector<QByteArray>& before, const std::vector<QByteArray>& after,
                               size_t removed, size_t added)
{
    size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return before.size() - head - tail <= removed && after.size() - head - tail <= added;
}

} // namespace FuzzSupport
