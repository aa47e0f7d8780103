#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

// Lines of a text file: CR LF, a lone CR and a lone LF each end a line. A final line without an
// end is a line too; text that ends with a line end adds no empty line.
namespace TextLines {

// The lines of `bytes`, each a copy of its own.
std::vector<QByteArray> split(QByteArrayView bytes);

// How a line ends: not at all (the last line of a text without a final line end), LF, CR or CR LF.
enum class End : unsigned char { None = 0, Lf = 1, Cr = 2, CrLf = 3 };

// The bytes of a line end.
QByteArrayView bytesOf(End end);

// Appends the lines of `text` to `lines` as views into `text` (no copy), and how each ends to
// `ends`: `text` must outlive them and never change; editing a line detaches it.
void appendViews(const QByteArray& text, std::vector<QByteArray>& lines, std::vector<End>& ends);

} // namespace TextLines
