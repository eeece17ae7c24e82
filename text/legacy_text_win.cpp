// Code pages as Windows knows them.
#include "text/legacy_text.h"

#include <windows.h>

std::string Utf8FromLegacy(std::string_view bytes, int codePage)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    const int size = static_cast<int>(bytes.size());
    const UINT page = static_cast<UINT>(codePage);
    int wide = ::MultiByteToWideChar(page, 0, bytes.data(), size, nullptr, 0);
    if (wide <= 0)
        return std::string(bytes);
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    ::MultiByteToWideChar(page, 0, bytes.data(), size, text.data(), wide);
    int narrow = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(narrow > 0 ? narrow : 0), '\0');
    if (narrow > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, utf8.data(), narrow, nullptr, nullptr);
    return utf8;
}
