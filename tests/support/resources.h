#pragma once
// The resources the tests are built with (the program's own), read as the program reads them.
#include "text/wide_text.h"

#include <windows.h>

#include <string>

// The module that holds the resources: the test executable.
inline HINSTANCE Module()
{
    return ::GetModuleHandleW(nullptr);
}

// The program reads hints into a buffer of 499 characters.
inline std::string StringResource(UINT id)
{
    wchar_t text[499] = {};
    int length = ::LoadStringW(Module(), id, text, static_cast<int>(std::size(text)));
    return Narrow(std::wstring_view(text, length > 0 ? length : 0));
}

// Raw bytes of a resource in the module; null when it is missing.
inline const BYTE* ResourceBytes(LPCWSTR name, LPCWSTR type, DWORD* size = nullptr)
{
    HRSRC found = ::FindResourceW(Module(), name, type);
    if (!found)
        return nullptr;
    if (size)
        *size = ::SizeofResource(Module(), found);
    return static_cast<const BYTE*>(::LockResource(::LoadResource(Module(), found)));
}

// One of the program's own cursors (CUR_NORMAL, CUR_MANO).
inline HCURSOR ProgramCursor(const char* name)
{
    return ::LoadCursorW(Module(), Wide(name).c_str());
}
