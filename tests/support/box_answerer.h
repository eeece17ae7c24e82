#pragma once
// A person answering the next dialog box of this process.
#include "support/window_lookup.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

// Waits on another thread for the next dialog box of this process with the given caption
// (any, when empty), notes its caption and text, and presses one of its buttons, as a person
// reading it would.
class TBoxAnswerer {
public:
    // fill: what the person does in the box before pressing the button (types a name, say).
    // textPart: only a message box whose text holds it (a question that follows another box
    // of the same caption, say).
    explicit TBoxAnswerer(int button = IDOK, std::string caption = {}, int timeoutMs = 15000,
                          std::function<void(HWND)> fill = {}, std::string textPart = {})
        : Button(button), WantedCaption(std::move(caption)), WantedText(std::move(textPart)), Fill(std::move(fill)),
          Worker([this, timeoutMs] { Run(timeoutMs); })
    {
    }
    ~TBoxAnswerer() { Wait(); }

    void Wait()
    {
        if (Worker.joinable())
            Worker.join();
    }
    bool Answered() { Wait(); return Found; }
    const std::string& Caption() { Wait(); return SeenCaption; }
    const std::string& Text() { Wait(); return SeenText; }
    // The button Enter would press.
    int DefaultButton() { Wait(); return SeenDefault; }

private:
    void Run(int timeoutMs)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        HWND box = nullptr;
        while (!(box = FindBox())) {
            if (std::chrono::steady_clock::now() >= end)
                return;
            ::Sleep(20);
        }
        ::Sleep(50);   // a person takes a moment to read
        SeenCaption = TextOf(box);
        SeenText = TextOf(::GetDlgItem(box, 0xFFFF));   // a message box's text
        for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if ((::GetWindowLongW(child, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON)
                SeenDefault = ::GetDlgCtrlID(child);
        Found = true;
        if (Fill)
            Fill(box);
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(Button, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(box, Button)));
    }

    HWND FindBox() const
    {
        return FindShownWindow(::GetCurrentProcessId(), "#32770", WantedCaption, WantedText);
    }

    int Button;
    std::string WantedCaption;
    std::string WantedText;
    std::string SeenCaption;
    std::string SeenText;
    int SeenDefault = 0;
    std::function<void(HWND)> Fill;
    std::atomic<bool> Found{false};
    std::thread Worker;
};
