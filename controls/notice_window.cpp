#include "controls/notice_window.h"

#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/monitor_area.h"
#include "text/wide_text.h"

#include <chrono>
#include <cstddef>
#include <string>

namespace {

TQZMex* Notice = nullptr;

constexpr int IconDesignSize = 32;   // pixels at 96 DPI
constexpr int MarginDesignSize = 10;
constexpr WORD InformationIconId = 32516;   // the system's information icon (OIC_INFORMATION)

// The client width the caption needs: its text in the system's caption font, beside the
// window's icon and close button, at the scale of the monitor the notice shows on.
int CaptionRoom(HDC dc, const std::string& caption, int dpi)
{
    const std::optional<NONCLIENTMETRICSW> metrics = NonClientMetricsForDpi(dpi);
    TFont font(metrics ? ::CreateFontIndirectW(&metrics->lfCaptionFont) : nullptr);
    TSelectObject selected(dc, font ? font.Get() : ::GetStockObject(SYSTEM_FONT));
    const std::wstring wide = Wide(caption);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &extent);
    const int closeButton = metrics ? metrics->iCaptionWidth : ::GetSystemMetrics(SM_CXSIZE);
    return extent.cx + ::MulDiv(::GetSystemMetrics(SM_CXSMICON), dpi, SystemDpi()) + closeButton;
}

// The notice stays while the program does nothing else: no input and nothing of its own queue
// is handled. Only what other threads and programs send and wait for is answered (a clipboard
// manager asking about the text just copied, another copy handing a file over), so that they
// are not held up by this wait.
void BusyWait(int milliseconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (auto now = std::chrono::steady_clock::now(); now < end; now = std::chrono::steady_clock::now()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now).count();
        ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left) + 1, QS_SENDMESSAGE, 0);
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

} // namespace

BEGIN_MESSAGE_TABLE(TQZMex, TFrameWindow)
    ON_MESSAGE(WM_PAINT, EvPaint)
    ON_MESSAGE(WM_NCLBUTTONDOWN, EvNcLButtonDown)
END_MESSAGE_TABLE()

TQZMex::TQZMex(TWindow* parent, const char* caption, const char* text, UINT style)
    : TFrameWindow(parent, caption), Style(style)
{
    Text = CutToUtf16Units(text ? text : "", TextRoom - 1);
    Attr.Style &= ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME);
    // Above every window, the user's work among them left where it is.
    Attr.ExStyle |= WS_EX_TOPMOST;
}

void TQZMex::SetupWindow()
{
    TFrameWindow::SetupWindow();
    LayoutNotice();
}

void TQZMex::Update(const char* caption, const char* text, UINT style)
{
    Title = caption ? caption : "";
    Style = style;
    if (text)
        Text = CutToUtf16Units(text, TextRoom - 1);
    LayoutNotice();
}

void TQZMex::LayoutNotice()
{
    if (!Handle)
        return;
    SetWindowText(Title);

    // Measured as drawn: the wide text, whatever the system's code page. Margins, icon and
    // frame at the scale of the monitor the notice shows on.
    TClientDC dc(Handle);
    const TMonitorArea monitor = MonitorAreaOfWindowOrPointer(::GetWindow(Handle, GW_OWNER));
    const int dpi = DpiOfMonitorAt({monitor.Work.left, monitor.Work.top});
    MarginSize = ScaledToDpi(MarginDesignSize, dpi);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    const std::wstring text = Wide(Text);
    LineCount = 1;
    int width = 0;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != L'\n')
            continue;
        ++LineCount;
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, text.data() + lineStart, static_cast<int>(i - lineStart), &extent);
        width = extent.cx > width ? extent.cx : width;
        // An empty line measures no height on some systems: it still takes a line.
        LineHeight = extent.cy > 0 ? extent.cy : metrics.tmHeight;
        lineStart = i + 1;
    }
    int height = LineHeight * (LineCount + 1);
    if ((Style & InformationStyle) && IconWidth == 0) {
        IconSize = NoticeIconSize(dpi);
        IconWidth = IconSize + MarginSize;
        Icon.reset(static_cast<HICON>(
            ::LoadImageW(nullptr, MAKEINTRESOURCEW(InformationIconId), IMAGE_ICON, IconSize, IconSize, 0)));
    }
    height = height > IconWidth ? height : IconWidth;

    // The client holds the icon and the text with their margins; the frame around it is the
    // system's, as wide as this system draws it.
    RECT frame{0, 0, IconWidth + 2 * MarginSize + width + MarginSize, height};
    if (!Title.empty()) {
        const int captionRoom = CaptionRoom(dc, Title, dpi);
        frame.right = frame.right > captionRoom ? frame.right : captionRoom;
    }
    AdjustWindowRectForDpi(frame, static_cast<DWORD>(::GetWindowLongPtrW(Handle, GWL_STYLE)), false,
                           static_cast<DWORD>(::GetWindowLongPtrW(Handle, GWL_EXSTYLE)), dpi);
    const RECT& area = monitor.Work;
    // A notice wider than the monitor shows the start of its lines.
    SIZE size{frame.right - frame.left, frame.bottom - frame.top};
    size.cx = size.cx < area.right - area.left ? size.cx : area.right - area.left;
    const POINT place = CentredIn(area, size);
    ::SetWindowPos(Handle, HWND_TOPMOST, place.x, place.y, size.cx, size.cy, SWP_NOACTIVATE);
    Invalidate();
}

LRESULT TQZMex::EvPaint(TMessage& message)
{
    LRESULT result = DefaultProcessing(message);
    TClientDC dc(Handle);
    Paint(dc);
    return result;
}

void TQZMex::Paint(HDC dc) const
{
    RECT client = GetClientRect();
    TBrush face(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)));
    ::FillRect(dc, &client, face);
    if ((Style & InformationStyle) && Icon)
        ::DrawIconEx(dc, MarginSize, client.bottom / 2 - IconSize / 2, Icon.get(), IconSize, IconSize, 0, nullptr,
                     DI_NORMAL);

    const int x = IconWidth + 2 * MarginSize;
    int y = MarginSize;
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    UINT oldAlign = ::SetTextAlign(dc, TA_UPDATECP);
    ::MoveToEx(dc, x, y, nullptr);
    // One character at a time (a pair of UTF-16 units beyond the first plane).
    const std::wstring wide = Wide(Text);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] == L'\n') {
            y += LineHeight;
            ::MoveToEx(dc, x, y, nullptr);
            continue;
        }
        const bool pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size();
        ::TextOutW(dc, 0, 0, &wide[i], pair ? 2 : 1);
        i += pair ? 1 : 0;
    }
    ::SetTextAlign(dc, oldAlign);
    ::GdiFlush();
}

LRESULT TQZMex::EvNcLButtonDown(TMessage& message)
{
    ::MessageBeep(1);
    return DefaultProcessing(message);
}

TQZMex* CurrentNotice()
{
    return Notice;
}

int NoticeIconSize(int dpi)
{
    return ScaledToDpi(IconDesignSize, dpi > 0 ? dpi : StandardDpi);
}

void ShowMex(TWindow* parent, const char* text, const char* caption, UINT style, int waitMilliseconds)
{
    if (Notice) {
        if (text || caption) {
            Notice->Update(caption, text, style);
            Notice->SendMessage(WM_PAINT);
        } else {
            Notice->SetClosable(true);
            Notice->SendMessage(WM_CLOSE);
            delete Notice;
            Notice = nullptr;
        }
        return;
    }
    if (!text && !caption)
        return;

    Notice = new TQZMex(parent, caption, text, style);
    if (!Notice->Create()) {
        delete Notice;
        Notice = nullptr;
        return;
    }
    // Shown over everything but not made active: the focus stays where the user works.
    Notice->Show(SW_SHOWNOACTIVATE);
    ::UpdateWindow(Notice->GetHandle());
    Notice->SendMessage(WM_PAINT);
    Notice->SetClosable(false);
    if (waitMilliseconds >= 1) {
        BusyWait(waitMilliseconds);
        Notice->SetClosable(true);
        delete Notice;
        Notice = nullptr;
    }
}
