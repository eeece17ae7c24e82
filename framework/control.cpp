#include "framework/control.h"

#include "text/wide_text.h"

TControl::TControl(TWindow* parent, int resourceId) : TWindow(parent)
{
    Attr.Id = resourceId;
    BindToResource = true;
    OwnsHandle = false;
}

TControl::TControl(TWindow* parent, int id, const char* title, int x, int y, int w, int h)
    : TWindow(parent, title)
{
    Attr.Id = id;
    Attr.X = x;
    Attr.Y = y;
    Attr.W = w;
    Attr.H = h;
}

bool TControl::Create()
{
    if (Handle)
        return true;
    // A class of the program's own is registered and attached like any framework window.
    const std::wstring className = Wide(GetClassName());
    WNDCLASSW existing;
    if (!::GetClassInfoW(GetInstance(), className.c_str(), &existing) ||
        existing.lpfnWndProc == &TWindow::StaticWindowProc)
        return TWindow::Create();
    Attr.Style &= ~StyleToClear;
    HWND parentHandle = GetParentObject() ? GetParentObject()->GetHandle() : nullptr;
    HWND handle = ::CreateWindowExW(Attr.ExStyle, className.c_str(), Wide(Title).c_str(), Attr.Style, Attr.X, Attr.Y,
                                    Attr.W, Attr.H, parentHandle,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(Attr.Id)), GetInstance(), nullptr);
    if (!handle)
        return false;
    OwnsHandle = true;
    Subclass(handle);
    SetupWindow();
    return true;
}

// ---- TListBox ----

namespace {

// Posted to the list box itself: the changes so far go to the parent as one notice.
const UINT ListChangeMessage = ::RegisterWindowMessageW(L"StrandelListChanged");

bool ChangesList(UINT message)
{
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case LB_SETCURSEL:
        return true;
    default:
        return false;
    }
}

} // namespace

LRESULT TListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == ListChangeMessage) {
        NoticePosted = false;
        if (HWND parent = ::GetParent(Handle))
            ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(Attr.Id, LBN_ITEMSCHANGED), reinterpret_cast<LPARAM>(Handle));
        return 0;
    }
    // The user's clicks and keys move the selection without a message of the list above.
    if (ChangesList(message) || message == WM_LBUTTONDOWN || message == WM_KEYDOWN)
        NoteChange();
    return TControl::WindowProc(message, wParam, lParam);
}

void TListBox::NoteChange() const
{
    if (!ChangeNotices || NoticePosted || !Handle)
        return;
    NoticePosted = ::PostMessageW(Handle, ListChangeMessage, 0, 0) != FALSE;
}

LRESULT TListBox::Ask(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (ChangesList(message))
        NoteChange();
    if (PreviousProc)
        return ::CallWindowProcW(PreviousProc, Handle, message, wParam, lParam);
    return SendMessage(message, wParam, lParam);
}

int TListBox::GetCount() const
{
    return static_cast<int>(Ask(LB_GETCOUNT));
}

int TListBox::AddString(const std::string& text) const
{
    const std::wstring wide = Wide(text);
    const auto index = static_cast<int>(Ask(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
    if (index >= 0)
        StringAdded(wide);
    return index;
}

int TListBox::InsertString(const std::string& text, int index) const
{
    const std::wstring wide = Wide(text);
    const auto inserted = static_cast<int>(
        Ask(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str())));
    if (inserted >= 0)
        StringAdded(wide);
    return inserted;
}

int TListBox::DeleteString(int index) const
{
    return static_cast<int>(Ask(LB_DELETESTRING, static_cast<WPARAM>(index)));
}

void TListBox::ClearList() const
{
    Ask(LB_RESETCONTENT);
    Cleared();
}

int TListBox::GetSelIndex() const
{
    return static_cast<int>(Ask(LB_GETCURSEL));
}

int TListBox::SetSelIndex(int index) const
{
    return static_cast<int>(Ask(LB_SETCURSEL, static_cast<WPARAM>(index)));
}

std::string TListBox::GetString(int index) const
{
    std::string text;
    GetString(index, text);
    return text;
}

void TListBox::GetString(int index, std::string& text) const
{
    const LRESULT length = Ask(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    text.clear();
    if (length == LB_ERR)
        return;
    Entry.resize(static_cast<std::size_t>(length) + 1);
    const LRESULT got = Ask(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(Entry.data()));
    if (got == LB_ERR || got <= 0)
        return;
    Utf16Detail::AppendUtf8FromUtf16(text, Entry.data(), static_cast<std::size_t>(got));
}

LPARAM TListBox::GetItemData(int index) const
{
    return Ask(LB_GETITEMDATA, static_cast<WPARAM>(index));
}

int TListBox::SetItemData(int index, LPARAM data) const
{
    return static_cast<int>(Ask(LB_SETITEMDATA, static_cast<WPARAM>(index), data));
}

// ---- TEdit ----

namespace {

bool IsHighHalf(wchar_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowHalf(wchar_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The clipboard's Unicode text, as a paste would take it.
std::wstring ClipboardText(HWND owner)
{
    std::wstring text;
    if (!::OpenClipboard(owner))
        return text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = units;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

} // namespace

BEGIN_MESSAGE_TABLE(TEdit, TControl)
    ON_MESSAGE(WM_CHAR, EvChar)
    ON_MESSAGE(WM_PASTE, EvPaste)
END_MESSAGE_TABLE()

TEdit::TEdit(TWindow* parent, int resourceId, int textLimit) : TControl(parent, resourceId), TextLimit(textLimit)
{
}

std::size_t TEdit::Room() const
{
    const auto limit = static_cast<std::size_t>(SendMessage(EM_GETLIMITTEXT));
    DWORD start = 0, end = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const auto length = static_cast<std::size_t>(::GetWindowTextLengthW(Handle));
    const std::size_t kept = length - (end > start && end - start <= length ? end - start : 0);
    return limit > kept ? limit - kept : 0;
}

LRESULT TEdit::EvChar(TMessage& message)
{
    // The system would take the first half of a pair that has room for one unit only.
    const auto unit = static_cast<wchar_t>(message.WParam);
    if (IsHighHalf(unit)) {
        RefusingLowHalf = Room() < 2;
        if (RefusingLowHalf) {
            ::MessageBeep(MB_OK);
            return 0;
        }
    } else if (IsLowHalf(unit) && RefusingLowHalf) {
        RefusingLowHalf = false;
        return 0;
    }
    return DefaultProcessing(message);
}

LRESULT TEdit::EvPaste(TMessage& message)
{
    // The system cuts a paste at the limit, pairs or not: where it would end inside a pair it is
    // made to stop one unit earlier.
    const std::size_t room = Room();
    std::wstring text = ClipboardText(Handle);
    if (!(::GetWindowLongPtrW(Handle, GWL_STYLE) & ES_MULTILINE))
        text = text.substr(0, text.find_first_of(L"\r\n"));   // a one-line field takes the first line
    if (text.size() <= room || room == 0 || !IsHighHalf(text[room - 1]))
        return DefaultProcessing(message);
    const LRESULT limit = SendMessage(EM_GETLIMITTEXT);
    SendMessage(EM_SETLIMITTEXT, static_cast<WPARAM>(limit - 1));
    const LRESULT result = DefaultProcessing(message);
    SendMessage(EM_SETLIMITTEXT, static_cast<WPARAM>(limit));
    return result;
}

void TEdit::SetupWindow()
{
    TControl::SetupWindow();
    if (TextLimit > 0)
        LimitText(TextLimit);
}

void TEdit::LimitText(int limit) const
{
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(limit));
}

std::string TEdit::GetText(std::size_t max) const
{
    std::string text = GetWindowText();
    text.resize(CutToUtf16Units(text, max).size());
    return text;
}
