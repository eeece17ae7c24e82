#pragma once
// The program's notices (the QZMex window) as a person reads them.
#include "controls/notice_window.h"
#include "support/window_lookup.h"

#include <windows.h>

#include <string>
#include <vector>

// The notices a command shows, read on this thread as each is painted: its caption and text.
class TNoticeWatch {
public:
    struct TSeen {
        std::string Caption;
        std::string Text;
        bool operator==(const TSeen&) const = default;
    };

    TNoticeWatch()
    {
        Current = this;
        Hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &Look, nullptr, ::GetCurrentThreadId());
    }
    ~TNoticeWatch()
    {
        ::UnhookWindowsHookEx(Hook);
        Current = nullptr;
    }
    TNoticeWatch(const TNoticeWatch&) = delete;
    TNoticeWatch& operator=(const TNoticeWatch&) = delete;

    std::vector<TSeen> Seen;

private:
    static LRESULT CALLBACK Look(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code >= 0 && Current && sent->message == WM_PAINT && ClassOf(sent->hwnd) == "QZMex" && CurrentNotice()) {
            TSeen seen{TextOf(sent->hwnd), CurrentNotice()->GetText()};
            if (Current->Seen.empty() || !(Current->Seen.back() == seen))
                Current->Seen.push_back(seen);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline TNoticeWatch* Current = nullptr;
    HHOOK Hook;
};
