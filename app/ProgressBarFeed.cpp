#include "app/ProgressBarFeed.h"

#include "toolkit/ProgressBar.h"

#include <windows.h>

namespace {

int FilledWidth(int position, int max, int width)
{
    return max <= 0 ? 0 : MulDiv(position, width, max);
}

}  // namespace

ProgressBarFeed::ProgressBarFeed(TProgressBar& bar) : bar_(bar) {}

void ProgressBarFeed::Start(int max)
{
    max_ = max;
    RECT client = {};
    if (bar_.HandleAllocated()) GetClientRect(bar_.Handle(), &client);
    width_ = client.right - client.left;
    bar_.SetMax(max);
    bar_.SetPosition(0);
    bar_.RepaintNow();
    paintedPosition_ = 0;
    ++repaints_;
}

// The bar fills its client area less a one-pixel frame on each side (as
// measured under Wine; the classic bar draws blocks, which change less often).
bool ProgressBarFeed::LooksDifferent(int position) const
{
    if (position == 1 || position >= max_ || width_ <= 2) return true;
    return FilledWidth(position, max_, width_ - 2) != FilledWidth(paintedPosition_, max_, width_ - 2);
}

void ProgressBarFeed::Advance(int position)
{
    if (!LooksDifferent(position)) {
        bar_.SetPositionUnpainted(position);
        return;
    }
    bar_.SetPosition(position);
    bar_.RepaintNow();
    paintedPosition_ = position;
    ++repaints_;
}

BatchProgress ProgressBarFeed::Callbacks()
{
    return BatchProgress{[this](int max) { Start(max); }, [this](int position) { Advance(position); }};
}
