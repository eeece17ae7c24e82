// Screens as Windows describes them to the program: several monitors, one left of the primary
// at negative coordinates, taskbars that take a side of a monitor, DPI above 96. The choices
// the program makes are functions of what the system answers; here they are given those answers.
#include "app/program_font.h"
#include "controls/notice_window.h"
#include "framework/monitor_area.h"
#include "tips/tool_tip.h"

#include <gtest/gtest.h>

namespace {

// What GetMonitorInfoW reports on a desk with three monitors: the primary with its taskbar at
// the bottom, a second one to its right, an older one to its left, set a little higher.
const TMonitorArea Primary{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
const TMonitorArea Right{{1920, 0, 3840, 1080}, {1920, 0, 3840, 1080}};
const TMonitorArea Left{{-1280, -200, 0, 824}, {-1280, -200, 0, 824}};
// The primary with its taskbar on the top or on the left.
const TMonitorArea TaskbarOnTop{{0, 0, 1920, 1080}, {0, 40, 1920, 1080}};
const TMonitorArea TaskbarOnLeft{{0, 0, 1920, 1080}, {62, 0, 1920, 1080}};

TEST(Monitors, WindowsAreCentredInTheWorkAreaOfTheirMonitor)
{
    struct TCase {
        const char* Where;
        TMonitorArea Monitor;
        SIZE Window;
        POINT Expected;
    } cases[] = {
        {"primary, clear of the taskbar", Primary, {300, 100}, {810, 470}},
        {"right of the primary", Right, {300, 100}, {2730, 490}},
        {"left of the primary", Left, {300, 100}, {-790, 262}},
        {"taskbar on top", TaskbarOnTop, {300, 100}, {810, 510}},
        {"taskbar on the left", TaskbarOnLeft, {300, 100}, {841, 490}},
        // Larger than the work area: the caption stays on the monitor.
        {"larger than the monitor", Left, {1500, 1200}, {-1280, -200}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Where);
        const POINT place = CentredIn(c.Monitor.Work, c.Window);
        EXPECT_EQ(place.x, c.Expected.x);
        EXPECT_EQ(place.y, c.Expected.y);
    }
}

TEST(Monitors, TheTipStaysOnTheMonitorOfItsAnchorAndClearOfTheTaskbar)
{
    const SIZE tip{100, 20};
    struct TCase {
        const char* Where;
        TMonitorArea Monitor;
        POINT Anchor;
        POINT Expected;
    } cases[] = {
        {"well inside", Primary, {300, 200}, {255, 232}},
        {"left edge of the primary", Primary, {3, 300}, {2, 332}},
        {"left edge of the left monitor", Left, {-1277, 300}, {-1278, 332}},
        {"right edge of the left monitor", Left, {-3, 300}, {-102, 332}},
        {"right edge of the right monitor", Right, {3837, 300}, {3738, 332}},
        {"left edge of the right monitor", Right, {1923, 300}, {1922, 332}},
        {"just above the taskbar", Primary, {500, 1000}, {455, 970}},
        {"above the bottom of a monitor without one", Right, {2500, 1000}, {2455, 1032}},
        {"beside a taskbar on the left", TaskbarOnLeft, {65, 300}, {64, 332}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Where);
        const POINT place = TipPlace(c.Anchor, tip, c.Monitor.Work);
        EXPECT_EQ(place.x, c.Expected.x);
        EXPECT_EQ(place.y, c.Expected.y);
    }
}

TEST(Monitors, TheSystemsOwnAnswerHereIsTheOneScreen)
{
    // Under one screen every window and point is on it, whole, and the choices above reduce
    // to the screen's.
    const TMonitorArea here = MonitorAreaOfPoint({10, 10});
    EXPECT_EQ(here.Monitor.left, 0);
    EXPECT_EQ(here.Monitor.right, ::GetSystemMetrics(SM_CXSCREEN));
    const TMonitorArea nearest = MonitorAreaOfPoint({-5000, 99999});
    EXPECT_EQ(nearest.Work.right, here.Work.right);
    EXPECT_EQ(MonitorAreaOfWindowOrPointer(nullptr).Monitor.bottom, ::GetSystemMetrics(SM_CYSCREEN));
}

TEST(Dpi, TheProgramFontKeepsItsSizeInPointsOnEveryScreen)
{
    struct TCase {
        const char* Stored;
        int Height;
        int Points;   // 0: no lfPointSize kept
        int Dpi;
        int Expected;
    } cases[] = {
        {"no keys: the design's -16 of a 96-DPI screen", -16, 0, 96, -16},
        {"no keys", -16, 0, 120, -20},
        {"no keys", -16, 0, 144, -24},
        {"no keys", -16, 0, 192, -32},
        {"12 points chosen at 96 DPI", -16, 12, 96, -16},
        {"12 points chosen at 96 DPI", -16, 12, 144, -24},
        {"12 points chosen at 96 DPI", -16, 12, 192, -32},
        {"12 points chosen at 144 DPI", -24, 12, 144, -24},
        {"12 points chosen at 144 DPI", -24, 12, 96, -16},
        {"12 points chosen at 144 DPI", -24, 12, 120, -20},
        {"12 points chosen at 144 DPI", -24, 12, 192, -32},
        {"9.5 points chosen at 96 DPI (kept as 9)", -13, 9, 96, -13},
        {"9.5 points chosen at 96 DPI (kept as 9)", -13, 9, 192, -26},
        {"8 points chosen at 192 DPI", -21, 8, 192, -21},
        {"8 points chosen at 192 DPI", -21, 8, 96, -11},
        {"a height its points do not explain", -16, 30, 96, -16},
        {"a height its points do not explain", -16, 30, 120, -20},
        {"a cell height", 20, 0, 144, 30},
        {"no DPI known", -16, 12, 0, -16},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Stored) + " at " + std::to_string(c.Dpi));
        EXPECT_EQ(ScaledFontHeight(c.Height, c.Points, c.Dpi), c.Expected);
    }
    EXPECT_EQ(ScreenDpi(), 96);   // the test prefix's screen
}

TEST(Dpi, TheNoticesIconFollowsTheScreen)
{
    for (const auto& [dpi, side] : {std::pair{96, 32}, {120, 40}, {144, 48}, {192, 64}, {0, 32}})
        EXPECT_EQ(NoticeIconSize(dpi), side) << dpi;
}

} // namespace
