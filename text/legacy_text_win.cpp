// Code pages as Windows knows them.
#include "text/legacy_text.h"

#include "text/wide_text.h"

#include <windows.h>

// The system locale's, not GetACP: a program whose manifest asks for UTF-8 gets 65001 there.
int SystemLegacyCodePage()
{
    DWORD page = 0;
    if (::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                         reinterpret_cast<LPWSTR>(&page), sizeof page / sizeof(WCHAR)) == 0 || page == 0)
        return WesternCodePage;
    return static_cast<int>(page);
}

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

std::string LegacyFromUtf8(std::string_view utf8, int codePage, bool& lost)
{
    if (codePage == Utf8CodePage || utf8.empty())
        return std::string(utf8);
    const std::wstring wide = Wide(utf8);
    const int size = static_cast<int>(wide.size());
    const UINT page = static_cast<UINT>(codePage);
    // No best fit: a character without a place of its own becomes the default character and
    // is reported, never silently turned into a look-alike ("a" for a macron a).
    BOOL usedDefault = FALSE;
    int bytes = ::WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &usedDefault);
    if (bytes <= 0) {
        lost = true;
        return std::string(wide.size(), '?');
    }
    std::string legacy(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, wide.data(), size, legacy.data(), bytes, nullptr, &usedDefault);
    if (usedDefault)
        lost = true;
    return legacy;
}
