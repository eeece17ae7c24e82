#include "app/preview_lines.h"

#include "app/program_font.h"
#include "framework/popup_menu.h"
#include "res/resource.h"
#include "text/wide_text.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace {

constexpr int TabSize = 8;
constexpr int Margin = 4;   // pixels left of the text
constexpr wchar_t TabMark = L'\x2192';          // →
constexpr wchar_t CrLfMark = L'\x00B6';         // ¶
constexpr wchar_t LfMark = L'\x2193';           // ↓

constexpr COLORREF TextColour = RGB(0, 0, 0);
constexpr COLORREF NameColour = RGB(0, 0, 176);
constexpr COLORREF NameBack = RGB(228, 236, 255);
constexpr COLORREF UnwritableColour = RGB(176, 0, 0);
constexpr COLORREF UnwritableBack = RGB(255, 214, 214);
constexpr COLORREF MarkColour = RGB(150, 150, 150);
constexpr COLORREF GapColour = RGB(96, 96, 96);
constexpr COLORREF GapBack = RGB(236, 236, 236);
constexpr COLORREF Back = RGB(255, 255, 255);
constexpr COLORREF SelectedBack = RGB(255, 246, 200);

int Columns(const std::vector<TDrawnRun>& runs)
{
    std::size_t columns = 0;
    for (const TDrawnRun& run : runs)
        columns += run.Text.size();
    return static_cast<int>(columns);
}

} // namespace

std::vector<TDrawnRun> DrawnRuns(const TPreviewLine& line, bool marks, bool crLf)
{
    using TKind = TDrawnRun::TKind;
    std::vector<TDrawnRun> runs;
    if (line.Gap) {
        runs.push_back({TKind::Gap, Wide(line.Text)});
        return runs;
    }
    std::size_t column = 0;
    auto add = [&](std::string_view bytes, TKind kind) {
        if (bytes.empty())
            return;
        std::wstring text;
        for (wchar_t c : Wide(std::string(bytes))) {
            if (c != L'\t') {
                text += c;
                ++column;
                continue;
            }
            const std::size_t room = TabSize - column % TabSize;
            if (marks) {
                if (!text.empty())
                    runs.push_back({kind, std::exchange(text, {})});
                runs.push_back({TKind::Mark, std::wstring(1, TabMark) + std::wstring(room - 1, L' ')});
            } else {
                text.append(room, L' ');
            }
            column += room;
        }
        if (!text.empty())
            runs.push_back({kind, std::move(text)});
    };
    std::size_t from = 0;
    for (const TNameMark& name : line.Names) {
        add(std::string_view(line.Text).substr(from, name.Start - from), TKind::Text);
        add(std::string_view(line.Text).substr(name.Start, name.Length), name.Unwritable ? TKind::Unwritable : TKind::Name);
        from = name.Start + name.Length;
    }
    add(std::string_view(line.Text).substr(from), TKind::Text);
    if (marks && line.LineBreak)
        runs.push_back({TKind::Mark, std::wstring(1, crLf ? CrLfMark : LfMark)});
    return runs;
}

BEGIN_MESSAGE_TABLE(TPreviewLines, TWindow)
    ON_MESSAGE(WM_PAINT, EvPaint)
    ON_MESSAGE(WM_SIZE, EvSize)
    ON_MESSAGE(WM_VSCROLL, EvVScroll)
    ON_MESSAGE(WM_HSCROLL, EvHScroll)
    ON_MESSAGE(WM_MOUSEWHEEL, EvMouseWheel)
    ON_MESSAGE(WM_KEYDOWN, EvKeyDown)
    ON_WM_LBUTTONDOWN(EvLButtonDown)
    ON_MESSAGE(WM_CONTEXTMENU, EvContextMenu)
    ON_MESSAGE(WM_GETTEXT, EvGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, EvGetTextLength)
    ON_MESSAGE(WM_GETDLGCODE, EvGetDlgCode)
END_MESSAGE_TABLE()

TPreviewLines::TPreviewLines(TWindow* parent, int id) : TWindow(parent)
{
    Attr.Id = id;
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;
    Attr.ExStyle = WS_EX_CLIENTEDGE;
    Attr.X = Attr.Y = 0;
    Attr.W = Attr.H = 10;
}

void TPreviewLines::GetWindowClass(WNDCLASSW& windowClass) const
{
    TWindow::GetWindowClass(windowClass);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_IBEAM);
    windowClass.hbrBackground = nullptr;   // the painting covers every pixel
}

void TPreviewLines::SetupWindow()
{
    TWindow::SetupWindow();
    SetDpi(DpiOfWindow(Handle));
}

void TPreviewLines::SetDpi(int dpi)
{
    // Ten points at the window's scale, in the fixed-pitch face every Windows has.
    LOGFONTW face{};
    face.lfHeight = -::MulDiv(10, dpi, 72);
    face.lfCharSet = DEFAULT_CHARSET;
    face.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    ::lstrcpyW(face.lfFaceName, L"Courier New");
    Font.Reset(::CreateFontIndirectW(&face));
    TClientDC dc(Handle);
    TSelectObject font(dc, Font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    CharWidth = std::max<int>(metrics.tmAveCharWidth, 1);
    CharHeight = std::max<int>(metrics.tmHeight, 1);
    ScrollTo(Top, Left);   // the scroll ranges count lines and columns of the new size
}

void TPreviewLines::SetLines(std::vector<TPreviewLine> lines, bool crLf)
{
    Shown = std::move(lines);
    CrLf = crLf;
    Widest = 0;
    for (const TPreviewLine& line : Shown)
        Widest = std::max(Widest, Columns(DrawnRuns(line, Marks, CrLf)));
    ScrollTo(Top, Left);
    Invalidate(false);
}

void TPreviewLines::ShowMarks(bool show)
{
    Marks = show;
    SetLines(std::move(Shown), CrLf);
}

void TPreviewLines::SetSelectedEntry(int entry, bool scrollTo)
{
    Selected = entry;
    if (scrollTo && entry >= 0) {
        const auto first = std::find_if(Shown.begin(), Shown.end(), [&](const TPreviewLine& line) {
            return line.Entry == entry ||
                   std::any_of(line.Names.begin(), line.Names.end(), [&](const TNameMark& name) { return name.Entry == entry; });
        });
        const int line = static_cast<int>(first - Shown.begin());
        if (first != Shown.end() && (line < Top || line >= Top + VisibleLines()))
            ScrollTo(line - VisibleLines() / 3, Left);
    }
    Invalidate(false);
}

int TPreviewLines::EntryAt(POINT client) const
{
    const int index = Top + client.y / CharHeight;
    if (client.y < 0 || index < 0 || index >= static_cast<int>(Shown.size()))
        return -1;
    const TPreviewLine& line = Shown[static_cast<std::size_t>(index)];
    // A line holding several names (a Queue without a line break): the name under the point.
    if (line.Names.size() > 1) {
        const int column = Left + (client.x - Margin) / CharWidth;
        int at = 0;
        std::size_t from = 0;
        for (const TNameMark& name : line.Names) {
            at += static_cast<int>(Wide(line.Text.substr(from, name.Start + name.Length - from)).size());
            from = name.Start + name.Length;
            if (column < at)
                return name.Entry;
        }
        return line.Names.back().Entry;
    }
    return line.Names.empty() ? line.Entry : line.Names.front().Entry;
}

std::string TPreviewLines::ShownText() const
{
    std::string text;
    for (const TPreviewLine& line : Shown) {
        text += line.Text;
        if (line.LineBreak || line.Gap)
            text += CrLf ? "\r\n" : "\n";
    }
    return text;
}

int TPreviewLines::VisibleLines() const
{
    return std::max<int>(1, static_cast<int>(GetClientRect().bottom) / CharHeight);
}

int TPreviewLines::VisibleColumns() const
{
    return std::max<int>(1, static_cast<int>(GetClientRect().right - Margin) / CharWidth);
}

void TPreviewLines::ScrollTo(int line, int column)
{
    const int lines = static_cast<int>(Shown.size());
    Top = std::clamp(line, 0, std::max(0, lines - VisibleLines()));
    Left = std::clamp(column, 0, std::max(0, Widest + 1 - VisibleColumns()));
    UpdateScrollBars();
    Invalidate(false);
}

void TPreviewLines::UpdateScrollBars()
{
    if (!Handle)
        return;
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
    info.nMax = std::max(0, static_cast<int>(Shown.size()) - 1);
    info.nPage = static_cast<UINT>(VisibleLines());
    info.nPos = Top;
    ::SetScrollInfo(Handle, SB_VERT, &info, TRUE);
    info.nMax = Widest;
    info.nPage = static_cast<UINT>(VisibleColumns());
    info.nPos = Left;
    ::SetScrollInfo(Handle, SB_HORZ, &info, TRUE);
}

LRESULT TPreviewLines::EvPaint(TMessage&)
{
    using TKind = TDrawnRun::TKind;
    TPaintDC dc(Handle);
    const RECT client = GetClientRect();
    TSelectObject font(dc, Font);
    ::SetBkMode(dc, OPAQUE);
    const int lines = static_cast<int>(Shown.size());
    for (int y = 0, i = Top; y < client.bottom; y += CharHeight, ++i) {
        RECT row{0, y, client.right, y + CharHeight};
        const TPreviewLine* line = i < lines ? &Shown[static_cast<std::size_t>(i)] : nullptr;
        const bool selected = line && Selected >= 0 &&
                              (line->Entry == Selected ||
                               std::any_of(line->Names.begin(), line->Names.end(),
                                           [&](const TNameMark& name) { return name.Entry == Selected; }));
        const COLORREF rowBack = !line ? Back : line->Gap ? GapBack : selected ? SelectedBack : Back;
        ::SetBkColor(dc, rowBack);
        ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &row, nullptr, 0, nullptr);
        if (!line)
            continue;
        int x = Margin - Left * CharWidth;
        for (const TDrawnRun& run : DrawnRuns(*line, Marks, CrLf)) {
            COLORREF colour = TextColour, back = rowBack;
            switch (run.Kind) {
            case TKind::Name: colour = NameColour; back = selected ? rowBack : NameBack; break;
            case TKind::Unwritable: colour = UnwritableColour; back = UnwritableBack; break;
            case TKind::Mark: colour = MarkColour; break;
            case TKind::Gap: colour = GapColour; break;
            case TKind::Text: break;
            }
            SIZE size{};
            ::GetTextExtentPoint32W(dc, run.Text.c_str(), static_cast<int>(run.Text.size()), &size);
            if (x + size.cx > 0 && x < client.right) {
                ::SetTextColor(dc, colour);
                ::SetBkColor(dc, back);
                ::ExtTextOutW(dc, x, y, 0, nullptr, run.Text.c_str(), static_cast<UINT>(run.Text.size()), nullptr);
            }
            x += size.cx;
        }
    }
    return 0;
}

LRESULT TPreviewLines::EvSize(TMessage& message)
{
    ScrollTo(Top, Left);
    return DefaultProcessing(message);
}

namespace {

// The new first line or column for a scroll-bar request.
int ScrollPosition(HWND window, int bar, WORD request, int position, int page)
{
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(window, bar, &info);
    switch (request) {
    case SB_LINEUP: return position - 1;
    case SB_LINEDOWN: return position + 1;
    case SB_PAGEUP: return position - page;
    case SB_PAGEDOWN: return position + page;
    case SB_TOP: return 0;
    case SB_BOTTOM: return info.nMax;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return info.nTrackPos;
    default: return position;
    }
}

} // namespace

LRESULT TPreviewLines::EvVScroll(TMessage& message)
{
    ScrollTo(ScrollPosition(Handle, SB_VERT, LOWORD(message.WParam), Top, VisibleLines()), Left);
    return 0;
}

LRESULT TPreviewLines::EvHScroll(TMessage& message)
{
    ScrollTo(Top, ScrollPosition(Handle, SB_HORZ, LOWORD(message.WParam), Left, VisibleColumns()));
    return 0;
}

LRESULT TPreviewLines::EvMouseWheel(TMessage& message)
{
    const int notches = GET_WHEEL_DELTA_WPARAM(message.WParam) / WHEEL_DELTA;
    ScrollTo(Top - 3 * notches, Left);
    return 0;
}

LRESULT TPreviewLines::EvKeyDown(TMessage& message)
{
    switch (message.WParam) {
    case VK_UP: ScrollTo(Top - 1, Left); break;
    case VK_DOWN: ScrollTo(Top + 1, Left); break;
    case VK_PRIOR: ScrollTo(Top - VisibleLines(), Left); break;
    case VK_NEXT: ScrollTo(Top + VisibleLines(), Left); break;
    case VK_HOME: ScrollTo(0, 0); break;
    case VK_END: ScrollTo(static_cast<int>(Shown.size()), 0); break;
    case VK_LEFT: ScrollTo(Top, Left - 1); break;
    case VK_RIGHT: ScrollTo(Top, Left + 1); break;
    default: return DefaultProcessing(message);
    }
    return 0;
}

void TPreviewLines::EvLButtonDown(UINT, POINT point)
{
    ::SetFocus(Handle);
    const int entry = EntryAt(point);
    if (entry < 0)
        return;
    SetSelectedEntry(entry, false);
    if (HWND parent = ::GetParent(Handle))
        ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(Attr.Id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Handle));
}

LRESULT TPreviewLines::EvContextMenu(TMessage& message)
{
    POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    if (point.x == -1 && point.y == -1) {   // from the keyboard: at the window's corner
        point = {0, 0};
        ::ClientToScreen(Handle, &point);
    }
    TPopupMenu menu;
    if (menu.LoadResource(GetInstance(), "PREVIEW_MNU"))
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point, ::GetParent(Handle));
    return 0;
}

LRESULT TPreviewLines::EvGetText(TMessage& message)
{
    const auto room = static_cast<std::size_t>(message.WParam);
    auto* buffer = reinterpret_cast<wchar_t*>(message.LParam);
    if (room == 0 || !buffer)
        return 0;
    const std::wstring text = Wide(ShownText());
    const std::size_t copied = std::min(text.size(), room - 1);
    std::copy_n(text.data(), copied, buffer);
    buffer[copied] = L'\0';
    return static_cast<LRESULT>(copied);
}

LRESULT TPreviewLines::EvGetTextLength(TMessage&)
{
    return static_cast<LRESULT>(Wide(ShownText()).size());
}

LRESULT TPreviewLines::EvGetDlgCode(TMessage&)
{
    return DLGC_WANTARROWS;
}
