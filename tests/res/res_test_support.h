#pragma once
// Shared by the resource tests: the module that holds the resources, a plain
// parent window for child dialogs, and small readers of window and resource data.
#include <windows.h>

#include <string>

inline HINSTANCE Module()
{
    return GetModuleHandleA(nullptr);
}

inline std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

inline std::string TextOf(HWND window)
{
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
    return text;
}

// The program reads hints into a buffer of 499 characters.
inline std::string StringResource(UINT id)
{
    char text[499] = {};
    int length = LoadStringA(Module(), id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

// Window rectangle of a control in its dialog's client coordinates.
inline RECT PlaceOf(HWND control)
{
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// As the dialog manager places a control: position and size converted apart.
inline RECT DialogUnitsToPixels(HWND dialog, int x, int y, int width, int height)
{
    RECT units{x, y, width, height};
    MapDialogRect(dialog, &units);
    return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

inline bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

inline std::string Describe(const RECT& r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// Raw bytes of a resource in the module; null when it is missing.
inline const BYTE* ResourceBytes(LPCSTR name, LPCSTR type, DWORD* size = nullptr)
{
    HRSRC found = FindResourceA(Module(), name, type);
    if (!found)
        return nullptr;
    if (size)
        *size = SizeofResource(Module(), found);
    return static_cast<const BYTE*>(LockResource(LoadResource(Module(), found)));
}

// A top-level window that owns nothing but its child dialogs. It stays hidden:
// under Xvfb without a window manager, showing one costs seconds.
class TParentWindow {
public:
    TParentWindow()
    {
        static const ATOM atom = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = DefWindowProcA;
            wc.hInstance = Module();
            wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            wc.lpszClassName = "StrandelResTestParent";
            return RegisterClassA(&wc);
        }();
        Handle = CreateWindowA(MAKEINTATOM(atom), "res_test", WS_OVERLAPPEDWINDOW,
                               0, 0, 800, 700, nullptr, nullptr, Module(), nullptr);
    }
    ~TParentWindow() { DestroyWindow(Handle); }
    TParentWindow(const TParentWindow&) = delete;
    TParentWindow& operator=(const TParentWindow&) = delete;

    HWND Get() const { return Handle; }

private:
    HWND Handle;
};

// A dialog made from a resource by the system's dialog manager, with a
// procedure that handles nothing.
class TResourceDialog {
public:
    TResourceDialog(const char* name, HWND parent)
        : Handle(CreateDialogParamA(Module(), name, parent, Ignore, 0))
    {
    }
    ~TResourceDialog()
    {
        if (Handle)
            DestroyWindow(Handle);
    }
    TResourceDialog(const TResourceDialog&) = delete;
    TResourceDialog& operator=(const TResourceDialog&) = delete;

    HWND Get() const { return Handle; }
    HWND Item(int id) const { return GetDlgItem(Handle, id); }

private:
    static INT_PTR CALLBACK Ignore(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
    HWND Handle;
};
