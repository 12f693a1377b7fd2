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

TEST(ProgressBarFeedTest, BarAlwaysLooksCurrentWithFewRepaints)
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
        ProgressBarFeed feed(*bar);
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
}

}  // namespace
