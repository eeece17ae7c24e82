#pragma once
// One log of the messages windows of this thread get, and the check that it holds an expected
// sequence, as Wine's conformance tests have it: the expected messages are constant tables.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

struct TLoggedMessage {
    HWND Window;
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
};

// What of an expected message must match beside its number.
enum TMatch : unsigned {
    MessageOnly = 0,
    WParamIs = 1,    // wParam is the one given
    LParamIs = 2,    // lParam is the one given
    LParamSet = 4,   // lParam is not zero: a control's notification, a menu's handle
};

struct TExpectedMessage {
    UINT Message;
    unsigned Match = MessageOnly;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
};

class TMessageLog {
public:
    // A log of what windows note themselves (Note), hooking nothing.
    TMessageLog() = default;
    // Also notes, while it lives, the messages of these kinds that reach the window (any
    // window of this thread when null), sent or taken from the queue. One such watch at a time.
    TMessageLog(HWND window, std::vector<UINT> kinds) : Window(window), Kinds(std::move(kinds))
    {
        Watching = this;
        Sent = ::SetWindowsHookExW(WH_CALLWNDPROC, &LookAtSent, nullptr, ::GetCurrentThreadId());
        Queued = ::SetWindowsHookExW(WH_GETMESSAGE, &LookAtQueued, nullptr, ::GetCurrentThreadId());
    }
    ~TMessageLog()
    {
        if (Sent)
            ::UnhookWindowsHookEx(Sent);
        if (Queued)
            ::UnhookWindowsHookEx(Queued);
        if (Watching == this)
            Watching = nullptr;
    }
    TMessageLog(const TMessageLog&) = delete;
    TMessageLog& operator=(const TMessageLog&) = delete;

    // A message a window handled without the system's help (delivered by ReceiveMessage, say).
    void Note(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        Messages.push_back({window, message, wParam, lParam});
    }
    void Clear() { Messages.clear(); }

    // The noted messages of one kind, in order.
    std::vector<TLoggedMessage> Of(UINT message) const
    {
        std::vector<TLoggedMessage> found;
        std::copy_if(Messages.begin(), Messages.end(), std::back_inserter(found),
                     [message](const TLoggedMessage& m) { return m.Message == message; });
        return found;
    }
    int Count(UINT message, WPARAM wParam) const
    {
        return static_cast<int>(std::count_if(Messages.begin(), Messages.end(), [&](const TLoggedMessage& m) {
            return m.Message == message && m.WParam == wParam;
        }));
    }

    std::vector<TLoggedMessage> Messages;

private:
    bool Wants(HWND window, UINT message) const
    {
        return (!Window || window == Window) &&
               (Kinds.empty() || std::find(Kinds.begin(), Kinds.end(), message) != Kinds.end());
    }
    static LRESULT CALLBACK LookAtSent(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code >= 0 && Watching && Watching->Wants(sent->hwnd, sent->message))
            Watching->Note(sent->hwnd, sent->message, sent->wParam, sent->lParam);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK LookAtQueued(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* queued = reinterpret_cast<const MSG*>(lParam);
        // Only a message taken off the queue: a look that leaves it there comes back.
        if (code >= 0 && wParam == PM_REMOVE && Watching && Watching->Wants(queued->hwnd, queued->message))
            Watching->Note(queued->hwnd, queued->message, queued->wParam, queued->lParam);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline TMessageLog* Watching = nullptr;
    HWND Window = nullptr;
    std::vector<UINT> Kinds;
    HHOOK Sent = nullptr;
    HHOOK Queued = nullptr;
};

namespace MessageLogDetail {

inline std::string Describe(UINT message, WPARAM wParam, LPARAM lParam)
{
    char text[96];
    std::snprintf(text, sizeof text, "message %04X wParam %llX lParam %llX", message,
                  static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam));
    return text;
}

inline bool Matches(const TExpectedMessage& expected, const TLoggedMessage& got)
{
    return got.Message == expected.Message && (!(expected.Match & WParamIs) || got.WParam == expected.WParam) &&
           (!(expected.Match & LParamIs) || got.LParam == expected.LParam) &&
           (!(expected.Match & LParamSet) || got.LParam != 0);
}

} // namespace MessageLogDetail

// The noted messages of the expected kinds are the expected ones, in their order (other kinds
// the log noted are passed over). EXPECT_TRUE(HoldsSequence(log, table)) says where they part
// and what was heard.
inline ::testing::AssertionResult HoldsSequence(const TMessageLog& log, std::span<const TExpectedMessage> expected)
{
    using MessageLogDetail::Describe;
    std::vector<TLoggedMessage> got;
    for (const TLoggedMessage& m : log.Messages)
        if (std::any_of(expected.begin(), expected.end(), [&](const TExpectedMessage& e) { return e.Message == m.Message; }))
            got.push_back(m);
    std::string heard;
    for (const TLoggedMessage& m : got)
        heard += "\n  " + Describe(m.Message, m.WParam, m.LParam);
    for (std::size_t i = 0; i < std::max(got.size(), expected.size()); ++i) {
        if (i >= got.size())
            return ::testing::AssertionFailure()
                   << "missing at " << i << ": " << Describe(expected[i].Message, expected[i].WParam, expected[i].LParam)
                   << "; heard:" << heard;
        if (i >= expected.size() || !MessageLogDetail::Matches(expected[i], got[i]))
            return ::testing::AssertionFailure() << "not as expected at " << i << "; heard:" << heard;
    }
    return ::testing::AssertionSuccess();
}
