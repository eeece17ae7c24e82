#include "tips/tool_tip.h"

#include "framework/font.h"
#include "framework/gdi.h"
#include "support/input.h"
#include "support/popup_window.h"
#include "support/window_lookup.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A plain window for the pointer to rest on, that notes the parts of it that were painted.
class THostWindow : public TPopupWindow {
public:
    using TPopupWindow::TPopupWindow;

    std::vector<RECT> Painted;   // client rectangles of the paints, in order
    int Erasures = 0;

protected:
    LRESULT EvPaint(TMessage&)
    {
        PAINTSTRUCT paint{};
        ::BeginPaint(Handle, &paint);
        Painted.push_back(paint.rcPaint);
        ::EndPaint(Handle, &paint);
        return 0;
    }

    LRESULT EvEraseBackground(TMessage& message)
    {
        ++Erasures;
        return DefaultProcessing(message);
    }

    DECLARE_MESSAGE_TABLE()
};

BEGIN_MESSAGE_TABLE(THostWindow, TPopupWindow)
    ON_MESSAGE(WM_PAINT, EvPaint)
    ON_MESSAGE(WM_ERASEBKGND, EvEraseBackground)
END_MESSAGE_TABLE()

// Two windows side by side fill the screen, so the pointer always rests on one of ours.
class ToolTip : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Left.Create());
        ASSERT_TRUE(Right.Create());
        Tip = std::make_unique<QZTToolTip>(std::make_unique<TToolTipFont>());
        // A text that follows no SetAnchor lets go of an anchor an earlier test left.
        Tip->SetText(nullptr);
        PointerTo(Centre(Left));
        PumpMessages();
    }

    void TearDown() override
    {
        Tip.reset();
        PumpMessages();
    }

    // What the show timer does when it fires while the tip waits.
    void FireShowTimer() { Tip->SendMessage(WM_TIMER, QZTToolTip::ShowTimerId); }
    void FirePollTimer() { Tip->SendMessage(WM_TIMER, QZTToolTip::PollTimerId); }

    void ShowText(const char* text)
    {
        Tip->SetText(text);
        FireShowTimer();
        ASSERT_TRUE(Tip->IsWindowVisible());
    }

    // The extent of text in the tip's font, as the tip measures it.
    SIZE Extent(const std::string& text) const
    {
        TClientDC dc(Tip->GetHandle());
        TSelectObject font(dc, TipFont());
        const std::wstring wide = Wide(text);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return size;
    }

    RECT TipRect() const { return Tip->GetWindowRect(); }
    // The tip's size as a person sees it: shown first, when it still waits.
    SIZE TipSize()
    {
        if (!Tip->IsWindowVisible())
            FireShowTimer();
        const RECT shown = TipRect();
        return {shown.right - shown.left, shown.bottom - shown.top};
    }
    // What the tip says: it draws its window text.
    std::string TipText() const { return Tip->GetWindowText(); }
    // The font the tip draws in, as it tells it.
    HFONT TipFont() const { return reinterpret_cast<HFONT>(Tip->SendMessage(WM_GETFONT)); }

    THostWindow Left{"left", {0, 0, ScreenWidth() / 2, ScreenHeight()}};
    THostWindow Right{"right", {ScreenWidth() / 2, 0, ScreenWidth(), ScreenHeight()}};
    std::unique_ptr<QZTToolTip> Tip;
};

TEST_F(ToolTip, IsOneHiddenTopMostToolWindowOfItsOwnClassWithItsKeyboardHook)
{
    HWND tip = Tip->GetHandle();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(ClassOf(tip), "QZTooltip");
    EXPECT_EQ(::GetClassLongPtrW(tip, GCL_STYLE), CS_SAVEBITS | CS_HREDRAW | CS_VREDRAW);
    EXPECT_EQ(::GetClassLongPtrW(tip, GCLP_HBRBACKGROUND), 0);
    LONG_PTR style = ::GetWindowLongPtrW(tip, GWL_STYLE);
    LONG_PTR exStyle = ::GetWindowLongPtrW(tip, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CHILD | WS_CAPTION | WS_VISIBLE));
    EXPECT_EQ(exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    EXPECT_EQ(::GetParent(tip), nullptr);

    EXPECT_EQ(GetToolTip(), Tip.get());
    EXPECT_NE(GetTipKeyboardHook(), nullptr);
}

TEST_F(ToolTip, SizeFollowsTheWidestLineAndTheNumberOfLines)
{
    SIZE one = Extent("Header");
    ASSERT_GT(one.cx, 0);
    Tip->SetText("Header");
    EXPECT_EQ(TipSize().cx, one.cx + 8);
    EXPECT_EQ(TipSize().cy, one.cy + 4);

    // The last line is the widest: it ends with no break.
    Tip->SetText("ab\ncd\nthe widest line");
    SIZE last = Extent("the widest line");
    EXPECT_EQ(TipSize().cx, last.cx + 8);
    EXPECT_EQ(TipSize().cy, 3 * last.cy + 4);

    // An earlier line is the widest: measured with the break that ends it.
    Tip->SetText("the widest line\nab");
    EXPECT_EQ(TipSize().cx, Extent("the widest line\n").cx + 8);
    EXPECT_EQ(TipSize().cy, 2 * last.cy + 4);

    // CR LF is one break: two lines, the CR measured with its line.
    Tip->SetText("the widest line\r\nab");
    EXPECT_EQ(TipSize().cx, Extent("the widest line\r").cx + 8);
    EXPECT_EQ(TipSize().cy, 2 * last.cy + 4);
    // A lone CR or LF each break a line.
    Tip->SetText("ab\n\rcd");
    EXPECT_EQ(TipSize().cy, 3 * last.cy + 4);

    // The caption is what the tip draws.
    EXPECT_EQ(Tip->GetWindowText(), "ab\n\rcd");
    EXPECT_EQ(TipText(), "ab\n\rcd");
}

TEST_F(ToolTip, SizeIsCutToTwoThirdsOfTheScreenWidthAndAThirdOfItsHeight)
{
    std::string wide(1000, 'W');
    ASSERT_GT(Extent(wide).cx, ScreenWidth());
    Tip->SetText(wide.c_str());
    EXPECT_EQ(TipSize().cx, ScreenWidth() / 3 * 2);
    EXPECT_EQ(TipSize().cy, Extent(wide).cy + 4);

    std::string tall;
    for (int line = 0; line < 200; ++line)
        tall += "line\n";
    Tip->SetText(tall.c_str());
    EXPECT_EQ(TipSize().cy, ScreenHeight() / 3);
    EXPECT_EQ(TipSize().cx, Extent("line\n").cx + 8);

    ShowText(wide.c_str());
    RECT rect = TipRect();
    EXPECT_EQ(rect.right - rect.left, ScreenWidth() / 3 * 2);
}

TEST_F(ToolTip, HangsBelowThePointerInsideTheScreen)
{
    const int height = ScreenHeight();
    const int width = ScreenWidth();
    const char* text = "Relative Path";

    // Well inside: 32 pixels below, its centre 5 pixels right of the pointer.
    PointerTo({300, 200});
    ShowText(text);
    SIZE size = TipSize();
    RECT rect = TipRect();
    EXPECT_EQ(rect.left, 300 - (size.cx / 2 - 5));
    EXPECT_EQ(rect.top, 232);
    EXPECT_EQ(rect.right - rect.left, size.cx);
    EXPECT_EQ(rect.bottom - rect.top, size.cy);
    EXPECT_EQ(Tip->GetAnchorWindow(), Left.GetHandle());

    // Near the left edge: 2 pixels in.
    ASSERT_GT(size.cx, 16);
    PointerTo({3, 300});
    ShowText("Left edge");
    EXPECT_EQ(TipRect().left, 2);
    EXPECT_EQ(TipRect().top, 332);

    // Near the right edge: its right edge 2 pixels in.
    PointerTo({width - 3, 300});
    ShowText("Right edge");
    EXPECT_EQ(TipRect().right, width - 2);
    EXPECT_EQ(Tip->GetAnchorWindow(), Right.GetHandle());

    // Near the bottom: above the pointer, 10 pixels clear of it.
    PointerTo({400, height - 20});
    ShowText("Bottom\nedge");
    EXPECT_EQ(TipRect().bottom, height - 30);
    EXPECT_EQ(TipRect().bottom - TipRect().top, TipSize().cy);

    // In the bottom right corner both rules hold.
    PointerTo({width - 1, height - 1});
    ShowText("Corner");
    EXPECT_EQ(TipRect().right, width - 2);
    EXPECT_EQ(TipRect().bottom, height - 11);
}

TEST_F(ToolTip, WaitsLongerForATextThatArrivesInTheTickOfTheLastClear)
{
    // A clear and a new text within one tick count value: the long wait.
    bool sameTick = false;
    for (int attempt = 0; attempt < 1000 && !sameTick; ++attempt) {
        DWORD before = ::GetTickCount();
        Tip->SetText(nullptr);
        Tip->SetText("Header");
        sameTick = ::GetTickCount() == before;
    }
    ASSERT_TRUE(sameTick);
    EXPECT_EQ(Tip->GetShowTimerPeriod(), QZTToolTip::LongDelay);
    EXPECT_TRUE(Tip->IsPollTimerRunning());
    EXPECT_EQ(GetLastHideTick(), 0u);

    // The same text again restarts nothing.
    Tip->SetText("Header");
    EXPECT_EQ(Tip->GetShowTimerPeriod(), QZTToolTip::LongDelay);

    // A new text with no clear before it: the short wait.
    Tip->SetText("Queue");
    EXPECT_EQ(Tip->GetShowTimerPeriod(), QZTToolTip::ShortDelay);

    // A clear in an earlier tick: the short wait.
    Tip->SetText("");
    EXPECT_FALSE(Tip->IsShowTimerRunning());
    EXPECT_FALSE(Tip->IsPollTimerRunning());
    DWORD cleared = GetLastHideTick();
    ASSERT_NE(cleared, 0u);
    while (::GetTickCount() == cleared)
        ::Sleep(1);
    Tip->SetText("Header");
    EXPECT_EQ(Tip->GetShowTimerPeriod(), QZTToolTip::ShortDelay);
}

TEST_F(ToolTip, ShowsWhenTheShowTimerFiresAndStaysAMinute)
{
    Tip->SetText("Header");
    EXPECT_FALSE(Tip->IsWindowVisible());
    EXPECT_TRUE(Tip->IsShowTimerRunning());
    ASSERT_TRUE(PumpUntil([&] { return Tip->IsWindowVisible(); }));
    EXPECT_EQ(Tip->GetShowTimerPeriod(), QZTToolTip::ShownTime);
    EXPECT_TRUE(Tip->IsPollTimerRunning());
    EXPECT_EQ(Tip->GetAnchorWindow(), Left.GetHandle());

    // The poll leaves it while the pointer stays on its window, even when it moves.
    PointerTo({Centre(Left).x + 40, Centre(Left).y - 40});
    FirePollTimer();
    PumpMessages();
    EXPECT_TRUE(Tip->IsWindowVisible());

    // The minute is over.
    FireShowTimer();
    EXPECT_FALSE(Tip->IsWindowVisible());
    EXPECT_FALSE(Tip->IsShowTimerRunning());
    EXPECT_FALSE(Tip->IsPollTimerRunning());
    EXPECT_EQ(TipText(), "");

    // A stray show-timer message after that shows nothing.
    FireShowTimer();
    EXPECT_FALSE(Tip->IsWindowVisible());
}

TEST_F(ToolTip, TheSameTextAgainOnlyMovesTheTipToThePointer)
{
    ShowText("Header");
    RECT before = TipRect();
    PointerTo({Centre(Left).x + 50, Centre(Left).y + 20});
    Tip->SetText("Header");
    EXPECT_TRUE(Tip->IsWindowVisible());
    EXPECT_EQ(Tip->GetShowTimerPeriod(), QZTToolTip::ShownTime);
    EXPECT_TRUE(Tip->IsPollTimerRunning());
    RECT after = TipRect();
    EXPECT_EQ(after.left - before.left, 50);
    EXPECT_EQ(after.top - before.top, 20);

    // A different text hides it and waits again.
    Tip->SetText("Queue");
    EXPECT_FALSE(Tip->IsWindowVisible());
    EXPECT_EQ(Tip->GetShowTimerPeriod(), QZTToolTip::ShortDelay);
}

TEST_F(ToolTip, HidesWhenThePointerMovesToAnotherWindow)
{
    ShowText("Header");
    PointerTo(Centre(Right));
    EXPECT_TRUE(Tip->IsWindowVisible());   // until the next poll
    ASSERT_TRUE(PumpUntil([&] { return !Tip->IsWindowVisible(); }));
    EXPECT_EQ(Tip->GetAnchorWindow(), nullptr);
    EXPECT_FALSE(Tip->IsShowTimerRunning());
    EXPECT_FALSE(Tip->IsPollTimerRunning());
    EXPECT_EQ(TipText(), "");
}

TEST_F(ToolTip, HidesWhenThePointerMovesOntoIt)
{
    ShowText("Header");
    RECT rect = TipRect();
    // Only the mouse message is handled: no poll can have done it.
    PointerTo(Centre(rect));
    EXPECT_FALSE(Tip->IsWindowVisible());
    EXPECT_FALSE(Tip->IsShowTimerRunning());
    EXPECT_EQ(TipText(), "");
}

TEST_F(ToolTip, HidingRepaintsWhatItCoveredInTheActiveWindow)
{
    GiveKeyboardTo(Left.GetHandle());
    ASSERT_EQ(::GetActiveWindow(), Left.GetHandle());
    ShowText("Header");
    PumpMessages();
    Left.Painted.clear();
    Left.Erasures = 0;
    RECT covered = TipRect();
    ::MapWindowPoints(nullptr, Left.GetHandle(), reinterpret_cast<POINT*>(&covered), 2);

    Tip->HideTip();   // the repaint happens before it returns
    EXPECT_FALSE(Tip->IsWindowVisible());
    ASSERT_FALSE(Left.Painted.empty());
    RECT painted = Left.Painted.back();
    RECT both{};
    ::UnionRect(&both, &painted, &covered);
    EXPECT_TRUE(::EqualRect(&both, &painted));
    EXPECT_GT(Left.Erasures, 0);

    // Hiding a hidden tip repaints nothing.
    Left.Painted.clear();
    Tip->HideTip();
    EXPECT_TRUE(Left.Painted.empty());
}

TEST_F(ToolTip, KeyPressesHideTheTipUnlessTheKeepFlagIsOn)
{
    GiveKeyboardTo(Left.GetHandle());
    ASSERT_EQ(::GetFocus(), Left.GetHandle());

    // No flag: every key hides it.
    ShowText("Header");
    PressKey();
    EXPECT_FALSE(Tip->IsWindowVisible());

    int useTip = 1;
    Tip->SetKeepFlag(&useTip);
    ShowText("Header");
    PressKey();
    EXPECT_TRUE(Tip->IsWindowVisible());
    EXPECT_EQ(TipText(), "Header");

    useTip = 0;
    PressKey();
    EXPECT_FALSE(Tip->IsWindowVisible());
    EXPECT_EQ(TipText(), "");

    // A waiting tip is not yet shown: the key leaves its wait alone.
    Tip->SetText("Queue");
    PressKey();
    EXPECT_TRUE(Tip->IsShowTimerRunning());
    Tip->SetKeepFlag(nullptr);
}

TEST_F(ToolTip, PaintsInTheSystemTipColours)
{
    ShowText("WWWW");
    TClientDC dc(Tip->GetHandle());
    RECT client = Tip->GetClientRect();
    COLORREF frame = ::GetSysColor(COLOR_WINDOWFRAME);
    COLORREF back = ::GetSysColor(COLOR_INFOBK);
    COLORREF ink = ::GetSysColor(COLOR_INFOTEXT);
    ASSERT_NE(back, ink);
    EXPECT_EQ(::GetPixel(dc, 0, 0), frame);
    EXPECT_EQ(::GetPixel(dc, client.right - 1, client.bottom - 1), frame);
    EXPECT_EQ(::GetPixel(dc, 1, client.bottom - 2), back);
    EXPECT_EQ(::GetPixel(dc, client.right - 2, 1), back);
    int inked = 0;
    for (int y = 1; y < client.bottom - 1; ++y)
        for (int x = 1; x < client.right - 1; ++x)
            inked += ::GetPixel(dc, x, y) == ink;
    EXPECT_GT(inked, 8);
}

TEST_F(ToolTip, UsesTheStatusBarFontTheSystemReports)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0));
    LOGFONTW used{};
    ASSERT_EQ(::GetObjectW(TipFont(), sizeof used, &used), static_cast<int>(sizeof used));
    EXPECT_STREQ(used.lfFaceName, metrics.lfStatusFont.lfFaceName);
    EXPECT_EQ(used.lfHeight, metrics.lfStatusFont.lfHeight);

    // A changed setting reaches the tip with WM_SETTINGCHANGE.
    Tip->SetText("Header");
    LONG before = TipSize().cy;
    NONCLIENTMETRICSW changed = metrics;
    changed.lfStatusFont.lfHeight = metrics.lfStatusFont.lfHeight < 0 ? metrics.lfStatusFont.lfHeight - 7 : -20;
    changed.lfStatusFont.lfWeight = FW_BOLD;
    if (!::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, 0, &changed, 0))
        GTEST_SKIP() << "the system keeps its metrics";
    Tip->SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS);
    ::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, 0, &metrics, 0);
    ASSERT_EQ(::GetObjectW(TipFont(), sizeof used, &used), static_cast<int>(sizeof used));
    EXPECT_EQ(used.lfHeight, changed.lfStatusFont.lfHeight);
    EXPECT_EQ(used.lfWeight, FW_BOLD);
    Tip->SetText(nullptr);
    Tip->SetText("Header");
    EXPECT_GT(TipSize().cy, before);

    Tip->SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS);
    ASSERT_EQ(::GetObjectW(TipFont(), sizeof used, &used), static_cast<int>(sizeof used));
    EXPECT_EQ(used.lfHeight, metrics.lfStatusFont.lfHeight);
}

// Where the system reports no status-bar font, the tip writes in 9 units of MS Sans Serif.
TEST(ToolTipFont, IsNineUnitsOfMsSansSerif)
{
    TToolTipFont font;
    LOGFONTW description{};
    ASSERT_EQ(::GetObjectW(font, sizeof description, &description), static_cast<int>(sizeof description));
    EXPECT_EQ(FaceName(description), "MS Sans Serif");
    EXPECT_EQ(description.lfHeight, -9);
}

TEST_F(ToolTip, AnAnchorServesTheTextThatFollowsIt)
{
    // The main window anchors a control's hint at the pointer over that control.
    POINT anchor{200, 300};
    SetAnchor(anchor);
    EXPECT_EQ(GetTipAnchor().Window, Left.GetHandle());
    PointerTo(Centre(Right));
    ShowText("Header");
    EXPECT_EQ(TipRect().top, anchor.y + 32);
    EXPECT_EQ(TipRect().left, anchor.x - (TipSize().cx / 2 - 5));
    EXPECT_EQ(Tip->GetAnchorWindow(), Left.GetHandle());

    // Its same text again, with a new anchor: moved there.
    SetAnchor({220, 310});
    Tip->SetText("Header");
    EXPECT_EQ(TipRect().top, 342);

    // A text with no anchor of its own (a menu item's) hangs from the pointer again.
    Tip->SetText("Queue");
    EXPECT_FALSE(GetTipAnchor().IsSet);
    FireShowTimer();
    EXPECT_EQ(TipRect().top, Centre(Right).y + 32);
    EXPECT_EQ(Tip->GetAnchorWindow(), Right.GetHandle());
}

TEST_F(ToolTip, DestroyingTheTipRemovesItsHookWindowAndTimers)
{
    ShowText("Header");
    HHOOK hook = GetTipKeyboardHook();
    HWND window = Tip->GetHandle();
    ASSERT_NE(hook, nullptr);
    Tip.reset();
    EXPECT_EQ(GetToolTip(), nullptr);
    EXPECT_EQ(GetTipKeyboardHook(), nullptr);
    EXPECT_FALSE(::UnhookWindowsHookEx(hook));   // already gone
    EXPECT_FALSE(::IsWindow(window));

    // Keys and timers find nothing left to reach.
    GiveKeyboardTo(Left.GetHandle());
    PressKey();
    PumpMessagesFor(300);

    // A new tip gets a hook of its own.
    Tip = std::make_unique<QZTToolTip>(std::make_unique<TToolTipFont>());
    EXPECT_EQ(GetToolTip(), Tip.get());
    EXPECT_NE(GetTipKeyboardHook(), nullptr);
}

} // namespace
