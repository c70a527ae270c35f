#include "SeqNumbers.h"

std::optional<qint64> SeqNumbers::nextFree(qint64 last, const std::function<bool(qint64)>& held,
                                           bool wrap) {
    for (qint64 number = qMax<qint64>(last, 0) + 1; number <= Highest; ++number) {
        if (!held(number))
            return number;
    }
    if (wrap) {
        for (qint64 number = 1; number <= qMin(last, Highest); ++number) {
            if (!held(number))
                return number;
        }
    }
    return std::nullopt;
}
