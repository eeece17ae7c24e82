#include "controls/notice_window.h"

#include "framework/gdi.h"
#include "text/wide_text.h"

#include <chrono>
#include <string>

namespace {

TQZMex* Notice = nullptr;

constexpr int InformationIconWidth = 42;
constexpr int Margin = 10;

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

    // Measured as drawn: the wide text, whatever the system's code page.
    TClientDC dc(Handle);
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
    if (!Title.empty()) {
        const std::wstring title = Wide(Title);
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, title.data(), static_cast<int>(title.size()), &extent);
        width = extent.cx > width ? extent.cx : width;
    }
    if ((Style & InformationStyle) && IconWidth == 0)
        IconWidth = InformationIconWidth;
    height = height > IconWidth ? height : IconWidth;

    int windowWidth = width + IconWidth + 30;
    int windowHeight = height + 20;
    int left = (::GetSystemMetrics(SM_CXSCREEN) - windowWidth) / 2;
    int top = (::GetSystemMetrics(SM_CYSCREEN) - windowHeight) / 2;
    ::SetWindowPos(Handle, nullptr, left, top, windowWidth, windowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
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
    if (Style & InformationStyle)
        ::DrawIcon(dc, Margin, client.bottom / 2 - 16, ::LoadIconW(nullptr, IDI_ASTERISK));

    const int x = IconWidth + 20;
    int y = Margin;
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

void ShowMex(TWindow* parent, const char* text, const char* caption, UINT style, int waitMilliseconds)
{
    if (Notice) {
        if (text || caption) {
            Notice->Update(caption, text, style);
            Notice->SendMessage(WM_PAINT);
            ::SetActiveWindow(Notice->GetHandle());
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
    Notice->Show(SW_SHOW);
    ::SetForegroundWindow(Notice->GetHandle());
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
