// Screens as Windows describes them: several monitors, one left of the primary at negative
// coordinates, a taskbar taking a side, DPI above 96. The program's choices are functions of
// the system's answers; here they are given the answers such desks give.
#include "app/program_font.h"
#include "controls/notice_window.h"
#include "framework/monitor_area.h"
#include "tips/tool_tip.h"

#include <gtest/gtest.h>

namespace {

// Work areas (GetMonitorInfoW's rcWork): the primary with its taskbar at the bottom, one to its
// right, one to its left set a little higher, the primary with its taskbar on the left.
const RECT Primary{0, 0, 1920, 1040};
const RECT Right{1920, 0, 3840, 1080};
const RECT Left{-1280, -200, 0, 824};
const RECT TaskbarOnLeft{62, 0, 1920, 1080};

TEST(Monitors, WindowsAreCentredAndTipsKeptInTheWorkAreaOfTheirMonitor)
{
    const std::tuple<RECT, SIZE, POINT> centred[] = {
        {Primary, {300, 100}, {810, 470}},     {Right, {300, 100}, {2730, 490}},
        {Left, {300, 100}, {-790, 262}},       {TaskbarOnLeft, {300, 100}, {841, 490}},
        {Left, {1500, 1200}, {-1280, -200}},   // larger than the monitor: the caption stays on it
    };
    for (const auto& [area, size, expected] : centred) {
        const POINT place = CentredIn(area, size);
        EXPECT_EQ(place.x, expected.x) << area.left;
        EXPECT_EQ(place.y, expected.y) << area.left;
    }
    // A tip of 100 by 20 below its anchor, pushed in from the edges of the anchor's monitor.
    const std::tuple<RECT, POINT, POINT> tips[] = {
        {Primary, {300, 200}, {255, 232}},   {Left, {-1277, 300}, {-1278, 332}},
        {Left, {-3, 300}, {-102, 332}},      {Right, {1923, 300}, {1922, 332}},
        {Right, {3837, 300}, {3738, 332}},   {TaskbarOnLeft, {65, 300}, {64, 332}},
        {Primary, {500, 1000}, {455, 970}},  // above the pointer: the taskbar is below
        {Right, {2500, 1000}, {2455, 1032}},
    };
    for (const auto& [area, anchor, expected] : tips) {
        const POINT place = TipPlace(anchor, {100, 20}, area);
        EXPECT_EQ(place.x, expected.x) << anchor.x << "," << anchor.y;
        EXPECT_EQ(place.y, expected.y) << anchor.x << "," << anchor.y;
    }
}

TEST(Dpi, TheProgramFontKeepsItsSizeInPointsAndTheNoticeIconGrows)
{
    // Stored lfHeight, lfPointSize (0: none), the screen's DPI, the height the font is made with.
    const int cases[][4] = {
        {-16, 0, 96, -16},  {-16, 0, 120, -20},  {-16, 0, 144, -24}, {-16, 0, 192, -32},   // no keys
        {-16, 12, 144, -24}, {-24, 12, 144, -24}, {-24, 12, 96, -16}, {-24, 12, 120, -20},  // 12 pt
        {-13, 9, 96, -13},  {-13, 9, 192, -26},   // 9.5 pt at 96, kept as 9
        {-21, 8, 96, -11},  {-21, 8, 192, -21},   // 8 pt at 192
        {-16, 30, 120, -20},                      // points that do not explain the height
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScaledFontHeight(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1] << " at " << c[2];
    EXPECT_EQ(SystemDpi(), 96);
    for (const auto& [dpi, side] : {std::pair{96, 32}, {120, 40}, {144, 48}, {192, 64}})
        EXPECT_EQ(NoticeIconSize(dpi), side) << dpi;
}

} // namespace
