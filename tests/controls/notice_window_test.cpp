#include "controls/notice_window.h"
#include "framework/gdi.h"
#include "support/geometry.h"
#include "support/pump.h"
#include "support/window_lookup.h"

#include <gtest/gtest.h>

namespace {

// The extent of a line in the font a notice measures with (its window's default font).
SIZE Extent(HWND window, const std::string& text)
{
    TClientDC dc(window);
    const std::wstring wide = Wide(text);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &size);
    return size;
}

class NoticeWindow : public ::testing::Test {
protected:
    void TearDown() override
    {
        ShowMex(nullptr, nullptr, nullptr, 0, 0);
        PumpMessages();
    }
};

TEST_F(NoticeWindow, SizeFollowsTheLinesAndTheIconInsideTheSystemsFrame)
{
    ShowMex(nullptr, "A short line\nand a somewhat longer second line", "Caption", MB_ICONINFORMATION, 0);
    TQZMex* notice = CurrentNotice();
    ASSERT_NE(notice, nullptr);
    HWND window = notice->GetHandle();
    const int lineHeight = notice->GetLineHeight();
    EXPECT_GT(lineHeight, 0);
    EXPECT_EQ(notice->GetLineCount(), 3);
    EXPECT_EQ(notice->GetIconSize(), NoticeIconSize(96));
    EXPECT_EQ(notice->GetIconWidth(), 42);
    // The client holds the lines and two more, and the text beside the icon with its margins;
    // the frame is whatever this system draws around it.
    const RECT client = notice->GetClientRect();
    EXPECT_EQ(client.bottom, 4 * lineHeight);
    EXPECT_EQ(client.right, Extent(window, "and a somewhat longer second line").cx + 72);
    RECT framed = client;
    ::AdjustWindowRectEx(&framed, static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE)));
    const RECT rect = notice->GetWindowRect();
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    EXPECT_EQ(width, framed.right - framed.left);
    EXPECT_EQ(height, framed.bottom - framed.top);

    // Centred in the work area of its monitor (the pointer's, as it has no owner).
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(rect.left, work.left + (work.right - work.left - width) / 2);
    EXPECT_EQ(rect.top, work.top + (work.bottom - work.top - height) / 2);
}

TEST_F(NoticeWindow, WithoutIconAndWithAWideCaption)
{
    const std::string caption = "A caption much wider than the text it stands over";
    ShowMex(nullptr, "x", caption.c_str(), 0, 0);
    TQZMex* notice = CurrentNotice();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->GetIconWidth(), 0);
    EXPECT_EQ(notice->GetClientRect().bottom, 3 * notice->GetLineHeight());
    // The whole caption shows in the title bar, in the system's caption font, beside the close button.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics - sizeof metrics.iPaddedBorderWidth;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0));
    TFont captionFont(::CreateFontIndirectW(&metrics.lfCaptionFont));
    TClientDC dc(notice->GetHandle());
    TSelectObject selected(dc, captionFont);
    const std::wstring wide = Wide(caption);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &extent);
    EXPECT_GT(notice->GetClientRect().right, extent.cx + ::GetSystemMetrics(SM_CXSIZE));
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
