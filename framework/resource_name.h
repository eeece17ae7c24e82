#pragma once
// A resource's name as the program writes it ("DLG_PROVA", or a number made a name with
// MAKEINTRESOURCEA) in the form the wide functions take.
#include "text/wide_text.h"

#include <windows.h>

#include <string>

class TResourceName {
public:
    TResourceName(const char* name)
        : Number(IS_INTRESOURCE(name) ? reinterpret_cast<ULONG_PTR>(name) : 0),
          Text(name && !IS_INTRESOURCE(name) ? Wide(name) : std::wstring())
    {
    }

    // Valid while this object lives.
    LPCWSTR Get() const { return Number || Text.empty() ? MAKEINTRESOURCEW(Number) : Text.c_str(); }
    operator LPCWSTR() const { return Get(); }

private:
    ULONG_PTR Number;
    std::wstring Text;
};
