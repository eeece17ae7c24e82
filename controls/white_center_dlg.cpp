#include "controls/white_center_dlg.h"

#include "controls/control_accessible.h"

#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/monitor_area.h"
#include "framework/resource_name.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string_view>
#include <vector>

namespace {

bool ClassIs(HWND window, const wchar_t* name)
{
    wchar_t className[32] = L"";
    ::GetClassNameW(window, className, static_cast<int>(std::size(className)));
    return std::wcscmp(className, name) == 0;
}

HWND ParentOf(HWND window)
{
    return ::GetAncestor(window, GA_PARENT);
}

// The window's rectangle in its parent's client coordinates (the screen's, for a top-level
// window); a combo box's with its list dropped down.
RECT RectInParent(HWND window, bool combo = false)
{
    RECT rect{};
    if (!combo || ::SendMessageW(window, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rect)) == CB_ERR)
        ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ParentOf(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// How much wider than its dialog units a window of this parent is made: 1 when the parent
// maps no dialog units (it is no dialog, or its base unit is 0).
float WideningFactor(HWND parent)
{
    RECT probe{1000, 1000, 1000, 1000};
    if (!::MapDialogRect(parent, &probe) || probe.left == 0)
        return 1.0f;
    return static_cast<float>(probe.top) / static_cast<float>(probe.left) * 1.125f;
}

// Moves a control without repainting it. A combo box's height is that of its dropped-down
// rectangle; where the system takes the height for the list alone, the move is made again
// with the difference added.
void MoveControl(HWND window, bool combo, int x, int y, int width, int height)
{
    ::MoveWindow(window, x, y, width, height, FALSE);
    RECT dropped{};
    if (!combo || ::SendMessageW(window, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)) == CB_ERR)
        return;
    const int got = dropped.bottom - dropped.top;
    if (got > 0 && got < height)
        ::MoveWindow(window, x, y, width, height + (height - got), FALSE);
}

int Scaled(long value, float scale)
{
    return static_cast<int>(static_cast<float>(value) * scale);
}

struct TLayoutRecord {
    HWND Window = nullptr;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int SelectionHeight = 0;
    int ItemHeight = 0;
};

std::string FormatRecord(HWND window, const RECT& rect, int selectionHeight, int itemHeight)
{
    char text[128];
    std::snprintf(text, sizeof text, "%llu,%ld,%ld,%ld,%ld,%d,%d",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)), rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, selectionHeight, itemHeight);
    return text;
}

// Reads a record from the right, every field checked; false leaves the record unused.
bool ParseRecord(std::string_view text, TLayoutRecord& record)
{
    int fields[6];
    for (int i = 5; i >= 0; --i) {
        std::size_t comma = text.rfind(',');
        if (comma == std::string_view::npos)
            return false;
        std::string_view token = text.substr(comma + 1);
        auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), fields[i]);
        if (error != std::errc{} || end != token.data() + token.size())
            return false;
        text = text.substr(0, comma);
    }
    unsigned long long handle = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), handle);
    if (error != std::errc{} || end != text.data() + text.size() || handle == 0)
        return false;
    record.Window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle));
    record.Left = fields[0];
    record.Top = fields[1];
    record.Width = fields[2];
    record.Height = fields[3];
    record.SelectionHeight = fields[4];
    record.ItemHeight = fields[5];
    return true;
}

// The character height of the font, measured in the window's DC; at least 1.
int CharacterHeight(HWND window, const LOGFONTW& description)
{
    TFont font(::CreateFontIndirectW(&description));
    TClientDC dc(window);
    TSelectObject selected(dc, font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    int height = metrics.tmHeight - metrics.tmInternalLeading;
    return height > 0 ? height : 1;
}

constexpr int MaxListItemHeight = 255;   // list boxes refuse taller items

// The name of a menu resource the module has; null when it has none, so that a dialog without
// its menu still acts on the right button as on the left.
const char* MenuResourceOrNone(HINSTANCE module, const char* menuName)
{
    if (!menuName)
        return nullptr;
    TMenuHandle menu(::LoadMenuW(module, TResourceName(menuName)));
    return menu ? menuName : nullptr;
}

} // namespace

SIZE TWhiteCenterDlg::LastLayoutSize{};
HWND TWhiteCenterDlg::LastLayoutDialog = nullptr;

BEGIN_MESSAGE_TABLE(TWhiteCenterDlg, TDialog)
    ON_WM_WINDOWPOSCHANGED(EvWindowPosChanged)
    ON_WM_LBUTTONDOWN(EvLButtonDown)
    ON_WM_RBUTTONDOWN(EvRButtonDown)
    ON_WM_RBUTTONUP(EvRButtonUp)
    ON_WM_SETCURSOR(EvSetCursor)
    ON_WM_CAPTURECHANGED(EvCaptureChanged)
    ON_MESSAGE(WM_CTLCOLORMSGBOX, EvCtlColor)
    ON_MESSAGE(WM_CTLCOLOREDIT, EvCtlColor)
    ON_MESSAGE(WM_CTLCOLORLISTBOX, EvCtlColor)
    ON_MESSAGE(WM_CTLCOLORBTN, EvCtlColor)
    ON_MESSAGE(WM_CTLCOLORDLG, EvCtlColor)
    ON_MESSAGE(WM_CTLCOLORSCROLLBAR, EvCtlColor)
    ON_MESSAGE(WM_CTLCOLORSTATIC, EvCtlColor)
END_MESSAGE_TABLE()

TWhiteCenterDlg::TWhiteCenterDlg(TWindow* parent, const char* resourceName, const char* menuName, HFONT font)
    : TDialog(parent, resourceName),
      RightButton(GetInstance(), MenuResourceOrNone(GetInstance(), menuName)),
      LayoutStore(this, LayoutStoreId, nullptr, -2, -2, 0, 0),
      GivenFont(font)
{
    LayoutStore.Attr.Style = WS_CHILD;   // never shown; unsorted, so records keep their order
}

TWhiteCenterDlg::~TWhiteCenterDlg()
{
    // The controls go before the font they show.
    if (Handle && OwnsHandle) {
        HWND handle = Handle;
        Detach();
        ::DestroyWindow(handle);
    }
}

void TWhiteCenterDlg::SetupWindow()
{
    InitialClient = {};
    FirstLayout = true;
    ScaleX = ScaleY = 1.0f;
    TDialog::SetupWindow();
    // The strings keyed by control numbers are the main dialog's hints: it gives its own.
    ExposeControls(Handle, nullptr);

    HFONT source = GivenFont ? GivenFont : static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    if (::GetObjectW(source, sizeof BaseLogFont, &BaseLogFont) <= 0)
        ::GetObjectW(::GetStockObject(SYSTEM_FONT), sizeof BaseLogFont, &BaseLogFont);
    // A font of "any height" would never scale: take the height it came out with.
    if (BaseLogFont.lfHeight == 0)
        BaseLogFont.lfHeight = -CharacterHeight(Handle, BaseLogFont);
    // The font is made for the system's scale; a dialog opened on a monitor of another scale
    // has its template laid out at that scale by the system, and the font follows it.
    BaseLogFont = FontAtDpi(BaseLogFont, SystemDpi(), DpiOfWindow(Handle));
    ReplaceDialogFont(BaseLogFont);

    BackgroundCursor = ::LoadCursorW(GetInstance(), L"CUR_MANO");

    const float widen = WideningFactor(Handle);
    RECT own = RectInParent(Handle);
    ::MoveWindow(Handle, Scaled(own.left, widen), own.top, Scaled(own.right - own.left, widen),
                 own.bottom - own.top, FALSE);
    RecordLayout();
    InitialClient = GetClientRect();
}

void TWhiteCenterDlg::RecordLayout()
{
    if (!LayoutStore.GetHandle())
        return;
    for (HWND child : Descendants(Handle)) {
        const int id = ::GetDlgCtrlID(child);
        if (id == LayoutStoreId || id == ComboListId || id == ComboEditId)
            continue;
        const bool combo = ClassIs(child, L"ComboBox");
        const float widen = WideningFactor(ParentOf(child));
        RECT rect = RectInParent(child, combo);
        MoveControl(child, combo, Scaled(rect.left, widen), rect.top, Scaled(rect.right - rect.left, widen),
                    rect.bottom - rect.top);
        rect = RectInParent(child, combo);

        LRESULT selectionHeight = 0;
        LRESULT itemHeight = 0;
        if (combo) {
            selectionHeight = ::SendMessageW(child, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
            itemHeight = ::SendMessageW(child, CB_GETITEMHEIGHT, 0, 0);
        } else if (ClassIs(child, L"ListBox")) {
            itemHeight = ::SendMessageW(child, LB_GETITEMHEIGHT, 0, 0);
        }
        LayoutStore.AddString(FormatRecord(child, rect, selectionHeight > 0 ? static_cast<int>(selectionHeight) : 0,
                                           itemHeight > 0 ? static_cast<int>(itemHeight) : 0));
    }
}

BOOL TWhiteCenterDlg::EvInitDialog(HWND focus)
{
    BOOL result = TDialog::EvInitDialog(focus);
    // On the monitor of the window it belongs to (its parent or owner), or of the pointer;
    // within the part the taskbar leaves free.
    HWND owner = (::GetWindowLongPtrW(Handle, GWL_STYLE) & WS_CHILD) ? ParentOf(Handle) : ::GetWindow(Handle, GW_OWNER);
    const TMonitorArea monitor = MonitorAreaOfWindowOrPointer(owner);
    RECT own = GetWindowRect();
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    POINT place = CentredIn(monitor.Work, {width, height});
    // A child dialog is placed in its parent's coordinates.
    ::MapWindowPoints(nullptr, ParentOf(Handle), &place, 1);
    ::MoveWindow(Handle, place.x, place.y, width, height, TRUE);
    return result;
}

void TWhiteCenterDlg::EvWindowPosChanged(const WINDOWPOS& position)
{
    const bool visible = IsWindowVisible();
    if (!visible)
        DefaultProcessing();
    if (!visible && InitialClient.right == 0)
        return;

    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    if (control && ::GetKeyState(VK_SHIFT) < 0) {
        RepaintAll();
        return;
    }

    if (FirstLayout)
        FrameSize = {position.cx - InitialClient.right, position.cy - InitialClient.bottom};
    const int width = position.cx - FrameSize.cx;
    const int height = position.cy - FrameSize.cy;
    if (!FirstLayout && LastLayoutDialog == Handle && width == LastLayoutSize.cx && height == LastLayoutSize.cy)
        return;
    LastLayoutSize = {width, height};
    LastLayoutDialog = Handle;

    Rescale(width, height, !control);
}

void TWhiteCenterDlg::Rescale(int clientWidth, int clientHeight, bool rescaleFonts)
{
    if (InitialClient.right > 0 && InitialClient.bottom > 0) {
        ScaleX = static_cast<float>(clientWidth > 0 ? clientWidth : 0) / static_cast<float>(InitialClient.right);
        ScaleY = static_cast<float>(clientHeight > 0 ? clientHeight : 0) / static_cast<float>(InitialClient.bottom);
    } else {
        ScaleX = ScaleY = 1.0f;
    }

    // Redrawing is switched only for a shown dialog: switching it back on would show a hidden one.
    const bool shown = (::GetWindowLongPtrW(Handle, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown)
        SendMessage(WM_SETREDRAW, FALSE);

    LOGFONTW description = BaseLogFont;
    if (rescaleFonts) {
        int height = Scaled(description.lfHeight, ScaleY);
        if (height == 0)   // 0 would mean "any height", a full-size font in a tiny dialog
            height = description.lfHeight < 0 ? -1 : 1;
        description.lfHeight = height;
        // The final font is asked for by the character height the scaled one came out with.
        description.lfHeight = -CharacterHeight(Handle, description);
        ReplaceDialogFont(description);
    }
    const int minHeight = description.lfHeight < 0 ? -description.lfHeight : description.lfHeight;

    const int count = LayoutStore.GetHandle() ? LayoutStore.GetCount() : 0;
    std::string text;
    for (int i = 0; i < count; ++i) {
        LayoutStore.GetString(i, text);
        TLayoutRecord record;
        // A window gone since set-up (or a handle now someone else's) is left alone.
        if (!ParseRecord(text, record) || !::IsChild(Handle, record.Window))
            continue;
        int itemHeight = std::max(Scaled(record.ItemHeight, ScaleY), std::max(minHeight, 1));
        itemHeight = std::min(itemHeight, MaxListItemHeight);
        const int selectionHeight = std::max(Scaled(record.SelectionHeight, ScaleY), std::max(minHeight, 1));
        const int x = Scaled(record.Left, ScaleX);
        const int y = Scaled(record.Top, ScaleY);
        const int w = Scaled(record.Width, ScaleX);
        int h = Scaled(record.Height, ScaleY);

        const bool combo = ClassIs(record.Window, L"ComboBox");
        if (combo) {
            if (::SendMessageW(record.Window, CB_GETDROPPEDSTATE, 0, 0)) {
                if (rescaleFonts)
                    ::SendMessageW(record.Window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), selectionHeight);
            } else if (ScaleY > 1.0f) {
                h = record.Height;   // a closed combo box never grows taller
            }
            if (rescaleFonts)
                ::SendMessageW(record.Window, CB_SETITEMHEIGHT, 0, itemHeight);
        } else if (rescaleFonts && ClassIs(record.Window, L"ListBox")) {
            ::SendMessageW(record.Window, LB_SETITEMHEIGHT, 0, MAKELPARAM(itemHeight, 0));
        }
        MoveControl(record.Window, combo, x, y, w > 0 ? w : 0, h > 0 ? h : 0);
    }

    if (shown)
        SendMessage(WM_SETREDRAW, TRUE);
    RepaintAll();
    FirstLayout = false;
}

void TWhiteCenterDlg::ReplaceDialogFont(const LOGFONTW& description)
{
    HFONT font = ::CreateFontIndirectW(&description);
    if (!font)
        return;
    for (HWND child : Descendants(Handle))
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The old one goes only once no control shows it any more.
    DialogFont.Reset(font);
}

void TWhiteCenterDlg::RepaintAll() const
{
    ::RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWhiteCenterDlg::EvLButtonDown(UINT, POINT point)
{
    // The system's caption drag, started from the background.
    ::ClientToScreen(Handle, &point);
    SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

void TWhiteCenterDlg::EvRButtonDown(UINT keys, POINT point)
{
    RightPressForwarded = !RightButton.HasMenu();
    RightButton.Press(*this, keys, point, !RightButton.HasMenu());
    RightPressForwarded = false;
}

void TWhiteCenterDlg::EvRButtonUp(UINT keys, POINT point)
{
    // A drag begun by the right button waits for a left release it would never get.
    if (RightPressForwarded)
        PostMessage(WM_LBUTTONUP, keys, MAKELPARAM(point.x, point.y));
    RightButton.Release(*this, keys, point, !RightButton.HasMenu(), Handle);
}

void TWhiteCenterDlg::EvCaptureChanged(HWND newCapture)
{
    RightButton.CaptureChanged(*this, newCapture);
    DefaultProcessing();
}

LRESULT TWhiteCenterDlg::EvCtlColor(TMessage& message)
{
    return DefaultProcessing(message);
}

bool TWhiteCenterDlg::EvSetCursor(HWND window, UINT hitTest, UINT)
{
    if (window == Handle && hitTest == HTCLIENT && BackgroundCursor) {
        ::SetCursor(BackgroundCursor);
        return true;
    }
    return DefaultProcessing() != FALSE;
}
