#include "app/ProgressBarFeed.h"

#include "toolkit/Form.h"
#include "toolkit/ProgressBar.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

namespace {

int Filled(int position, int max, int width)
{
    return max <= 0 ? 0 : MulDiv(position, width, max);
}

// How many pixels of the bar's middle row carry the fill colour.
int FilledPixels(HWND bar)
{
    RECT client;
    GetClientRect(bar, &client);
    HDC dc = GetDC(bar);
    int filled = 0;
    for (int x = 0; x < client.right; ++x) {
        if (GetPixel(dc, x, client.bottom / 2) == GetSysColor(COLOR_HIGHLIGHT)) ++filled;
    }
    ReleaseDC(bar, dc);
    return filled;
}

// Clocks for the feed: one that moves on by the paint interval at every
// reading, and one that stands still.
unsigned long long now = 0;
unsigned long long Moving()
{
    return now += ProgressBarFeed::kPaintInterval;
}
unsigned long long Still()
{
    return now;
}

TEST(ProgressBarFeedTest, BarLooksCurrentWithFewRepaints)
{
    TForm form(nullptr, "TProgressBarFeedTestForm");
    form.SetDesignClientSize(300, 20);
    auto* bar = new TProgressBar(&form);  // owned by the form
    bar->SetParent(&form);
    bar->SetAlign(TAlign::Client);
    form.FinishCreation();
    form.Show();
    HWND handle = bar->Handle();
    RECT client;
    GetClientRect(handle, &client);
    const int width = client.right;
    ASSERT_GT(width, 2);

    for (int count : {0, 1, 7, 5000}) {
        SCOPED_TRACE(count);
        ProgressBarFeed feed(*bar, Moving);
        feed.Start(count);
        EXPECT_EQ(SendMessageA(handle, PBM_GETRANGE, FALSE, 0), count);
        EXPECT_EQ(SendMessageA(handle, PBM_GETPOS, 0, 0), 0);
        for (int i = 1; i <= count; ++i) {
            feed.Advance(i);
            // After a stop the bar must tell how far the batch got.
            ASSERT_EQ(SendMessageA(handle, PBM_GETPOS, 0, 0), i);
            // It fills its client area less a one-pixel frame.
            if (count == 5000 && i % 997 == 0) {
                EXPECT_EQ(FilledPixels(handle), Filled(i, count, width - 2)) << i;
            }
        }
        EXPECT_LE(feed.Repaints(), width + 2);
    }

    // Faster than the interval, only the first and the last file are
    // painted, and a batch stopped midway is painted as far as it got.
    ProgressBarFeed feed(*bar, Still);
    feed.Start(5000);
    for (int i = 1; i <= 2500; ++i) feed.Advance(i);
    EXPECT_EQ(feed.Repaints(), 2);
    feed.CatchUp();
    EXPECT_EQ(FilledPixels(handle), Filled(2500, 5000, width - 2));
    for (int i = 2501; i <= 5000; ++i) feed.Advance(i);
    EXPECT_EQ(feed.Repaints(), 4);
    EXPECT_EQ(FilledPixels(handle), width - 2);
}

}  // namespace
