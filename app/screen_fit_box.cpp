#include "app/screen_fit_box.h"

#include "app/clipboard.h"
#include "framework/gdi.h"
#include "text/wide_text.h"

#include <vector>

namespace {

constexpr wchar_t Ellipsis[] = L"...";

int WidthOf(HDC dc, const std::wstring& text)
{
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

bool IsLowHalf(wchar_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The line with its middle taken out so that head + "..." + tail keep `kept` units or one less.
std::wstring WithoutMiddle(const std::wstring& line, std::size_t kept)
{
    std::size_t head = kept / 2;
    std::size_t tail = kept - head;
    if (head > 0 && head < line.size() && IsLowHalf(line[head]))
        --head;
    if (tail > 0 && tail < line.size() && IsLowHalf(line[line.size() - tail]))
        --tail;
    return line.substr(0, head) + Ellipsis + line.substr(line.size() - tail);
}

std::wstring ShortenLine(HDC dc, const std::wstring& line, int maxWidth)
{
    if (WidthOf(dc, line) <= maxWidth)
        return line;
    // The most units kept that still fit: width grows with what is kept.
    std::size_t low = 0, high = line.size();
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (WidthOf(dc, WithoutMiddle(line, middle)) <= maxWidth)
            low = middle;
        else
            high = middle - 1;
    }
    return WithoutMiddle(line, low);
}

// What the box shows and what Ctrl+C in it copies, while it is up.
struct TBoxCopy {
    std::wstring Caption;
    std::wstring Text;
    UINT Flags = 0;
    HHOOK Hook = nullptr;
};
thread_local TBoxCopy* OpenBox = nullptr;

std::wstring ButtonsOf(UINT flags)
{
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL: return L"OK   Cancel   ";
    case MB_ABORTRETRYIGNORE: return L"Abort   Retry   Ignore   ";
    case MB_YESNOCANCEL: return L"Yes   No   Cancel   ";
    case MB_YESNO: return L"Yes   No   ";
    case MB_RETRYCANCEL: return L"Retry   Cancel   ";
    default: return L"OK   ";
    }
}

// The layout the system gives the copy of a message box.
std::wstring CopyText(const TBoxCopy& box)
{
    const std::wstring rule = L"---------------------------\r\n";
    std::wstring text;
    for (wchar_t c : box.Text) {
        if (c == L'\n' && (text.empty() || text.back() != L'\r'))
            text += L'\r';
        text += c;
    }
    return rule + box.Caption + L"\r\n" + rule + text + L"\r\n" + rule + ButtonsOf(box.Flags) + L"\r\n" + rule;
}

bool IsCopyKey(const MSG& message)
{
    if (message.message == WM_CHAR)
        return message.wParam == 3;   // Ctrl+C as a character
    return message.message == WM_KEYDOWN && message.wParam == 'C' && ::GetKeyState(VK_CONTROL) < 0;
}

LRESULT CALLBACK FilterBoxMessages(int code, WPARAM wParam, LPARAM lParam)
{
    TBoxCopy* box = OpenBox;
    if (box && code == MSGF_DIALOGBOX) {
        const MSG& message = *reinterpret_cast<const MSG*>(lParam);
        HWND top = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (top && IsCopyKey(message)) {
            // The box shows a shortened text: the copy is of the whole one.
            CopyTextToClipboard(top, Narrow(CopyText(*box)));
            return 1;
        }
    }
    return ::CallNextHookEx(box ? box->Hook : nullptr, code, wParam, lParam);
}

// The widest line the box is given: half the work area, leaving room for the icon, the margins
// and the frame whatever the system adds.
int WidestLine(HWND owner)
{
    HMONITOR monitor = ::MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    int screen = ::GetSystemMetrics(SM_CXSCREEN);
    if (::GetMonitorInfoW(monitor, &info))
        screen = info.rcWork.right - info.rcWork.left;
    return screen / 2;
}

// The text as the box shows it: every line wider than maxWidth pixels in the font of the dc,
// shortened in its middle ("...") to fit, never cut inside a character.
std::wstring ShortenWideLines(HDC dc, const std::wstring& text, int maxWidth)
{
    std::wstring shown;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(L'\n', start);
        std::wstring line = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        const bool crBefore = !line.empty() && line.back() == L'\r';
        if (crBefore)
            line.pop_back();
        shown += ShortenLine(dc, line, maxWidth);
        if (end == std::wstring::npos)
            break;
        shown += crBefore ? L"\r\n" : L"\n";
        start = end + 1;
    }
    return shown;
}

} // namespace

int ScreenFitBox(HWND owner, const std::string& text, const std::string& caption, UINT flags)
{
    TBoxCopy box;
    box.Caption = Wide(caption);
    box.Text = Wide(text);
    box.Flags = flags;

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    TFont font(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)
                         ? ::CreateFontIndirectW(&metrics.lfMessageFont)
                         : nullptr);
    std::wstring shown;
    {
        TClientDC dc(nullptr);
        TSelectObject oldFont(dc, font ? HGDIOBJ(font) : ::GetStockObject(DEFAULT_GUI_FONT));
        shown = ShortenWideLines(dc, box.Text, WidestLine(owner));
    }

    TBoxCopy* outer = OpenBox;
    OpenBox = &box;
    THook hook(::SetWindowsHookExW(WH_MSGFILTER, FilterBoxMessages, nullptr, ::GetCurrentThreadId()));
    box.Hook = hook;
    const int answer = ::MessageBoxW(owner, shown.c_str(), box.Caption.c_str(), flags);
    OpenBox = outer;
    return answer;
}
