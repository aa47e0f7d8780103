#include "online/UpdateProgress.h"

#include <limits>

namespace UpdateProgress {

int percent(qint64 received, qint64 total)
{
    if (total <= 0 || received <= 0)
        return 0;
    if (received >= total)
        return 100;
    // received × 100 must fit: sizes beyond a few petabytes are scaled down first.
    while (total > std::numeric_limits<qint64>::max() / 100) {
        total /= 2;
        received /= 2;
    }
    const qint64 scaled = received * 100;
    qint64 quotient = scaled / total;
    const qint64 twiceRest = (scaled % total) * 2;
    if (twiceRest > total || (twiceRest == total && quotient % 2 != 0))
        ++quotient;
    return int(quotient);
}

Step step(qint64 received, qint64 total, int barNow)
{
    Step s;
    s.bar = barNow;
    if (total <= SmallAnswer)
        return s;
    s.moves = true;
    s.addsDownloadingLine = barNow <= 0;
    s.bar = percent(received, total);
    return s;
}

} // namespace UpdateProgress
