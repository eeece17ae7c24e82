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

// ---- OLE drags, as Explorer makes them ----

// The shell's own data object for files of one folder, as Explorer hands it to a drag: it
// offers CF_HDROP and the shell's item list. Null when the shell cannot make one.
inline IDataObject* ShellDataObject(const std::string& folder, const std::vector<std::string>& fileNames)
{
    IDataObject* data = nullptr;
    IShellFolder* desktop = nullptr;
    if (FAILED(::SHGetDesktopFolder(&desktop)))
        return nullptr;
    PIDLIST_ABSOLUTE folderList = nullptr;
    IShellFolder* shellFolder = nullptr;
    std::vector<PITEMID_CHILD> items;
    if (SUCCEEDED(::SHParseDisplayName(Wide(folder).c_str(), nullptr, &folderList, 0, nullptr)) &&
        SUCCEEDED(desktop->BindToObject(folderList, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&shellFolder)))) {
        for (const std::string& name : fileNames) {
            std::wstring wide = Wide(name);
            PIDLIST_RELATIVE item = nullptr;
            if (SUCCEEDED(shellFolder->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &item, nullptr)))
                items.push_back(reinterpret_cast<PITEMID_CHILD>(item));
        }
        if (items.size() == fileNames.size())
            shellFolder->GetUIObjectOf(nullptr, static_cast<UINT>(items.size()),
                                       const_cast<PCUITEMID_CHILD_ARRAY>(items.data()), IID_IDataObject, nullptr,
                                       reinterpret_cast<void**>(&data));
    }
    for (PITEMID_CHILD item : items)
        ::CoTaskMemFree(item);
    if (shellFolder)
        shellFolder->Release();
    ::CoTaskMemFree(folderList);
    desktop->Release();
    return data;
}

// The drop target the system calls for a window (RegisterDragDrop keeps it as this property).
inline IDropTarget* RegisteredDropTarget(HWND window)
{
    return static_cast<IDropTarget*>(::GetPropW(window, L"OleDropTargetInterface"));
}
