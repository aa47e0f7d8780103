#pragma once

#include <QtGlobal>

// How the update window's bar follows a download. Answers of 10000 bytes or less (a short error
// or redirect page) never move it; a bigger one sets it to the received share in whole percent.
namespace UpdateProgress {

inline constexpr qint64 SmallAnswer = 10000;

// received × 100 / total rounded to the nearest whole number, halves to the even neighbour,
// kept within 0..100. A total of 0 or less gives 0.
int percent(qint64 received, qint64 total);

struct Step {
    bool moves = false;               // the answer is big enough to show progress
    bool addsDownloadingLine = false; // the bar stood at 0 before this block
    int bar = 0;                      // the bar's new value (the old one when it does not move)
};

// One received block: `barNow` is the bar before it.
Step step(qint64 received, qint64 total, int barNow);

} // namespace UpdateProgress
