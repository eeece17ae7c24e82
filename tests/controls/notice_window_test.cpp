#include "controls/notice_window.h"
#include "framework/gdi.h"
#include "support/geometry.h"
#include "support/pump.h"
#include "support/window_lookup.h"

#include <gtest/gtest.h>

namespace {

class NoticeWindow : public ::testing::Test {
protected:
    void TearDown() override
    {
        ShowMex(nullptr, nullptr, nullptr, 0, 0);
        PumpMessages();
    }
};

// A notice as large as its lines and its icon (or its caption) need, centred on the 1280 by
// 1024 screen of the tests.
TEST_F(NoticeWindow, SizeFollowsTheLinesTheIconAndTheCaption)
{
    const struct {
        const char* Text;
        const char* Caption;
        UINT Style;
        RECT Shown;
    } notices[] = {
        {"A short line\nand a somewhat longer second line", "Caption", MB_ICONINFORMATION, {501, 470, 779, 554}},
        {"second text\nin two lines", "Two", MB_ICONINFORMATION, {570, 470, 710, 554}},
        {"x", "A caption much wider than the text it stands over", 0, {482, 478, 798, 546}},
    };
    for (const auto& notice : notices) {
        ShowMex(nullptr, notice.Text, notice.Caption, notice.Style, 0);
        ASSERT_NE(CurrentNotice(), nullptr);
        EXPECT_EQ(WindowRect(CurrentNotice()->GetHandle()), notice.Shown) << notice.Text;
        ShowMex(nullptr, nullptr, nullptr, 0, 0);
    }
}

TEST_F(NoticeWindow, HasNoSizingOrMinMaxBoxesAndIsVisible)
{
    ShowMex(nullptr, "Loading Templates, wait...", "Tarvik Strandel", MB_ICONINFORMATION, 0);
    HWND window = CurrentNotice()->GetHandle();
    LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(::IsWindowVisible(window));
}

TEST_F(NoticeWindow, ASecondNoticeUpdatesTheSameWindow)
{
    ShowMex(nullptr, "first", "One", MB_ICONINFORMATION, 0);
    TQZMex* first = CurrentNotice();
    HWND window = first->GetHandle();
    ShowMex(nullptr, "second text\nin two lines", "Two", MB_ICONINFORMATION, 0);
    EXPECT_EQ(CurrentNotice(), first);
    EXPECT_EQ(CurrentNotice()->GetHandle(), window);
    EXPECT_EQ(TextOf(window), "Two");
    EXPECT_EQ(CurrentNotice()->GetText(), "second text\nin two lines");
}

TEST_F(NoticeWindow, TheUserCannotCloseAnUntimedNoticeButTheProgramCan)
{
    ShowMex(nullptr, "Sending to existing thread...", "Tarvik Strandel", MB_ICONINFORMATION, 0);
    HWND window = CurrentNotice()->GetHandle();
    ::SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ::SendMessageW(window, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_NE(CurrentNotice(), nullptr);

    ShowMex(nullptr, nullptr, nullptr, 0, 0);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(CurrentNotice(), nullptr);
    // nothing to remove: nothing happens
    ShowMex(nullptr, nullptr, nullptr, 0, 0);
    EXPECT_EQ(CurrentNotice(), nullptr);
}

TEST_F(NoticeWindow, ATimedNoticeIsGoneWhenShowMexReturns)
{
    ShowMex(nullptr, "Click view to see created file", "Tarvik Strandel", MB_ICONINFORMATION, 50);
    EXPECT_EQ(CurrentNotice(), nullptr);
    EXPECT_EQ(::FindWindowW(L"QZMex", nullptr), nullptr);
}

TEST_F(NoticeWindow, LongTextsAreKeptTo999Characters)
{
    std::string text(1500, 'n');
    ShowMex(nullptr, text.c_str(), "Long", 0, 0);
    EXPECT_EQ(CurrentNotice()->GetText().size(), 999u);
}

TEST_F(NoticeWindow, PaintsTheTextOnTheButtonFace)
{
    ShowMex(nullptr, "MMMMMMMM\nMMMMMMMM", "Paint", 0, 0);
    HWND window = CurrentNotice()->GetHandle();
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpMessages();
    TClientDC dc(window);
    // The text is inked on the face, inside a margin of it (no icon).
    const RECT client = ClientOnScreen(window);
    int textPixels = 0;
    for (int y = 10; y < client.bottom - client.top - 10; ++y)
        for (int x = 20; x < client.right - client.left - 10; ++x)
            textPixels += ::GetPixel(dc, x, y) == ::GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_GT(textPixels, 20);
    EXPECT_EQ(::GetPixel(dc, 2, 2), ::GetSysColor(COLOR_BTNFACE));
}

} // namespace
