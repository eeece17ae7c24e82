// A running main window moved to a monitor of another scale: the system sends WM_DPICHANGED with
// the rectangle the window should take there, and the window takes it and zooms its controls
// and fonts to the new scale, nothing clipped; back on the first monitor, all is as it was.
#include "main_dialog_fixture.h"

#include "app/preview_window.h"
#include "framework/dpi.h"
#include "framework/font.h"

#include <commctrl.h>

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

// The bars are not zoomed with the dialog: the tool bar's pictures are drawn again at the new
// size and the status bar takes the system's status font for that scale; both come back.
TEST_F(DpiChange, TheBarsAreMadeAgainAtTheNewScale)
{
    StartWith("[Strandel]\r\nAskSaveList=0\r\n");
    HWND frame = Frame->GetHandle();
    HWND toolBar = ::FindWindowExW(frame, nullptr, TOOLBARCLASSNAMEW, nullptr);
    HWND statusBar = ::FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr);
    ASSERT_TRUE(toolBar && statusBar);
    auto pictureSize = [&] {
        int width = 0, height = 0;
        ::ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(::SendMessageW(toolBar, TB_GETIMAGELIST, 0, 0)), &width,
                                &height);
        return std::pair{width, height};
    };
    auto barHeight = [](HWND bar) { return Height(ScreenRectOf(bar)); };
    const RECT before = ScreenRectOf(frame);
    const int toolBarBefore = barHeight(toolBar), statusBefore = barHeight(statusBar);
    ASSERT_EQ(pictureSize(), (std::pair{32, 32}));

    for (const int dpi : {144, 192}) {
        SCOPED_TRACE(dpi);
        const RECT larger{before.left, before.top, before.left + ::MulDiv(Width(before), dpi, 96),
                          before.top + ::MulDiv(Height(before), dpi, 96)};
        MoveToScale(dpi, larger);
        EXPECT_EQ(pictureSize(), (std::pair{ScaledToDpi(32, dpi), ScaledToDpi(32, dpi)}));
        EXPECT_GE(barHeight(toolBar), toolBarBefore + ScaledToDpi(32, dpi) - 32);
        LOGFONTW expected = *SystemStatusBarFont(dpi);
        EXPECT_NEAR(std::abs(FontHeightOf(statusBar)), std::abs(expected.lfHeight), 1);
        EXPECT_GT(barHeight(statusBar), statusBefore);
        // The bars fit the frame's client: the dialog lies between them, nothing covered.
        const RECT dialog = ScreenRectOf(Dialog->GetHandle());
        EXPECT_GE(dialog.top, ScreenRectOf(toolBar).bottom);
        EXPECT_LE(dialog.bottom, ScreenRectOf(statusBar).top);
        ExpectNothingClipped("at " + std::to_string(dpi) + " DPI");
    }

    MoveToScale(96, before);
    EXPECT_EQ(pictureSize(), (std::pair{32, 32}));
    EXPECT_EQ(barHeight(toolBar), toolBarBefore);
    EXPECT_EQ(barHeight(statusBar), statusBefore);
}

// The preview is a window of its own: moved to a monitor of twice the scale, its lines are drawn
// in a font twice as high, and its place is the one the system suggests.
TEST_F(DpiChange, ThePreviewFollowsItsOwnMonitor)
{
    StartWith("[Strandel]\r\nAskSaveList=0\r\n");
    Command(IDM_PREVIEW);
    PumpMessages();
    TPreviewWindow* preview = Dialog->PreviewWindow();
    ASSERT_TRUE(preview && preview->GetHandle());
    const int lineBefore = preview->LinesView().LineHeight();
    const RECT place = ScreenRectOf(preview->GetHandle());
    const RECT suggested{place.left + 50, place.top, place.left + 50 + 2 * Width(place), place.top + 2 * Height(place)};
    preview->SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    PumpMessages();
    const RECT now = ScreenRectOf(preview->GetHandle());
    EXPECT_TRUE(::EqualRect(&now, &suggested));
    EXPECT_NEAR(preview->LinesView().LineHeight(), 2 * lineBefore, 2);
    preview->SendMessage(WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&place));
    PumpMessages();
    EXPECT_EQ(preview->LinesView().LineHeight(), lineBefore);
}
