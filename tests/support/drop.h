#pragma once
// Files dropped as the shell drops them.
#include "text/wide_text.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

// A drop handle as the shell makes one: a DROPFILES block with the point in the target's client
// area, and the names after it, in UTF-16 (wide) or, as older programs drop them, in the
// system's code page (the names given are then that code page's bytes). The target frees it.
inline HDROP MakeDrop(const std::vector<std::string>& names, POINT client, bool wide = true)
{
    std::wstring units;
    std::string bytes;
    for (const std::string& name : names) {
        units += Wide(name) + L'\0';
        bytes += name + '\0';
    }
    units += L'\0';
    bytes += '\0';
    const std::size_t size = wide ? units.size() * sizeof(wchar_t) : bytes.size();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + size);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->pt = client;
    header->fWide = wide;
    if (wide)
        units.copy(reinterpret_cast<wchar_t*>(header + 1), units.size());
    else
        bytes.copy(reinterpret_cast<char*>(header + 1), bytes.size());
    ::GlobalUnlock(block);
    return static_cast<HDROP>(block);
}
