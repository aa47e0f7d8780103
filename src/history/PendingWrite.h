#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// A write the program is about to make to a game file: the bytes the file holds now (empty for
// a file that does not exist yet) and the bytes it will hold.
struct PendingWrite {
    QString path;
    QByteArray before;
    QByteArray after;

    bool changes() const { return before != after; }
};

// Shows the writes of one action before they are made; true to make them, false to make none.
// Only writes that change a file reach it, and it is not asked when none does.
using WriteReviewer = std::function<bool(const QList<PendingWrite>& writes)>;
