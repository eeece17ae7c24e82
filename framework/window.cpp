#include "framework/window.h"

#include "framework/application.h"
#include "text/wide_text.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace {

// The objects attached to window handles. Kept in the process rather than as window
// properties: every message looks its object up, and a property is a trip to the system.
class TAttachedObjects {
public:
    TWindow* Find(HWND handle)
    {
        AcquireSRWLockShared(&Guard);
        auto found = Objects.find(handle);
        TWindow* window = found == Objects.end() ? nullptr : found->second;
        ReleaseSRWLockShared(&Guard);
        return window;
    }
    void Attach(HWND handle, TWindow* window)
    {
        AcquireSRWLockExclusive(&Guard);
        Objects[handle] = window;
        ReleaseSRWLockExclusive(&Guard);
    }
    void Detach(HWND handle)
    {
        AcquireSRWLockExclusive(&Guard);
        Objects.erase(handle);
        ReleaseSRWLockExclusive(&Guard);
    }

private:
    SRWLOCK Guard = SRWLOCK_INIT;   // windows of several threads (a test's, say) look up at once
    std::unordered_map<HWND, TWindow*> Objects;
};

TAttachedObjects& AttachedObjects()
{
    static TAttachedObjects objects;
    return objects;
}

} // namespace

const TMessageEntry* TMessageTable::Find(const TMessage& message) const
{
    for (const TMessageTable* table = this; table; table = table->Base ? &table->Base() : nullptr) {
        for (std::size_t i = 0; i < table->Count; ++i) {
            const TMessageEntry& entry = table->Entries[i];
            switch (entry.Kind) {
            case TEntryKind::Message:
                if (entry.Message == message.Message)
                    return &entry;
                break;
            case TEntryKind::Command:
                if (message.Message == WM_COMMAND && message.CommandId() >= entry.IdFirst &&
                    message.CommandId() <= entry.IdLast &&
                    (entry.Message == AnyCode || entry.Message == message.NotifyCode() ||
                     (entry.Message == 0 && message.NotifyCode() == 1 && message.LParam == 0)))
                    return &entry;
                break;
            case TEntryKind::Registered:
                if (*entry.RegisteredMessage != 0 && *entry.RegisteredMessage == message.Message)
                    return &entry;
                break;
            case TEntryKind::Notify:
                if (message.Message == WM_NOTIFY) {
                    const NMHDR* header = reinterpret_cast<const NMHDR*>(message.LParam);
                    int id = static_cast<int>(header->idFrom);
                    if (id >= entry.IdFirst && id <= entry.IdLast &&
                        (entry.Message == AnyCode || entry.Message == header->code))
                        return &entry;
                }
                break;
            }
        }
    }
    return nullptr;
}

const TMessageTable& TWindow::ClassMessageTable()
{
    using TTableClass = TWindow;
    static constexpr TMessageEntry Entries[] = {
        ON_MESSAGE(WM_CLOSE, EvClose)
        ON_MESSAGE(WM_DESTROY, EvDestroy)
    };
    static constexpr TMessageTable Table = {nullptr, Entries, std::size(Entries)};
    return Table;
}

const TMessageTable& TWindow::GetMessageTable() const
{
    return ClassMessageTable();
}

TWindow::TWindow(TWindow* parent, const char* title) : Parent(parent), Title(title ? title : "")
{
    if (Parent)
        Parent->AddChild(this);
}

TWindow::~TWindow()
{
    if (Handle) {
        HWND handle = Handle;
        Detach();
        if (OwnsHandle)
            ::DestroyWindow(handle);
    }
    for (TWindow* child : ChildList)
        child->Parent = nullptr;
    if (Parent)
        Parent->RemoveChild(this);
}

TApplication* TWindow::GetApplication() const
{
    return TApplication::Current();
}

HINSTANCE TWindow::GetInstance() const
{
    return ::GetModuleHandleW(nullptr);
}

const char* TWindow::GetClassName() const
{
    return "StrandelWindow";
}

void TWindow::GetWindowClass(WNDCLASSW& windowClass) const
{
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &TWindow::StaticWindowProc;
    windowClass.hInstance = GetInstance();
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}

bool TWindow::Create()
{
    if (Handle)
        return true;
    const std::wstring className = Wide(GetClassName());
    WNDCLASSW existing;
    if (!::GetClassInfoW(GetInstance(), className.c_str(), &existing)) {
        WNDCLASSW windowClass = {};
        GetWindowClass(windowClass);
        windowClass.lpszClassName = className.c_str();
        if (!::RegisterClassW(&windowClass))
            return false;
    }
    Attr.Style &= ~StyleToClear;
    HWND parentHandle = Parent ? Parent->Handle : nullptr;
    HMENU idOrMenu = (Attr.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(Attr.Id)) : nullptr;
    ::CreateWindowExW(Attr.ExStyle, className.c_str(), Wide(Title).c_str(), Attr.Style, Attr.X, Attr.Y, Attr.W,
                      Attr.H, parentHandle, idOrMenu, GetInstance(), this);
    if (!Handle)
        return false;
    SetupWindow();
    return true;
}

void TWindow::SetupWindow()
{
    CreateChildren();
}

void TWindow::CreateChildren()
{
    for (TWindow* child : std::vector<TWindow*>(ChildList)) {
        if (child->Handle)
            continue;
        if (child->BindToResource) {
            HWND control = ::GetDlgItem(Handle, child->Attr.Id);
            if (!control)
                continue;
            child->OwnsHandle = false;
            child->Subclass(control);
            child->SetupWindow();
        } else {
            child->Create();
        }
    }
}

void TWindow::CleanupWindow()
{
}

bool TWindow::CanClose()
{
    for (TWindow* child : ChildList)
        if (child->Handle && !child->CanClose())
            return false;
    return true;
}

bool TWindow::PreProcessMsg(MSG&)
{
    return false;
}

LRESULT TWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    TMessage m{Handle, message, wParam, lParam};
    // Messages nest (a handler's own sends come back here): each restores the one it interrupted.
    struct TCurrentMessage {
        TMessage*& Slot;
        TMessage* Outer;
        ~TCurrentMessage() { Slot = Outer; }
    } current{Current, std::exchange(Current, &m)};
    if (const TMessageEntry* entry = GetMessageTable().Find(m))
        return entry->Handler(*this, m);
    if (message == WM_COMMAND)
        return UnhandledCommand(m);
    return DefaultProcessing(m);
}

LRESULT TWindow::UnhandledCommand(TMessage& message)
{
    return DefaultProcessing(message);
}

LRESULT TWindow::DefaultProcessing(TMessage& message)
{
    return DefWindowProc(message.Message, message.WParam, message.LParam);
}

LRESULT TWindow::DefaultProcessing()
{
    return Current ? DefaultProcessing(*Current) : 0;
}

LRESULT TWindow::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (PreviousProc)
        return ::CallWindowProcW(PreviousProc, Handle, message, wParam, lParam);
    return ::DefWindowProcW(Handle, message, wParam, lParam);
}

LRESULT TWindow::ReceiveMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SafeWindowProc(*this, message, wParam, lParam);
}

LRESULT TWindow::EvClose(TMessage&)
{
    CloseWindow();
    return 0;
}

LRESULT TWindow::EvDestroy(TMessage& message)
{
    CleanupWindow();
    return DefaultProcessing(message);
}

void TWindow::CloseWindow()
{
    if (CanClose())
        Destroy();
}

void TWindow::ClearStyle(DWORD bits)
{
    if (!Handle) {
        StyleToClear |= bits;
        return;
    }
    LONG_PTR style = ::GetWindowLongPtrW(Handle, GWL_STYLE);
    ::SetWindowLongPtrW(Handle, GWL_STYLE, style & ~static_cast<LONG_PTR>(bits));
    ::SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWindow::Destroy()
{
    if (Handle)
        ::DestroyWindow(Handle);
}

LRESULT TWindow::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(Handle, message, wParam, lParam);
}

BOOL TWindow::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(Handle, message, wParam, lParam);
}

std::string TWindow::GetWindowText() const
{
    int length = ::GetWindowTextLengthW(Handle);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int got = ::GetWindowTextW(Handle, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return Narrow(text);
}

void TWindow::SetWindowText(const std::string& text) const
{
    ::SetWindowTextW(Handle, Wide(text).c_str());
}

RECT TWindow::GetClientRect() const
{
    RECT rect{};
    ::GetClientRect(Handle, &rect);
    return rect;
}

RECT TWindow::GetWindowRect() const
{
    RECT rect{};
    ::GetWindowRect(Handle, &rect);
    return rect;
}

void TWindow::Invalidate(bool erase) const
{
    ::InvalidateRect(Handle, nullptr, erase);
}

bool TWindow::IsWindowVisible() const
{
    return Handle && ::IsWindowVisible(Handle);
}

bool TWindow::Show(int command) const
{
    return ::ShowWindow(Handle, command);
}

TWindow* TWindow::FromHandle(HWND handle)
{
    return handle ? AttachedObjects().Find(handle) : nullptr;
}

void TWindow::Attach(HWND handle)
{
    Handle = handle;
    AttachedObjects().Attach(handle, this);
}

void TWindow::Subclass(HWND handle)
{
    Attach(handle);
    // Set through the wide function, the window stays a Unicode window: its text and character
    // messages reach the class's own procedure as UTF-16, never through a code page.
    PreviousProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWindow::StaticWindowProc)));
}

void TWindow::Detach()
{
    if (!Handle)
        return;
    if (PreviousProc) {
        ::SetWindowLongPtrW(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PreviousProc));
        PreviousProc = nullptr;
    }
    AttachedObjects().Detach(Handle);
    Handle = nullptr;
}

void TWindow::AddChild(TWindow* child)
{
    ChildList.push_back(child);
}

void TWindow::RemoveChild(TWindow* child)
{
    ChildList.erase(std::remove(ChildList.begin(), ChildList.end(), child), ChildList.end());
}

LRESULT TWindow::SafeWindowProc(TWindow& window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return window.WindowProc(message, wParam, lParam);
    } catch (...) {
        TApplication::KeepException(std::current_exception());
        return 0;
    }
}

LRESULT CALLBACK TWindow::StaticWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    TWindow* window = FromHandle(handle);
    if (!window && message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        window = static_cast<TWindow*>(create->lpCreateParams);
        if (window)
            window->Attach(handle);
    }
    if (!window)
        return ::DefWindowProcW(handle, message, wParam, lParam);

    LRESULT result = SafeWindowProc(*window, message, wParam, lParam);
    if (message == WM_NCDESTROY && window->Handle == handle)
        window->Detach();
    return result;
}

std::vector<HWND> Descendants(HWND window)
{
    std::vector<HWND> found;
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}
