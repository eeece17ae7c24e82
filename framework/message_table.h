#pragma once
// Static message tables: each window class lists (message or notification code, id range,
// handler) entries; a window looks in its own table, then in its base class's, and falls
// back to the default procedure. First match wins.
#include <windows.h>

#include <cstddef>

class TWindow;

struct TMessage {
    HWND Window;
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;

    int CommandId() const { return LOWORD(WParam); }
    UINT NotifyCode() const { return HIWORD(WParam); }
    POINT Point() const { return {static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))}; }
};

using TMessageHandler = LRESULT (*)(TWindow& window, TMessage& message);

// How an entry matches: a plain message; a WM_COMMAND from a menu, an accelerator or a
// control with the given notification code; a WM_NOTIFY with the given code.
// A registered message is matched by the value its variable holds at run time.
enum class TEntryKind : unsigned char { Message, Command, Notify, Registered };

// A WM_MENUSELECT's flags and menu when the menu has closed rather than moved to an item, and
// the wParam that says so (its lParam is 0).
constexpr bool MenuClosed(UINT flags, HMENU menu)
{
    return flags == 0xFFFF && !menu;
}
constexpr WPARAM MenuClosedWParam = MAKEWPARAM(0, 0xFFFF);

// Matches every notification code of a command or notify entry.
constexpr UINT AnyCode = 0xFFFFFFFFu;

struct TMessageEntry {
    TEntryKind Kind;
    UINT Message;   // the message, or the notification code for Command and Notify entries
    int IdFirst;    // command or control ids, both ends included
    int IdLast;
    TMessageHandler Handler;
    const UINT* RegisteredMessage = nullptr;
};

struct TMessageTable {
    const TMessageTable& (*Base)();   // the base class's table; null for the root
    const TMessageEntry* Entries;
    std::size_t Count;

    // The first entry of this table or of its bases that takes the message, or null.
    const TMessageEntry* Find(const TMessage& message) const;
};

namespace MessageTableDetail {

template <class T, LRESULT (T::*Handler)(TMessage&)>
LRESULT Call(TWindow& window, TMessage& message)
{
    return (static_cast<T&>(window).*Handler)(message);
}

template <class T, void (T::*Handler)()>
LRESULT CallCommand(TWindow& window, TMessage&)
{
    (static_cast<T&>(window).*Handler)();
    return 0;
}

template <class T, void (T::*Handler)(UINT, POINT)>
LRESULT CallMouse(TWindow& window, TMessage& message)
{
    (static_cast<T&>(window).*Handler)(static_cast<UINT>(message.WParam), message.Point());
    return 0;
}

template <class T, void (T::*Handler)(UINT_PTR)>
LRESULT CallTimer(TWindow& window, TMessage& message)
{
    (static_cast<T&>(window).*Handler)(static_cast<UINT_PTR>(message.WParam));
    return 0;
}

template <class T, bool (T::*Handler)(HWND, UINT, UINT)>
LRESULT CallSetCursor(TWindow& window, TMessage& message)
{
    return (static_cast<T&>(window).*Handler)(reinterpret_cast<HWND>(message.WParam), LOWORD(message.LParam),
                                               HIWORD(message.LParam)) ? TRUE : FALSE;
}

template <class T, void (T::*Handler)(const WINDOWPOS&)>
LRESULT CallWindowPos(TWindow& window, TMessage& message)
{
    if (const auto* position = reinterpret_cast<const WINDOWPOS*>(message.LParam))
        (static_cast<T&>(window).*Handler)(*position);
    return 0;
}

template <class T, void (T::*Handler)(UINT, UINT, HMENU)>
LRESULT CallMenuSelect(TWindow& window, TMessage& message)
{
    (static_cast<T&>(window).*Handler)(LOWORD(message.WParam), HIWORD(message.WParam),
                                        reinterpret_cast<HMENU>(message.LParam));
    return 0;
}

template <class T, LRESULT (T::*Handler)(HWND, const COPYDATASTRUCT*)>
LRESULT CallCopyData(TWindow& window, TMessage& message)
{
    return (static_cast<T&>(window).*Handler)(reinterpret_cast<HWND>(message.WParam),
                                               reinterpret_cast<const COPYDATASTRUCT*>(message.LParam));
}

template <class T, void (T::*Handler)(HWND)>
LRESULT CallWindowArgument(TWindow& window, TMessage& message)
{
    (static_cast<T&>(window).*Handler)(reinterpret_cast<HWND>(message.WParam));
    return 0;
}

} // namespace MessageTableDetail

// At the end of the class: the class's table and the virtual lookup that returns it.
#define DECLARE_MESSAGE_TABLE()                                                      \
public:                                                                              \
    static const TMessageTable& ClassMessageTable();                                 \
    const TMessageTable& GetMessageTable() const override { return ClassMessageTable(); } \
                                                                                     \
private:

// In the source file: the entries between these two, for class cls derived from base. The
// table is built inside a member function, so handlers may be protected or private, and the
// entries name neither the class nor its base: TTableClass stands for the class.
#define BEGIN_MESSAGE_TABLE(cls, base)                  \
    const TMessageTable& cls::ClassMessageTable()       \
    {                                                   \
        using TTableClass = cls;                        \
        using TTableBase = base;                        \
        static constexpr TMessageEntry Entries[] = {
#define END_MESSAGE_TABLE()                                                                           \
        };                                                                                            \
        static constexpr TMessageTable Table = {&TTableBase::ClassMessageTable, Entries, std::size(Entries)}; \
        return Table;                                                                                 \
    }

// Handlers of the form LRESULT Handler(TMessage&).
#define ON_MESSAGE(message, handler) \
    {TEntryKind::Message, message, 0, 0, &MessageTableDetail::Call<TTableClass, &TTableClass::handler>},
// Handlers of the form void Handler() for a menu command, button click or accelerator.
#define ON_COMMAND(id, handler) \
    {TEntryKind::Command, 0, id, id, &MessageTableDetail::CallCommand<TTableClass, &TTableClass::handler>},
#define ON_COMMAND_RANGE(first, last, handler) \
    {TEntryKind::Command, 0, first, last, &MessageTableDetail::Call<TTableClass, &TTableClass::handler>},
// Every WM_COMMAND notification (any code) of one control, LRESULT Handler(TMessage&).
#define ON_CONTROL_ANY(id, handler) \
    {TEntryKind::Command, AnyCode, id, id, &MessageTableDetail::Call<TTableClass, &TTableClass::handler>},
// One notification code of one control: void Handler().
#define ON_CONTROL(code, id, handler) \
    {TEntryKind::Command, code, id, id, &MessageTableDetail::CallCommand<TTableClass, &TTableClass::handler>},
// A message registered with RegisterWindowMessage, whose number the variable holds.
#define ON_REGISTERED(variable, handler) \
    {TEntryKind::Registered, 0, 0, 0, &MessageTableDetail::Call<TTableClass, &TTableClass::handler>, &variable},
#define ON_NOTIFY(code, id, handler) \
    {TEntryKind::Notify, code, id, id, &MessageTableDetail::Call<TTableClass, &TTableClass::handler>},

// Messages the program's windows handle again and again, decoded once. A handler that adds to
// the system's handling calls DefaultProcessing() for the message being handled.

// void Handler(UINT keys, POINT point), the point in client coordinates (any mouse message).
#define ON_MOUSE(message, handler) \
    {TEntryKind::Message, message, 0, 0, &MessageTableDetail::CallMouse<TTableClass, &TTableClass::handler>},
#define ON_WM_MOUSEMOVE(handler) ON_MOUSE(WM_MOUSEMOVE, handler)
#define ON_WM_LBUTTONDOWN(handler) ON_MOUSE(WM_LBUTTONDOWN, handler)
#define ON_WM_RBUTTONDOWN(handler) ON_MOUSE(WM_RBUTTONDOWN, handler)
#define ON_WM_RBUTTONUP(handler) ON_MOUSE(WM_RBUTTONUP, handler)
// void Handler(UINT_PTR timerId)
#define ON_WM_TIMER(handler) \
    {TEntryKind::Message, WM_TIMER, 0, 0, &MessageTableDetail::CallTimer<TTableClass, &TTableClass::handler>},
// bool Handler(HWND window, UINT hitTest, UINT mouseMessage): true when the cursor was set
#define ON_WM_SETCURSOR(handler) \
    {TEntryKind::Message, WM_SETCURSOR, 0, 0, &MessageTableDetail::CallSetCursor<TTableClass, &TTableClass::handler>},
// void Handler(const WINDOWPOS& position)
#define ON_WM_WINDOWPOSCHANGED(handler) \
    {TEntryKind::Message, WM_WINDOWPOSCHANGED, 0, 0, &MessageTableDetail::CallWindowPos<TTableClass, &TTableClass::handler>},
// void Handler(HWND other): the window that takes the mouse or the focus
#define ON_WM_CAPTURECHANGED(handler) \
    {TEntryKind::Message, WM_CAPTURECHANGED, 0, 0, &MessageTableDetail::CallWindowArgument<TTableClass, &TTableClass::handler>},
#define ON_WM_KILLFOCUS(handler) \
    {TEntryKind::Message, WM_KILLFOCUS, 0, 0, &MessageTableDetail::CallWindowArgument<TTableClass, &TTableClass::handler>},
// void Handler(UINT item, UINT flags, HMENU menu): the item highlighted in the menu, or the
// menu closed (see MenuClosed).
#define ON_WM_MENUSELECT(handler) \
    {TEntryKind::Message, WM_MENUSELECT, 0, 0, &MessageTableDetail::CallMenuSelect<TTableClass, &TTableClass::handler>},
// LRESULT Handler(HWND sender, const COPYDATASTRUCT* record)
#define ON_WM_COPYDATA(handler) \
    {TEntryKind::Message, WM_COPYDATA, 0, 0, &MessageTableDetail::CallCopyData<TTableClass, &TTableClass::handler>},
