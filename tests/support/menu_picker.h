#pragma once
// A person answering the next pop-up menu of this process.
#include "support/window_lookup.h"

#include "text/wide_text.h"

#include <atomic>
#include <thread>
#include <vector>

// A menu item's text as a person reads it: the marks of its letter ("&") gone, "&&" one "&",
// and the key written after a tab left off.
inline std::string MenuItemAsRead(HMENU menu, int position)
{
    wchar_t text[256] = L"";
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, static_cast<int>(std::size(text)), MF_BYPOSITION);
    std::wstring read;
    for (const wchar_t* c = text; *c && *c != L'\t'; ++c) {
        if (*c == L'&' && c[1])
            ++c;
        read += *c;
    }
    return Narrow(read);
}

// Watches, on another thread, for a pop-up menu of this process to open; notes where it opened
// and answers it with keys as a person would: Escape, which closes it, or Down as often as
// asked and then Enter, which picks that item, or the keys given (Right opens a submenu at its
// first item). Stop() ends the watch where no menu is expected.
class TMenuPicker {
public:
    TMenuPicker() : TMenuPicker(std::vector<WORD>{VK_ESCAPE}) {}
    explicit TMenuPicker(int downs) : TMenuPicker(Picking(downs)) {}
    // Any keys, in order: {VK_DOWN, VK_RIGHT, VK_RETURN} picks a submenu's first item.
    explicit TMenuPicker(std::vector<WORD> keys) : Keys(std::move(keys)), Worker([this] { Run(); }) {}
    ~TMenuPicker() { Stop(); }

    void Stop()
    {
        Stopping = true;
        if (Worker.joinable())
            Worker.join();
    }
    bool Opened() { Stop(); return Found; }
    RECT MenuRect() { Stop(); return Rect; }

private:
    static std::vector<WORD> Picking(int downs)
    {
        std::vector<WORD> keys(static_cast<std::size_t>(downs), VK_DOWN);
        keys.push_back(VK_RETURN);
        return keys;
    }

    void Run()
    {
        // Long enough for any menu to show; a test that expects none stops the watch at once.
        for (int round = 0; round < 1000 && !Stopping; ++round) {
            if (HWND menu = ShownMenu()) {
                ::GetWindowRect(menu, &Rect);
                Found = true;
                for (WORD key : Keys) {
                    ::PostMessageW(menu, WM_KEYDOWN, key, 1);
                    ::PostMessageW(menu, WM_KEYUP, key, 0xC0000001);
                }
                return;
            }
            ::Sleep(10);
        }
    }

    std::vector<WORD> Keys;
    std::atomic<bool> Stopping{false};
    std::atomic<bool> Found{false};
    RECT Rect{};
    std::thread Worker;
};
