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
    const TMessageTable* Base;
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

} // namespace MessageTableDetail

// At the end of the class: the table, its entries and the virtual lookup that returns it.
#define DECLARE_MESSAGE_TABLE()                                   \
public:                                                           \
    static const TMessageTable MessageTable;                      \
    const TMessageTable& GetMessageTable() const override;        \
                                                                  \
private:                                                          \
    static const TMessageEntry MessageEntries[];

// In the source file: the entries between these two, for class cls derived from base.
// The entries are a static member, so handlers may be protected or private.
#define BEGIN_MESSAGE_TABLE(cls, base)                                          \
    const TMessageTable& cls::GetMessageTable() const { return MessageTable; } \
    const TMessageEntry cls::MessageEntries[] = {
#define END_MESSAGE_TABLE(cls, base)                                            \
    };                                                                          \
    const TMessageTable cls::MessageTable = {&base::MessageTable, cls::MessageEntries, \
                                             std::size(cls::MessageEntries)};

// Handlers of the form LRESULT Handler(TMessage&).
#define ON_MESSAGE(cls, message, handler) \
    {TEntryKind::Message, message, 0, 0, &MessageTableDetail::Call<cls, &cls::handler>},
// Handlers of the form void Handler() for a menu command, button click or accelerator.
#define ON_COMMAND(cls, id, handler) \
    {TEntryKind::Command, 0, id, id, &MessageTableDetail::CallCommand<cls, &cls::handler>},
#define ON_COMMAND_RANGE(cls, first, last, handler) \
    {TEntryKind::Command, 0, first, last, &MessageTableDetail::Call<cls, &cls::handler>},
// Every WM_COMMAND notification (any code) of one control, LRESULT Handler(TMessage&).
#define ON_CONTROL_ANY(cls, id, handler) \
    {TEntryKind::Command, AnyCode, id, id, &MessageTableDetail::Call<cls, &cls::handler>},
// A message registered with RegisterWindowMessage, whose number the variable holds.
#define ON_REGISTERED(cls, variable, handler) \
    {TEntryKind::Registered, 0, 0, 0, &MessageTableDetail::Call<cls, &cls::handler>, &variable},
#define ON_NOTIFY(cls, code, id, handler) \
    {TEntryKind::Notify, code, id, id, &MessageTableDetail::Call<cls, &cls::handler>},
