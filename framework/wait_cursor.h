#pragma once
// The hourglass while a command works on the window's thread; the cursor before comes back after.
#include <windows.h>

class TWaitCursor {
public:
    TWaitCursor() : Old(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
    ~TWaitCursor() { ::SetCursor(Old); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;

private:
    HCURSOR Old;
};
