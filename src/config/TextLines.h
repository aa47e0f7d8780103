#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace TextLines {

// Splits text into lines without their ends: CR LF, a lone CR and a lone LF each end a line.
// A final line without an end is a line too; text that ends with a line end adds no empty line.
std::vector<QByteArray> split(QByteArrayView bytes);

} // namespace TextLines
