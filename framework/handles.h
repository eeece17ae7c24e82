#pragma once
// Owners of system handles: each releases what it holds when it goes. None is copyable.
#include <windows.h>
#include <commctrl.h>

#include <utility>

class TNoCopy {
protected:
    TNoCopy() = default;
    ~TNoCopy() = default;

public:
    TNoCopy(const TNoCopy&) = delete;
    TNoCopy& operator=(const TNoCopy&) = delete;
};

// A device context of a window's client area (GetDCEx's flags: DCX_CACHE for one its
// children do not clip, say).
class TClientDC : TNoCopy {
public:
    explicit TClientDC(HWND window) : Window(window), Dc(::GetDC(window)) {}
    TClientDC(HWND window, DWORD flags) : Window(window), Dc(::GetDCEx(window, nullptr, flags)) {}
    ~TClientDC() { if (Dc) ::ReleaseDC(Window, Dc); }
    operator HDC() const { return Dc; }

private:
    HWND Window;
    HDC Dc;
};

// A device context of the whole window, frame included.
class TWindowDC : TNoCopy {
public:
    explicit TWindowDC(HWND window) : Window(window), Dc(::GetWindowDC(window)) {}
    ~TWindowDC() { if (Dc) ::ReleaseDC(Window, Dc); }
    operator HDC() const { return Dc; }

private:
    HWND Window;
    HDC Dc;
};

class TPaintDC : TNoCopy {
public:
    explicit TPaintDC(HWND window) : Window(window), Dc(::BeginPaint(window, &Paint)) {}
    ~TPaintDC() { ::EndPaint(Window, &Paint); }
    operator HDC() const { return Dc; }
    const PAINTSTRUCT& Info() const { return Paint; }

private:
    HWND Window;
    PAINTSTRUCT Paint{};
    HDC Dc;
};

// An object selected into a device context for a while.
class TSelectObject : TNoCopy {
public:
    TSelectObject(HDC dc, HGDIOBJ object) : Dc(dc), Old(object ? ::SelectObject(dc, object) : nullptr) {}
    ~TSelectObject() { if (Old) ::SelectObject(Dc, Old); }

private:
    HDC Dc;
    HGDIOBJ Old;
};

// A font, pen, brush or region that is deleted with its owner.
template <class Handle>
class TGdiObject : TNoCopy {
public:
    TGdiObject() = default;
    explicit TGdiObject(Handle handle) : Object(handle) {}
    ~TGdiObject() { Reset(); }
    TGdiObject(TGdiObject&& other) noexcept : Object(std::exchange(other.Object, nullptr)) {}
    TGdiObject& operator=(TGdiObject&& other) noexcept
    {
        if (this != &other) {
            Reset();
            Object = std::exchange(other.Object, nullptr);
        }
        return *this;
    }

    void Reset(Handle handle = nullptr)
    {
        if (Object)
            ::DeleteObject(Object);
        Object = handle;
    }
    Handle Release() { return std::exchange(Object, nullptr); }
    Handle Get() const { return Object; }
    operator Handle() const { return Object; }

private:
    Handle Object = nullptr;
};

using TPen = TGdiObject<HPEN>;
using TBrush = TGdiObject<HBRUSH>;
using TRegion = TGdiObject<HRGN>;
using TFont = TGdiObject<HFONT>;
using TBitmap = TGdiObject<HBITMAP>;

// The memory of a moveable block, locked while this lives.
class TGlobalLock : TNoCopy {
public:
    explicit TGlobalLock(HGLOBAL memory) : Memory(memory), Data(memory ? ::GlobalLock(memory) : nullptr) {}
    ~TGlobalLock() { if (Data) ::GlobalUnlock(Memory); }
    void* Get() const { return Data; }

private:
    HGLOBAL Memory;
    void* Data;
};

// The clipboard, open for one owner while this lives. Another program may hold it open for
// a moment (a clipboard manager taking a copy): it is asked again for up to waitMs.
class TClipboard : TNoCopy {
public:
    explicit TClipboard(HWND owner, DWORD waitMs = 1000) : Open(::OpenClipboard(owner) != FALSE)
    {
        for (DWORD waited = 0; !Open && waited < waitMs; waited += 10) {
            ::Sleep(10);
            Open = ::OpenClipboard(owner) != FALSE;
        }
    }
    ~TClipboard() { if (Open) ::CloseClipboard(); }
    bool IsOpen() const { return Open; }

private:
    bool Open;
};

// A handle released with Traits::Close when its owner goes, unless handed on; Traits::None()
// is the value that holds nothing.
template <class Traits>
class TOwnedHandle : TNoCopy {
public:
    using THandle = typename Traits::THandle;

    explicit TOwnedHandle(THandle handle = Traits::None()) : Handle(handle) {}
    ~TOwnedHandle() { Reset(); }

    void Reset(THandle handle = Traits::None())
    {
        if (IsOpen())
            Traits::Close(Handle);
        Handle = handle;
    }
    THandle Release() { return std::exchange(Handle, Traits::None()); }
    bool IsOpen() const { return Handle != Traits::None(); }
    operator THandle() const { return Handle; }

private:
    THandle Handle;
};

namespace HandleTraits {
struct Menu {
    using THandle = HMENU;
    static HMENU None() { return nullptr; }
    static void Close(HMENU menu) { ::DestroyMenu(menu); }
};
struct MemoryDC {
    using THandle = HDC;
    static HDC None() { return nullptr; }
    static void Close(HDC dc) { ::DeleteDC(dc); }
};
struct GlobalMemory {
    using THandle = HGLOBAL;
    static HGLOBAL None() { return nullptr; }
    static void Close(HGLOBAL memory) { ::GlobalFree(memory); }
};
struct ImageList {
    using THandle = HIMAGELIST;
    static HIMAGELIST None() { return nullptr; }
    static void Close(HIMAGELIST list) { ::ImageList_Destroy(list); }
};
struct File {   // CreateFile's: INVALID_HANDLE_VALUE when nothing was opened
    using THandle = HANDLE;
    static HANDLE None() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE file) { ::CloseHandle(file); }
};
struct Find {
    using THandle = HANDLE;
    static HANDLE None() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE search) { ::FindClose(search); }
};
struct Kernel {   // an event or another object whose creator gives null on failure
    using THandle = HANDLE;
    static HANDLE None() { return nullptr; }
    static void Close(HANDLE object) { ::CloseHandle(object); }
};
struct Hook {
    using THandle = HHOOK;
    static HHOOK None() { return nullptr; }
    static void Close(HHOOK hook) { ::UnhookWindowsHookEx(hook); }
};
} // namespace HandleTraits

using TMenuHandle = TOwnedHandle<HandleTraits::Menu>;
using TMemoryDC = TOwnedHandle<HandleTraits::MemoryDC>;             // TMemoryDC dc(::CreateCompatibleDC(like))
using TGlobalMemory = TOwnedHandle<HandleTraits::GlobalMemory>;     // freed unless handed on (to the clipboard)
using TImageList = TOwnedHandle<HandleTraits::ImageList>;
using TFileHandle = TOwnedHandle<HandleTraits::File>;
using TFindHandle = TOwnedHandle<HandleTraits::Find>;
using THook = TOwnedHandle<HandleTraits::Hook>;
using TKernelHandle = TOwnedHandle<HandleTraits::Kernel>;
