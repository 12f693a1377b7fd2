// Drives a progress bar from a batch: its position is always the file
// count, but it is painted at once only when its filled width changes, and
// then at most every kPaintInterval milliseconds (ten times a second, as the
// window answers during a batch): a synchronous repaint costs 1-3 ms under
// Wine, more than renaming a file in a small folder.
#pragma once

#include "app/BatchProgress.h"

class TProgressBar;

class ProgressBarFeed {
public:
    static constexpr unsigned long long kPaintInterval = 100;

    // bar is not owned and must outlive the feed; clock gives milliseconds
    // (GetTickCount64 when not given).
    explicit ProgressBarFeed(TProgressBar& bar, unsigned long long (*clock)() = nullptr);

    // Position 0, the maximum kept: where every command starts.
    void Reset();
    // Maximum = max, position 0, painted at once.
    void Start(int max);
    // The bar is set to position, and painted at once for the first file and
    // the last, and when that changes its look after the interval.
    void Advance(int position);
    // Paints the bar now if its look lags behind its position: a stopped
    // batch ends between two paints.
    void CatchUp();
    // Callbacks for RunRenameBatch / RunFileTimeBatch.
    BatchProgress Callbacks();

    int Repaints() const { return repaints_; }

private:
    bool LooksDifferent(int position) const;

    void Paint(int position);

    TProgressBar& bar_;
    unsigned long long (*clock_)();
    unsigned long long paintedAt_ = 0;
    int max_ = 0;
    int paintedPosition_ = 0;
    int width_ = 0;
    int repaints_ = 0;
};
