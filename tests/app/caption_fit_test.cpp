// Every caption and one-line field of the main dialog whole at the first start: the text, in the
// control's own font, fits the room the control gives it, its descenders included. Run once per
// screen DPI (the prefix's LogPixels; caption_fit_test.sh sets it), the DPI named in
// STRANDEL_EXPECTED_DPI.
#include "main_dialog_fixture.h"

#include <cstdlib>
#include <sstream>

namespace {

// How a kind of control places its text: the room left inside it (insets in pixels) and whether
// the text is centred in the room's height or starts at its top.
struct TTextRoom {
    const char* Kind;
    int InsetX;        // on each side; a check box's or radio button's box on the left only
    int InsetY;        // on each side
    bool Centred;
    bool WidthCounts;  // a field's text scrolls: only its height must fit
};

enum TKindIndex { PushButton, BoxButton, GroupBox, StaticText, OneLineField };

std::vector<TTextRoom> RoomTable()
{
    const int edge = ::GetSystemMetrics(SM_CXEDGE);
    // A check box's box, and the gap the system leaves before its text.
    const int box = ::GetSystemMetrics(SM_CXMENUCHECK) + 2 * edge;
    return {
        {"push button", edge, ::GetSystemMetrics(SM_CYEDGE), true, true},
        {"check box or radio button", box, 0, true, true},
        {"group box", 4 * edge, 0, false, true},
        {"static text", 0, 0, false, true},
        {"one-line field", 0, 0, false, false},
    };
}

int KindOf(HWND control)
{
    const std::string cls = ClassOf(control);
    const LONG style = ::GetWindowLongW(control, GWL_STYLE);
    if (cls == "Edit")
        return style & ES_MULTILINE ? -1 : OneLineField;
    if (cls == "Static")
        return StaticText;
    if (cls != "Button")
        return -1;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return PushButton;
    case BS_GROUPBOX: return GroupBox;
    default: return BoxButton;
    }
}

TEST_F(MainDialog, EveryCaptionAndOneLineFieldIsWholeAtTheFirstStart)
{
    const char* expected = std::getenv("STRANDEL_EXPECTED_DPI");
    StartWith("");
    ::ShowWindow(Frame->GetHandle(), SW_SHOW);
    PumpMessages();
    {
        TClientDC screen(nullptr);
        const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
        if (expected) {
            ASSERT_EQ(dpi, std::atoi(expected)) << "the prefix's LogPixels did not take";
        }
        RecordProperty("dpi", dpi);
    }
    const std::vector<TTextRoom> table = RoomTable();
    const RECT dialog = ClientOnScreen(Dialog->GetHandle());
    int measured = 0;
    std::ostringstream cut;
    for (HWND control = ::GetWindow(Dialog->GetHandle(), GW_CHILD); control;
         control = ::GetWindow(control, GW_HWNDNEXT)) {
        const int kind = KindOf(control);
        RECT place = WindowRect(control);
        RECT shown{};
        // The two buttons kept below the visible part of the dialog are not seen.
        if (kind < 0 || !::IsWindowVisible(control) || !::IntersectRect(&shown, &place, &dialog))
            continue;
        const TTextRoom& room = table[static_cast<std::size_t>(kind)];
        // A caption is drawn without its letter marks ("&Create" shows as Create, C underlined).
        std::wstring text = Wide(TextOf(control));
        if (kind != OneLineField)
            for (std::size_t at = text.find(L'&'); at != std::wstring::npos && at + 1 < text.size();
                 at = text.find(L'&', at + 1))
                text.erase(at, 1);
        TClientDC dc(control);
        TSelectObject font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc, &metrics);
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);

        RECT client{};
        ::GetClientRect(control, &client);
        int roomWidth = client.right - (kind == BoxButton ? room.InsetX : 2 * room.InsetX);
        if (kind == OneLineField) {
            const LRESULT margins = ::SendMessageW(control, EM_GETMARGINS, 0, 0);
            roomWidth -= LOWORD(margins) + HIWORD(margins);
        }
        const int height = client.bottom;
        // The glyphs lie between the internal leading and the bottom of the descent.
        const int cellTop = room.Centred ? (height - metrics.tmHeight) / 2 : 0;
        const int inkTop = cellTop + metrics.tmInternalLeading;
        const int inkBottom = cellTop + metrics.tmHeight;
        const bool fitsWidth = !room.WidthCounts || extent.cx <= roomWidth;
        const bool fitsHeight = inkTop >= room.InsetY && inkBottom <= height - room.InsetY;
        ++measured;
        if (!fitsWidth || !fitsHeight)
            cut << "\n  " << room.Kind << " " << ::GetDlgCtrlID(control) << " \"" << Narrow(text) << "\": text "
                << extent.cx << "x" << metrics.tmHeight << " (glyphs " << inkTop << ".." << inkBottom << "), room "
                << roomWidth << "x" << height << " less " << room.InsetY << " above and below";
    }
    EXPECT_GE(measured, 20);
    EXPECT_TRUE(cut.str().empty()) << "cut at " << (expected ? expected : "this") << " DPI:" << cut.str();
}

} // namespace
