#include "app/ProgressBarFeed.h"

#include "toolkit/ProgressBar.h"

#include <windows.h>

namespace {

int FilledWidth(int position, int max, int width)
{
    return max <= 0 ? 0 : MulDiv(position, width, max);
}

unsigned long long TickCount()
{
    return GetTickCount64();
}

}  // namespace

ProgressBarFeed::ProgressBarFeed(TProgressBar& bar, unsigned long long (*clock)())
    : bar_(bar), clock_(clock ? clock : TickCount)
{
}

void ProgressBarFeed::Reset()
{
    bar_.SetPosition(0);
    paintedPosition_ = 0;
}

void ProgressBarFeed::Start(int max)
{
    max_ = max;
    RECT client = {};
    if (bar_.HandleAllocated()) GetClientRect(bar_.Handle(), &client);
    width_ = client.right - client.left;
    bar_.SetMax(max);
    Paint(0);
}

void ProgressBarFeed::Paint(int position)
{
    bar_.SetPosition(position);
    bar_.RepaintNow();
    paintedPosition_ = position;
    paintedAt_ = clock_();
    ++repaints_;
}

// The bar fills its client area less a one-pixel frame on each side (as
// measured under Wine; the classic bar draws blocks, which change less often).
bool ProgressBarFeed::LooksDifferent(int position) const
{
    if (width_ <= 2) return true;
    return FilledWidth(position, max_, width_ - 2) != FilledWidth(paintedPosition_, max_, width_ - 2);
}

void ProgressBarFeed::Advance(int position)
{
    const bool edge = position == 1 || position >= max_;
    if (edge || (LooksDifferent(position) && clock_() - paintedAt_ >= kPaintInterval))
        Paint(position);
    else
        bar_.SetPositionUnpainted(position);
}

void ProgressBarFeed::CatchUp()
{
    if (LooksDifferent(bar_.Position())) Paint(bar_.Position());
}

BatchProgress ProgressBarFeed::Callbacks()
{
    return BatchProgress{[this](int max) { Start(max); }, [this](int position) { Advance(position); }};
}
