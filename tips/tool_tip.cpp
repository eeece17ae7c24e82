#include "tips/tool_tip.h"

#include "framework/dpi.h"
#include "framework/font.h"
#include "framework/gdi.h"
#include "framework/monitor_area.h"
#include "text/wide_text.h"

#include <optional>

namespace {

QZTToolTip* TheToolTip = nullptr;
THook KeyboardHook;
DWORD LastHideTick = 0;
TTipAnchor TipAnchor;
// Set by SetAnchor, taken by the next SetText: an anchor serves the one text that follows it.
bool AnchorPending = false;

constexpr int BelowAnchor = 32;
constexpr int ScreenMargin = 2;
constexpr int AboveAnchor = 10;

DWORD SystemMajorVersion()
{
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    return ::GetVersionExW(&version) ? version.dwMajorVersion : 0;
}

LRESULT CALLBACK TipKeyboardProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0 && TheToolTip) {
        const int* keep = TheToolTip->GetKeepFlag();
        if (!keep || *keep == 0)
            TheToolTip->HideTip();
    }
    return ::CallNextHookEx(KeyboardHook, code, wParam, lParam);
}

} // namespace

TToolTipFont::TToolTipFont()
    : TFont(::CreateFontW(-9, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif"))
{
}

BEGIN_MESSAGE_TABLE(QZTToolTip, TControl)
    ON_WM_TIMER(EvTimer)
    ON_WM_MOUSEMOVE(EvMouseMove)
    ON_MESSAGE(WM_PAINT, EvPaint)
    ON_MESSAGE(WM_SETTINGCHANGE, EvSettingChange)
    ON_MESSAGE(WM_GETFONT, EvGetFont)
END_MESSAGE_TABLE()

QZTToolTip::QZTToolTip(std::unique_ptr<TToolTipFont> font)
    : TControl(nullptr, 0, "", 0, 0, 0, 0),
      Font(font ? std::move(static_cast<TFont&>(*font)) : TFont()),
      MaxWidth(static_cast<unsigned>(::GetSystemMetrics(SM_CXSCREEN) / 3 * 2)),
      MaxHeight(static_cast<unsigned>(::GetSystemMetrics(SM_CYSCREEN) / 3))
{
    RefreshFont();
    Attr.Style = WS_POPUP;
    Attr.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    if (SystemMajorVersion() >= 4)
        Attr.ExStyle |= WS_EX_WINDOWEDGE;
    else
        Attr.Style |= WS_BORDER;
    TheToolTip = this;
    if (!KeyboardHook)
        KeyboardHook.Reset(::SetWindowsHookExW(WH_KEYBOARD, &TipKeyboardProc, nullptr, ::GetCurrentThreadId()));
    Create();
}

QZTToolTip::~QZTToolTip()
{
    StopTimers();
    // The hook and the process's pointer go with the tip they serve, whoever destroys it.
    if (TheToolTip == this) {
        KeyboardHook.Reset();
        TheToolTip = nullptr;
    }
    // Destroyed here, while the window's last messages still reach this class.
    Destroy();
}

void QZTToolTip::GetWindowClass(WNDCLASSW& windowClass) const
{
    TControl::GetWindowClass(windowClass);
    windowClass.style = CS_SAVEBITS | CS_HREDRAW | CS_VREDRAW;
    // The paint handler covers every pixel itself.
    windowClass.hbrBackground = nullptr;
}

void QZTToolTip::SetText(const char* text)
{
    // Hints that come without an anchor of their own (the frame's menus and tool bar) follow
    // the pointer, not the place of an earlier hint.
    if (AnchorPending)
        AnchorPending = false;
    else
        TipAnchor.IsSet = 0;
    ChangeText(text);
}

void QZTToolTip::ChangeText(const char* text)
{
    if (text) {
        if (!Text)
            Text.emplace();
        if (*Text == text) {
            Reposition();
            return;
        }
    }
    if (text)
        Text = text;
    else
        Text.reset();
    ::SetWindowTextW(Handle, text ? Wide(text).c_str() : nullptr);

    if (!text || !*text) {
        StopTimers();
        Show(SW_HIDE);
        LastHideTick = ::GetTickCount();
        return;
    }

    DWORD now = ::GetTickCount();
    Measure(text);
    Show(SW_HIDE);
    StartTimers(now == LastHideTick ? LongDelay : ShortDelay);
    LastHideTick = 0;
}

void QZTToolTip::Measure(const char* text)
{
    TClientDC dc(Handle);
    TSelectObject selectFont(dc, Font);
    TipSize = {0, 0};
    SIZE extent{0, 0};
    int lines = 0;
    const std::wstring wide = Wide(text);
    const wchar_t* lineStart = wide.c_str();
    for (const wchar_t* p = wide.c_str();; ++p) {
        if (*p != L'\n' && *p != L'\r' && *p != L'\0')
            continue;
        // A line is measured with the break character that ends it.
        int count = static_cast<int>(p - lineStart) + (*p ? 1 : 0);
        extent = {0, 0};
        ::GetTextExtentPoint32W(dc, lineStart, count, &extent);
        ++lines;
        if (extent.cx > TipSize.cx)
            TipSize = extent;
        if (!*p)
            break;
        if (p[0] == L'\r' && p[1] == L'\n')
            ++p;
        lineStart = p + 1;
    }
    if (TipSize.cx == 0)
        TipSize = extent;
    TipSize.cy = lines * TipSize.cy + 4;
    TipSize.cx += 8;
    if (static_cast<unsigned>(TipSize.cx) > MaxWidth)
        TipSize.cx = static_cast<LONG>(MaxWidth);
    if (static_cast<unsigned>(TipSize.cy) > MaxHeight)
        TipSize.cy = static_cast<LONG>(MaxHeight);
}

POINT TipPlace(POINT anchor, SIZE tip, const RECT& area)
{
    POINT place{anchor.x - (tip.cx / 2 - 5), anchor.y + BelowAnchor};
    if (place.x < area.left)
        place.x = area.left + ScreenMargin;
    else if (place.x + tip.cx > area.right)
        place.x = area.right - ScreenMargin - tip.cx;
    if (place.y + tip.cy > area.bottom)
        place.y -= tip.cy + BelowAnchor + AboveAnchor;
    return place;
}

void QZTToolTip::Reposition()
{
    POINT anchor;
    if (TipAnchor.IsSet) {
        anchor = TipAnchor.Point;
        AnchorWindow = TipAnchor.Window;
    } else {
        ::GetCursorPos(&TipAnchor.Point);
        anchor = TipAnchor.Point;
        AnchorWindow = ::WindowFromPoint(anchor);
    }
    // Inside the part of the anchor's monitor the taskbar leaves free.
    const POINT place = TipPlace(anchor, TipSize, MonitorAreaOfPoint(anchor).Work);
    ::SetWindowPos(Handle, nullptr, place.x, place.y, TipSize.cx, TipSize.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void QZTToolTip::ShowTip()
{
    // In the status-bar font of the monitor the tip shows on.
    POINT anchor = TipAnchor.Point;
    if (!TipAnchor.IsSet)
        ::GetCursorPos(&anchor);
    if (const int dpi = DpiOfMonitorAt(anchor); dpi != FontDpi) {
        RefreshFont(dpi);
        Measure(GetWindowText().c_str());
    }
    Reposition();
    Show(SW_SHOWNA);
    ::UpdateWindow(Handle);
}

void QZTToolTip::HideTip()
{
    if (!IsWindowVisible())
        return;
    RECT covered = GetWindowRect();
    int width = covered.right - covered.left;
    int height = covered.bottom - covered.top;
    ChangeText(nullptr);

    // What the tip covered may have been saved by no one: the active window draws it again.
    HWND active = ::GetActiveWindow();
    POINT corner{covered.left, covered.top};
    if (!active || !::ScreenToClient(active, &corner))
        return;
    RECT area{corner.x, corner.y, corner.x + width, corner.y + height};
    ::InvalidateRect(active, &area, TRUE);
    ::UpdateWindow(active);
}

void QZTToolTip::RefreshFont(int dpi)
{
    const int scale = dpi > 0 ? dpi : SystemDpi();
    if (const std::optional<LOGFONTW> system = SystemStatusBarFont(scale)) {
        Font.Reset(::CreateFontIndirectW(&*system));
        FontDpi = scale;
    }
}

void QZTToolTip::StartTimers(UINT showPeriod)
{
    if (!Handle)
        return;   // a timer without a window would be the thread's, beyond KillTimer's reach
    ShowTimer = ::SetTimer(Handle, ShowTimerId, showPeriod, nullptr);
    ShowTimerPeriod = showPeriod;
    PollTimer = ::SetTimer(Handle, PollTimerId, PollPeriod, nullptr);
}

void QZTToolTip::StopTimers()
{
    if (ShowTimer)
        ::KillTimer(Handle, ShowTimerId);
    if (PollTimer)
        ::KillTimer(Handle, PollTimerId);
    ShowTimer = 0;
    PollTimer = 0;
}

void QZTToolTip::EvTimer(UINT_PTR id)
{
    if (IsWindowVisible()) {
        // The real pointer, not the anchor: the tip goes once the pointer has left its window.
        POINT pointer{0, 0};
        HWND under = ::GetCursorPos(&pointer) ? ::WindowFromPoint(pointer) : nullptr;
        if (!AnchorWindow || under != AnchorWindow) {
            AnchorWindow = nullptr;
            HideTip();
            StopTimers();
        }
    }
    if (id == ShowTimerId && ShowTimer) {
        StopTimers();
        if (IsWindowVisible()) {
            HideTip();   // the minute is over
        } else {
            ShowTip();
            StartTimers(ShownTime);
        }
    }
}

void QZTToolTip::EvMouseMove(UINT, POINT)
{
    DefaultProcessing();
    HideTip();
}

LRESULT QZTToolTip::EvPaint(TMessage&)
{
    TPaintDC dc(Handle);
    const std::wstring caption = Wide(GetWindowText());
    RECT rect = GetClientRect();
    TPen pen(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_WINDOWFRAME)));
    TBrush brush(::CreateSolidBrush(::GetSysColor(COLOR_INFOBK)));
    TSelectObject selectPen(dc, pen);
    TSelectObject selectBrush(dc, brush);
    ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    ::SetBkMode(dc, TRANSPARENT);
    TSelectObject selectFont(dc, Font);
    ::SetTextColor(dc, ::GetSysColor(COLOR_INFOTEXT));
    ::DrawTextW(dc, caption.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_NOPREFIX | DT_EXTERNALLEADING);
    return 0;
}

LRESULT QZTToolTip::EvSettingChange(TMessage& message)
{
    RefreshFont();
    return DefaultProcessing(message);
}

LRESULT QZTToolTip::EvGetFont(TMessage&)
{
    return reinterpret_cast<LRESULT>(static_cast<HFONT>(Font));
}

QZTToolTip* GetToolTip()
{
    return TheToolTip;
}

void SetAnchor(POINT screenPoint)
{
    TipAnchor.Point = screenPoint;
    TipAnchor.Window = ::WindowFromPoint(screenPoint);
    TipAnchor.IsSet = 1;
    AnchorPending = true;
}

const TTipAnchor& GetTipAnchor()
{
    return TipAnchor;
}

HHOOK GetTipKeyboardHook()
{
    return KeyboardHook;
}

DWORD GetLastHideTick()
{
    return LastHideTick;
}
