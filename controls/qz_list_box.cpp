#include "controls/qz_list_box.h"

#include "text/wide_text.h"

#include <algorithm>
#include <cwchar>

namespace {
// The room the list box leaves beside an item's text.
constexpr int ItemMargin = 6;

bool IsHalf(wchar_t unit)
{
    return unit >= 0xD800 && unit <= 0xDFFF;
}
} // namespace

BEGIN_MESSAGE_TABLE(TQZListBox, TQZControl<TListBox>)
    ON_MESSAGE(WM_KEYDOWN, EvKeyDown)
    ON_MESSAGE(WM_PAINT, EvListPaint)
    ON_MESSAGE(LB_ADDSTRING, EvAddString)
    ON_MESSAGE(LB_INSERTSTRING, EvAddString)
    ON_MESSAGE(LB_RESETCONTENT, EvResetContent)
    ON_MESSAGE(WM_SETFONT, EvSetFont)
    ON_MESSAGE(WM_SETREDRAW, EvSetRedraw)
END_MESSAGE_TABLE()

TQZListBox::TQZListBox(TWindow* parent, int resourceId, const char* cursorName, HINSTANCE module,
                       const char* menuName)
    : TQZControl({TMouseLumen::FrameBesideScrollBar}, cursorName, module, menuName, parent, resourceId)
{
}

TQZListBox::~TQZListBox()
{
    ForgetFont();
}

void TQZListBox::MoveItem(TMoveDirection direction, int index)
{
    if (index < 0) {
        index = GetSelIndex();
        if (index < 0) {
            SetSelIndex(0);
            return;
        }
    }
    const int count = GetCount();
    const bool up = direction == TMoveDirection::Up;
    if (index >= count || (up && index == 0) || (!up && index == count - 1))
        return;

    std::string text;
    GetString(index, text);
    const LPARAM data = GetItemData(index);
    // An owner-drawn list would hand the data to WM_DELETEITEM; the item keeps it instead.
    if (data != 0)
        SetItemData(index, 0);
    DeleteString(index);

    const int target = up ? index - 1 : index + 1;
    const LONG_PTR style = ::GetWindowLongPtrW(Handle, GWL_STYLE);
    // A list box that is not owner-drawn keeps strings whether or not the style says so.
    const bool hasStrings =
        (style & LBS_HASSTRINGS) || !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
    int inserted;
    if (hasStrings || data == 0)
        inserted = InsertString(text, target);
    else
        inserted = static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(target), data));
    if (inserted < 0)
        return;
    if (data != 0)
        SetItemData(inserted, data);
    SetSelIndex(inserted);
}

LRESULT TQZListBox::EvKeyDown(TMessage& message)
{
    if (message.WParam == VK_DELETE && DeleteCommand != 0) {
        if (HWND parent = ::GetParent(Handle))
            ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(DeleteCommand, 0), 0);
        return 0;
    }
    return DefaultProcessing(message);
}

void TQZListBox::ShowInsertMark(int afterIndex)
{
    if (afterIndex == MarkAfter)
        return;
    if (Handle) {
        const RECT old = InsertMarkRect();
        ::InvalidateRect(Handle, &old, TRUE);
    }
    MarkAfter = afterIndex;
    if (Handle) {
        const RECT now = InsertMarkRect();
        ::InvalidateRect(Handle, &now, TRUE);
    }
}

RECT TQZListBox::InsertMarkRect() const
{
    if (MarkAfter == NoInsertMark || !Handle)
        return {};
    const RECT client = GetClientRect();
    int y = 0;
    RECT item{};
    if (MarkAfter >= 0 &&
        SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(MarkAfter), reinterpret_cast<LPARAM>(&item)) != LB_ERR)
        y = item.bottom;
    // Two pixels on each side of the line between the entries, within the list.
    const int top = std::max<int>(client.top, y - 2);
    return {client.left, top, client.right, std::min<int>(client.bottom, top + 4)};
}

LRESULT TQZListBox::EvListPaint(TMessage& message)
{
    const LRESULT result = TQZControl<TListBox>::EvPaint(message);
    RECT mark = InsertMarkRect();
    if (!::IsRectEmpty(&mark)) {
        // A line in the text's colour, seen on the selected entry's highlight as on the list.
        ::InflateRect(&mark, 0, -1);
        HDC dc = ::GetDC(Handle);
        ::FillRect(dc, &mark, ::GetSysColorBrush(COLOR_WINDOWTEXT));
        ::ReleaseDC(Handle, dc);
    }
    return result;
}

POINT TQZListBox::KeyboardMenuPoint()
{
    const RECT client = GetClientRect();
    RECT item{};
    const int selected = GetSelIndex();
    if (selected < 0 ||
        SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&item)) == LB_ERR ||
        item.bottom <= client.top || item.bottom > client.bottom)
        return {client.left, client.top};
    return {client.left, item.bottom};
}

LRESULT TQZListBox::EvAddString(TMessage& message)
{
    const LRESULT result = DefaultProcessing(message);
    const LONG_PTR style = ::GetWindowLongPtrW(Handle, GWL_STYLE);
    const bool hasStrings =
        (style & LBS_HASSTRINGS) || !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
    if (result >= 0 && hasStrings)
        Widen(reinterpret_cast<const wchar_t*>(message.LParam));
    return result;
}

LRESULT TQZListBox::EvResetContent(TMessage& message)
{
    const LRESULT result = DefaultProcessing(message);
    SetExtent(0, {});
    return result;
}

LRESULT TQZListBox::EvSetFont(TMessage& message)
{
    const LRESULT result = DefaultProcessing(message);
    ForgetFont();
    // The widest entry stays the widest in the same face at another size.
    const std::wstring widest = WidestText;
    SetExtent(widest.empty() ? 0 : Measure(widest), widest);
    return result;
}

LRESULT TQZListBox::EvSetRedraw(TMessage& message)
{
    Bulk = message.WParam == FALSE;
    if (Widest > 0)
        SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(Bulk ? 0 : Widest + ItemMargin));
    return DefaultProcessing(message);
}

void TQZListBox::Widen(const wchar_t* text) const
{
    if (!text || !Handle)
        return;
    const std::size_t length = std::wcslen(text);
    if (length == 0)
        return;
    if (WidestChar > 0 && static_cast<long long>(length) * WidestChar <= Widest)
        return;
    std::wstring entry(text, length);
    const int width = Measure(entry);
    if (width > Widest)
        SetExtent(width, std::move(entry));
}

void TQZListBox::SetExtent(int width, std::wstring text) const
{
    Widest = width;
    WidestText = std::move(text);
    if (!Bulk)
        SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width > 0 ? width + ItemMargin : 0));
}

int TQZListBox::TextWidth(const std::wstring& text)
{
    return Measure(text);
}

int TQZListBox::Measure(const std::wstring& text) const
{
    if (!MeasureDc) {
        MeasureDc = ::CreateCompatibleDC(nullptr);
        if (!MeasureDc)
            return 0;
        HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
        MeasureOldFont = ::SelectObject(MeasureDc, font ? font : ::GetStockObject(SYSTEM_FONT));
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(MeasureDc, &metrics);
        WidestChar = metrics.tmMaxCharWidth;
        Widths.assign(0x10000, -1);
    }
    int width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsHalf(text[i])) {
            // A character beyond the first plane: measured whole, the pair together.
            const int units = i + 1 < text.size() && IsHalf(text[i + 1]) ? 2 : 1;
            SIZE size{};
            ::GetTextExtentPoint32W(MeasureDc, text.c_str() + i, units, &size);
            width += size.cx;
            i += static_cast<std::size_t>(units - 1);
        } else {
            width += CharWidth(text[i]);
        }
    }
    return width;
}

int TQZListBox::CharWidth(wchar_t unit) const
{
    int& width = Widths[unit];
    if (width < 0) {
        const UINT first = unit & ~0xFFu;
        int block[256];
        if (!::GetCharWidth32W(MeasureDc, first, first + 255, block))
            for (int& w : block)
                w = WidestChar;
        for (int i = 0; i < 256; ++i)
            Widths[first + static_cast<UINT>(i)] = block[i];
    }
    return width;
}

bool TQZListBox::IsItemCut(int index)
{
    if (index < 0 || index >= GetCount())
        return false;
    RECT item{};
    if (SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return false;
    const RECT client = GetClientRect();
    const int shownFrom = item.left;   // negative once scrolled to the right
    return shownFrom < 0 || shownFrom + TextWidth(std::wstring(Wide(GetString(index)))) + ItemMargin > client.right;
}

void TQZListBox::ForgetFont() const
{
    if (MeasureDc) {
        ::SelectObject(MeasureDc, MeasureOldFont);
        ::DeleteDC(MeasureDc);
    }
    MeasureDc = nullptr;
    MeasureOldFont = nullptr;
    Widths.clear();
    WidestChar = 0;
}
