// Drives a progress bar from a batch: the position follows every file, but
// the bar is painted only when its filled width changes, because a
// synchronous repaint costs about as much as the work on one file.
#pragma once

#include "app/BatchProgress.h"

class TProgressBar;

class ProgressBarFeed {
public:
    explicit ProgressBarFeed(TProgressBar& bar);  // not owned; must outlive the feed

    // Maximum = max, position 0, painted at once.
    void Start(int max);
    // Position = position; painted at once when the bar looks different.
    void Advance(int position);
    // Callbacks for RunRenameBatch / RunFileTimeBatch.
    BatchProgress Callbacks();

    int Repaints() const { return repaints_; }

private:
    bool LooksDifferent(int position) const;
    void SetPositionQuietly(int position);

    TProgressBar& bar_;
    int max_ = 0;
    int paintedPosition_ = 0;
    int width_ = 0;
    int repaints_ = 0;
};
