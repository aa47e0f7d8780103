#pragma once

#include <QByteArray>
#include <QList>

// The lines that differ between two versions of a file, as a reader wants to see them: removed
// and added lines with their numbers, in hunks with a few unchanged lines around them. Lines are
// compared as bytes, their line ends included, so a line whose only change is CR LF against LF,
// or a final line that gained or lost its line end, is a change.
namespace LineDiff {

struct Line {
    enum class Kind : unsigned char { Same, Removed, Added };
    Kind kind = Kind::Same;
    int oldNumber = 0; // 1-based in the old text; 0 for an added line
    int newNumber = 0; // 1-based in the new text; 0 for a removed line
    QByteArray bytes;  // the line with its line end, if it has one
};

// A run of changed lines with up to `context` unchanged lines before and after; in each run of
// changes the removed lines come before the added ones.
using Hunk = QList<Line>;

inline constexpr int DefaultContext = 3;
// Beyond this many removed and added lines between the common head and tail, the search for the
// shortest edit stops and the rest shows as removed, then added: never wrong, only longer.
inline constexpr int MaxEdits = 2000;

QList<Hunk> hunks(const QByteArray& before, const QByteArray& after, int context = DefaultContext);

// The lines of `bytes`, each with its line end (CR LF, LF or a lone CR); a final line without one
// is a line too.
QList<QByteArray> lines(const QByteArray& bytes);

} // namespace LineDiff
