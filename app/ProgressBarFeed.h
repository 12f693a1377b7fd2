// Drives a progress bar from a batch: its position is always the file
// count, but it is painted at once only when its filled width changes, as a
// synchronous repaint costs about as much as the work on one file.
#pragma once

#include "app/BatchProgress.h"

class TProgressBar;

class ProgressBarFeed {
public:
    explicit ProgressBarFeed(TProgressBar& bar);  // not owned; must outlive the feed

    // Maximum = max, position 0, painted at once.
    void Start(int max);
    // The bar is set to position, and painted at once when that changes its
    // look, for the first file and for the last.
    void Advance(int position);
    // Callbacks for RunRenameBatch / RunFileTimeBatch.
    BatchProgress Callbacks();

    int Repaints() const { return repaints_; }

private:
    bool LooksDifferent(int position) const;

    TProgressBar& bar_;
    int max_ = 0;
    int paintedPosition_ = 0;
    int width_ = 0;
    int repaints_ = 0;
};
