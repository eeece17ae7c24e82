#include "framework/control.h"

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
    WNDCLASSA existing;
    if (!::GetClassInfoA(GetInstance(), GetClassName(), &existing) ||
        existing.lpfnWndProc == &TWindow::StaticWindowProc)
        return TWindow::Create();
    Attr.Style &= ~StyleToClear;
    HWND parentHandle = GetParentObject() ? GetParentObject()->GetHandle() : nullptr;
    HWND handle = ::CreateWindowExA(Attr.ExStyle, GetClassName(), Title.c_str(), Attr.Style, Attr.X, Attr.Y,
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

LRESULT TListBox::Ask(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (PreviousProc)
        return ::CallWindowProcA(PreviousProc, Handle, message, wParam, lParam);
    return SendMessage(message, wParam, lParam);
}

LRESULT TListBox::AskWide(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (PreviousProcW)
        return ::CallWindowProcW(PreviousProcW, Handle, message, wParam, lParam);
    return ::SendMessageW(Handle, message, wParam, lParam);
}

int TListBox::GetCount() const
{
    return static_cast<int>(Ask(LB_GETCOUNT));
}

int TListBox::AddString(const std::string& text) const
{
    return static_cast<int>(Ask(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int TListBox::InsertString(const std::string& text, int index) const
{
    return static_cast<int>(
        Ask(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}

int TListBox::DeleteString(int index) const
{
    return static_cast<int>(Ask(LB_DELETESTRING, static_cast<WPARAM>(index)));
}

void TListBox::ClearList() const
{
    Ask(LB_RESETCONTENT);
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
    // Read as wide text: Wine hands a list box's text to callers of the ANSI message through
    // a buffer of 512 characters, and a longer entry overruns it.
    const LRESULT length = AskWide(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    text.clear();
    if (length == LB_ERR)
        return;
    Wide.resize(static_cast<std::size_t>(length) + 1);
    const LRESULT got = AskWide(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(Wide.data()));
    if (got == LB_ERR || got <= 0)
        return;
    const int size = static_cast<int>(got);
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, Wide.data(), size, nullptr, 0, nullptr, nullptr);
    text.resize(static_cast<std::size_t>(bytes > 0 ? bytes : 0));
    if (bytes > 0)
        ::WideCharToMultiByte(CP_ACP, 0, Wide.data(), size, text.data(), bytes, nullptr, nullptr);
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

TEdit::TEdit(TWindow* parent, int resourceId, int textLimit) : TControl(parent, resourceId), TextLimit(textLimit)
{
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
    if (text.size() > max)
        text.resize(max);
    return text;
}
