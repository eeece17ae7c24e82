#include "app/readable_memory.h"

#include <windows.h>

#include <cstdint>

bool IsReadableMemory(const void* address, std::size_t size)
{
    auto at = reinterpret_cast<std::uintptr_t>(address);
    const std::uintptr_t end = at + size;
    if (!address || end < at)
        return false;
    constexpr DWORD Readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                               PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    do {
        MEMORY_BASIC_INFORMATION region{};
        if (!::VirtualQuery(reinterpret_cast<const void*>(at), &region, sizeof region))
            return false;
        if (region.State != MEM_COMMIT || !(region.Protect & Readable) || (region.Protect & PAGE_GUARD))
            return false;
        at = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
    } while (at < end);
    return true;
}
