#pragma once
// Files dropped as the shell drops them.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

// A drop handle as the shell makes one: a DROPFILES block with the point in the target's client
// area, and the names after it. The target frees it.
inline HDROP MakeDrop(const std::vector<std::string>& names, POINT client)
{
    std::size_t bytes = sizeof(DROPFILES) + 1;
    for (const std::string& name : names)
        bytes += name.size() + 1;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->pt = client;
    char* at = reinterpret_cast<char*>(header + 1);
    for (const std::string& name : names) {
        std::memcpy(at, name.c_str(), name.size() + 1);
        at += name.size() + 1;
    }
    ::GlobalUnlock(block);
    return static_cast<HDROP>(block);
}
