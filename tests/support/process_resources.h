#pragma once
// What this process holds of the system: its private memory and its GDI and USER objects, as
// the system counts them or, where the system keeps no count (Wine answers GetGuiResources
// with ERROR_CALL_NOT_IMPLEMENTED and leaves PrivateUsage at 0), as the process finds them.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstddef>
#include <cstdint>

struct TProcessResources {
    std::size_t PrivateBytes = 0;    // the commit charge of private memory
    std::size_t PagefileBytes = 0;   // the same under Windows; under Wine, all anonymous memory resident
    int GdiObjects = 0;
    int UserObjects = 0;
};

namespace ProcessResourcesDetail {

// Private memory committed: what PrivateUsage counts, and Wine does not.
inline std::size_t PrivateMemoryCommitted()
{
    std::size_t total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const BYTE* at = nullptr; ::VirtualQuery(at, &region, sizeof region) == sizeof region;) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += region.RegionSize;
        const BYTE* next = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize;
        if (next <= at)
            break;
        at = next;
    }
    return total;
}

// One cell of the GDI handle table the system maps into every process (x64 layout).
struct TGdiCell {
    std::uint64_t Object;
    std::uint32_t Owner;
    std::uint16_t Unique;
    std::uint8_t Type;   // 0: a free cell
    std::uint8_t Flags;
    std::uint64_t UserPointer;
};
constexpr std::size_t GdiTableOffsetInPeb = 0xF8;   // PEB.GdiSharedHandleTable on x64
constexpr int GdiTableCells = 0x10000;

// The cells in use of this process's GDI table (under Wine the table is the process's own).
inline int GdiCellsInUse()
{
    using TQuery = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<TQuery>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(::GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return 0;
    const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    const auto* cells = *reinterpret_cast<const TGdiCell* const*>(peb + GdiTableOffsetInPeb);
    if (!cells)
        return 0;
    const DWORD self = ::GetCurrentProcessId() & 0xFFFF;
    int count = 0;
    for (int i = 0; i < GdiTableCells; ++i)
        if (cells[i].Type && ((cells[i].Owner & 0xFFFF) == 0 || (cells[i].Owner & 0xFFFF) == self))
            ++count;
    return count;
}

inline BOOL CALLBACK CountOwnWindow(HWND window, LPARAM data)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == ::GetCurrentProcessId()) {
        ++*reinterpret_cast<int*>(data);
        ::EnumChildWindows(window, [](HWND, LPARAM count) -> BOOL { return ++*reinterpret_cast<int*>(count), TRUE; },
                           data);
    }
    return TRUE;
}

// Windows (top-level, child and message-only), menus, cursors and icons of this process. Menus
// and icons have no list: every slot of the USER handle table is asked for by its short form,
// which names whatever the slot holds.
inline int UserObjectsFound()
{
    int count = 0;
    ::EnumWindows(&CountOwnWindow, reinterpret_cast<LPARAM>(&count));
    for (HWND window = nullptr; (window = ::FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr));)
        CountOwnWindow(window, reinterpret_cast<LPARAM>(&count));

    using TFrameInfo = HCURSOR(WINAPI*)(HCURSOR, DWORD, DWORD, DWORD*, DWORD*);
    const auto frameInfo =
        reinterpret_cast<TFrameInfo>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetCursorFrameInfo")));
    for (UINT_PTR slot = 0x20; slot < 0xFFF0; slot += 2) {
        if (::IsMenu(reinterpret_cast<HMENU>(slot)))
            ++count;
        DWORD rate = 0, steps = 0;
        if (frameInfo && frameInfo(reinterpret_cast<HCURSOR>(slot), 0, 0, &rate, &steps))
            ++count;
    }
    return count;
}

} // namespace ProcessResourcesDetail

inline TProcessResources ResourcesOfThisProcess()
{
    TProcessResources now;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                               sizeof memory))
    {
        // Wine leaves PrivateUsage at 0 and counts the process's Unix side (its X and font
        // libraries) in PagefileUsage: the private memory is then counted region by region.
        now.PrivateBytes = memory.PrivateUsage ? memory.PrivateUsage : ProcessResourcesDetail::PrivateMemoryCommitted();
        now.PagefileBytes = memory.PagefileUsage;
    }

    ::SetLastError(ERROR_SUCCESS);
    now.GdiObjects = static_cast<int>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
    if (now.GdiObjects == 0 && ::GetLastError() == ERROR_CALL_NOT_IMPLEMENTED)
        now.GdiObjects = ProcessResourcesDetail::GdiCellsInUse();
    ::SetLastError(ERROR_SUCCESS);
    now.UserObjects = static_cast<int>(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS));
    if (now.UserObjects == 0 && ::GetLastError() == ERROR_CALL_NOT_IMPLEMENTED)
        now.UserObjects = ProcessResourcesDetail::UserObjectsFound();
    return now;
}
