#pragma once

#include <QtGlobal>

#include <functional>

namespace analysis {

// Told how far a long computation has got (`done` of `total` steps); answers false when the
// user cancelled it. A cancelled computation stops and leaves its input as it was.
using Progress = std::function<bool(qint64 done, qint64 total)>;

// Steps between two reports: often enough for a window that answers at once, rarely enough to
// cost nothing beside the work.
inline constexpr qint64 kProgressStep = 2048;

// False when the computation must stop: it reports every kProgressStep steps, and at the end.
inline bool carryOn(const Progress& progress, qint64 done, qint64 total) {
    if (!progress || (done % kProgressStep != 0 && done != total)) {
        return true;
    }
    return progress(done, total);
}

}  // namespace analysis
