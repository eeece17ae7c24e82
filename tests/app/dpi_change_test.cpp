// A running main window moved to a monitor of another scale: the system sends WM_DPICHANGED with
// the rectangle the window should take there, and the window takes it and zooms its controls
// and fonts to the new scale, nothing clipped; back on the first monitor, all is as it was.
#include "main_dialog_fixture.h"

#include <cstdlib>

namespace {

RECT ScreenRectOf(HWND window)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

int FontHeightOf(HWND control)
{
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return std::abs(font.lfHeight);
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

class DpiChange : public MainDialog {
protected:
    void MoveToScale(int dpi, const RECT& suggested)
    {
        Frame->SendMessage(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        PumpMessages();
    }
    // Every control the dialog shows lies whole within its client area.
    void ExpectNothingClipped(const std::string& when)
    {
        HWND dialog = Dialog->GetHandle();
        RECT client{};
        ::GetClientRect(dialog, &client);
        for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            const int id = ::GetDlgCtrlID(child);
            // "View +" and "RelPath" lie below the dialog on purpose: only the keyboard reaches them.
            if (id == IDC_VIEW || id == IDC_SETRELPATH || !::IsWindowVisible(child))
                continue;
            RECT place = ScreenRectOf(child);
            ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
            RECT inside{};
            ::IntersectRect(&inside, &place, &client);
            EXPECT_TRUE(::EqualRect(&inside, &place)) << when << ": control " << id << " is cut";
        }
    }
};

} // namespace

TEST_F(DpiChange, TheWindowTakesTheSuggestedRectangleAndZooms)
{
    StartWith("[Strandel]\r\nAskSaveList=0\r\n");
    HWND frame = Frame->GetHandle();
    const RECT before = ScreenRectOf(frame);
    const RECT createBefore = ScreenRectOf(Control(IDC_CREATE));
    const int fontBefore = FontHeightOf(Control(IDC_CREATE));
    ASSERT_GT(fontBefore, 0);

    const RECT larger{before.left, before.top, before.left + Width(before) * 3 / 2,
                      before.top + Height(before) * 3 / 2};
    MoveToScale(144, larger);
    const RECT now = ScreenRectOf(frame);
    EXPECT_TRUE(::EqualRect(&now, &larger));
    const RECT createLarger = ScreenRectOf(Control(IDC_CREATE));
    EXPECT_NEAR(Width(createLarger), Width(createBefore) * 3 / 2, 3);
    // The menu and status bars keep their heights: the dialog gains a little more than half again.
    EXPECT_GE(Height(createLarger), Height(createBefore) * 3 / 2 - 1);
    EXPECT_LE(Height(createLarger), Height(createBefore) * 7 / 4);
    EXPECT_NEAR(FontHeightOf(Control(IDC_CREATE)), fontBefore * 3 / 2, 2);
    ExpectNothingClipped("at 144 DPI");

    MoveToScale(96, before);
    const RECT back = ScreenRectOf(Control(IDC_CREATE));
    EXPECT_NEAR(Width(back), Width(createBefore), 1);
    EXPECT_NEAR(FontHeightOf(Control(IDC_CREATE)), fontBefore, 1);
    ExpectNothingClipped("back at 96 DPI");
}
