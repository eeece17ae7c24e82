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

// A memory device context like the given one's, deleted with its owner.
class TMemoryDC : TNoCopy {
public:
    explicit TMemoryDC(HDC like) : Dc(::CreateCompatibleDC(like)) {}
    ~TMemoryDC() { if (Dc) ::DeleteDC(Dc); }
    operator HDC() const { return Dc; }

private:
    HDC Dc;
};

class TMenuHandle : TNoCopy {
public:
    explicit TMenuHandle(HMENU menu = nullptr) : Menu(menu) {}
    ~TMenuHandle() { if (Menu) ::DestroyMenu(Menu); }
    HMENU Release() { return std::exchange(Menu, nullptr); }
    operator HMENU() const { return Menu; }

private:
    HMENU Menu;
};

// Moveable global memory, freed unless handed on (to the clipboard, say).
class TGlobalMemory : TNoCopy {
public:
    TGlobalMemory(UINT flags, SIZE_T size) : Memory(::GlobalAlloc(flags, size)) {}
    ~TGlobalMemory() { if (Memory) ::GlobalFree(Memory); }
    HGLOBAL Release() { return std::exchange(Memory, nullptr); }
    operator HGLOBAL() const { return Memory; }

private:
    HGLOBAL Memory;
};

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

// An image list, destroyed with its owner.
class TImageList : TNoCopy {
public:
    explicit TImageList(HIMAGELIST list = nullptr) : List(list) {}
    ~TImageList() { Reset(); }
    void Reset(HIMAGELIST list = nullptr)
    {
        if (List)
            ::ImageList_Destroy(List);
        List = list;
    }
    operator HIMAGELIST() const { return List; }

private:
    HIMAGELIST List;
};

// A file or other kernel object opened with CreateFile and its kind; closed with its owner.
class TFileHandle : TNoCopy {
public:
    explicit TFileHandle(HANDLE handle) : Handle(handle) {}
    ~TFileHandle() { if (IsOpen()) ::CloseHandle(Handle); }
    bool IsOpen() const { return Handle && Handle != INVALID_HANDLE_VALUE; }
    operator HANDLE() const { return Handle; }

private:
    HANDLE Handle;
};

// A search of FindFirstFile, ended with its owner.
class TFindHandle : TNoCopy {
public:
    explicit TFindHandle(HANDLE search) : Search(search) {}
    ~TFindHandle() { if (IsOpen()) ::FindClose(Search); }
    bool IsOpen() const { return Search != INVALID_HANDLE_VALUE; }
    operator HANDLE() const { return Search; }

private:
    HANDLE Search;
};

// A hook of SetWindowsHookEx, taken off with its owner.
class THook : TNoCopy {
public:
    THook() = default;
    explicit THook(HHOOK hook) : Hook(hook) {}
    ~THook() { Reset(); }
    void Reset(HHOOK hook = nullptr)
    {
        if (Hook)
            ::UnhookWindowsHookEx(Hook);
        Hook = hook;
    }
    operator HHOOK() const { return Hook; }

private:
    HHOOK Hook = nullptr;
};
