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

std::string Utf8FromCodePage(std::string_view bytes, int codePage)
{
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

namespace {

// One run of UTF-16 in the code page, without best fit; usedDefault tells whether a character
// had no place there. false when the code page cannot be used at all.
bool ConvertRun(UINT page, const wchar_t* text, int size, std::string& out, bool& usedDefault)
{
    if (size == 0)
        return true;
    BOOL defaulted = FALSE;
    const int bytes = ::WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, text, size, nullptr, 0, nullptr, &defaulted);
    if (bytes <= 0)
        return false;
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(bytes));
    ::WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, text, size, out.data() + at, bytes, nullptr, &defaulted);
    usedDefault = usedDefault || defaulted;
    return true;
}

} // namespace

std::string LegacyFromUtf8(std::string_view utf8, int codePage, bool& lost)
{
    if (codePage == Utf8CodePage || utf8.empty())
        return std::string(utf8);
    const std::wstring wide = Wide(utf8);
    const UINT page = static_cast<UINT>(codePage);
    // No best fit: a character without a place of its own becomes the default character and
    // is reported, never silently turned into a look-alike ("a" for a macron a). A character
    // beyond the BMP goes alone, so that one the code page lacks gives one "?", not one a half.
    std::string legacy;
    legacy.reserve(utf8.size());
    bool usedDefault = false, usable = true;
    std::size_t run = 0;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (!IS_HIGH_SURROGATE(wide[i]) || i + 1 >= wide.size() || !IS_LOW_SURROGATE(wide[i + 1]))
            continue;
        usable = usable && ConvertRun(page, wide.data() + run, static_cast<int>(i - run), legacy, usedDefault);
        std::string pair;
        bool pairDefaulted = false;
        usable = usable && ConvertRun(page, wide.data() + i, 2, pair, pairDefaulted);
        legacy += pairDefaulted ? std::string("?") : pair;
        usedDefault = usedDefault || pairDefaulted;
        run = ++i + 1;
    }
    usable = usable && ConvertRun(page, wide.data() + run, static_cast<int>(wide.size() - run), legacy, usedDefault);
    if (!usable) {
        lost = true;
        return std::string(wide.size(), '?');
    }
    if (usedDefault)
        lost = true;
    return legacy;
}
