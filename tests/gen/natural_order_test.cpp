#include "gen/file_name_case.h"
#include "gen/natural_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shlwapi.h>
#endif

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

// How two names compare on Windows, and what Wine's StrCmpLogicalW says where it differs.
struct TNaturalCase {
    const char16_t* A;
    const char16_t* B;
    int Windows;
    int Wine;
};

constexpr int SameAsWindows = 2;

// Wine reads numbers into an int (they wrap past 2,147,483,647), knows no period rule (a period
// comes before a number or any other character since Windows Vista) and ignores leading zeros.
const TNaturalCase NaturalCases[] = {
    // numbers by value
    {u"a2", u"a10", -1, SameAsWindows},
    {u"a10", u"a2", 1, SameAsWindows},
    {u"2string", u"20string", -1, SameAsWindows},
    {u"20string", u"st2ring", -1, SameAsWindows},
    {u"st20ring", u"string2", -1, SameAsWindows},
    {u"1a", u"a1", -1, SameAsWindows},
    {u"a", u"a1", -1, SameAsWindows},
    {u"x2147483648", u"x2147483647", 1, -1},
    {u"x4294967296", u"x1", 1, -1},
    // case
    {u"A2", u"a2", 0, SameAsWindows},
    {u"abc", u"ABD", -1, SameAsWindows},
    {u"photo.JPG", u"photo.jpg", 0, SameAsWindows},
    // leading zeros: count only when nothing else differs, more zeros first
    {u"a01", u"a1", -1, 0},
    {u"a001", u"a01", -1, 0},
    {u"x0", u"x00", 1, 0},
    {u"a1b1", u"a01b2", -1, SameAsWindows},
    {u"a01b2", u"a1b2", -1, 0},
    {u"IMG_0001.jpg", u"IMG_1.jpg", -1, 0},
    {u"IMG_0002.jpg", u"IMG_1.jpg", 1, SameAsWindows},
    // extensions and the period
    {u"photo.jpg", u"photo.png", -1, SameAsWindows},
    {u"report.doc", u"report.docx", -1, SameAsWindows},
    {u"file.txt", u"file (2).txt", -1, 1},
    {u"file1.txt", u"file1 (2).txt", -1, 1},
    {u"a.b", u"a1b", -1, 1},
    {u"a.1", u"a1", -1, 1},
    {u"archive.tar.gz", u"archive.tar", 1, SameAsWindows},
    // blanks and punctuation
    {u"a b", u"ab", -1, SameAsWindows},
    {u"a b", u"a_b", -1, SameAsWindows},
    {u"a-b", u"a b", -1, SameAsWindows},
    {u"a'b", u"a-b", -1, SameAsWindows},
    {u"a  b", u"a b", -1, SameAsWindows},
    {u" a", u"a", -1, SameAsWindows},
    {u"a_1", u"a1", 1, SameAsWindows},
    {u"a-1", u"a1", 1, SameAsWindows},
    {u"(1)", u"1", 1, SameAsWindows},
    {u"[a]", u"(a)", 1, SameAsWindows},
    {u"a!", u"a#", -1, SameAsWindows},
    {u"x+", u"x~", 1, SameAsWindows},
    {u"x~", u"xa", -1, SameAsWindows},
    // letters beyond ASCII
    {u"\u00e9", u"e", 1, SameAsWindows},
    {u"\u00e9", u"f", -1, SameAsWindows},
    {u"r\u00e9sum\u00e9", u"resumes", 1, SameAsWindows},
    {u"\u00d6lbild", u"olbild", 1, SameAsWindows},
    {u"\u00d6lbild", u"Pferd", -1, SameAsWindows},
    {u"\u00f6lbild", u"\u00d6LBILD", 0, SameAsWindows},
    {u"\u00c4", u"\u00c5", -1, SameAsWindows},
    {u"\u00e6ble", u"aeble", 1, SameAsWindows},
    {u"stra\u00dfe", u"strasse", 1, SameAsWindows},
    {u"stra\u00dfe", u"strat", -1, SameAsWindows},
    {u"\u03a9\u03bc\u03ad\u03b3\u03b1", u"\u03c9\u03bc\u03b5\u03b3\u03b1", 1, SameAsWindows},
    {u"\u03c3\u03af\u03c3\u03c5\u03c6\u03bf\u03c2", u"\u03a3\u038a\u03a3\u03a5\u03a6\u039f\u03a3", 0, SameAsWindows},
    {u"alpha", u"\u03ac\u03bb\u03c6\u03b1", -1, SameAsWindows},
    {u"\u03b6", u"\u042f", -1, SameAsWindows},
    {u"\u0436", u"\u0416", 0, SameAsWindows},
    // ends
    {u"", u"a", -1, SameAsWindows},
    {u"", u"", 0, SameAsWindows},
};

TEST(NaturalOrder, ComparesAsExplorerOrdersNames)
{
    for (const TNaturalCase& c : NaturalCases) {
        SCOPED_TRACE(std::string("case ") + std::to_string(&c - NaturalCases));
        EXPECT_EQ(Sign(CompareNatural(c.A, c.B)), c.Windows);
        EXPECT_EQ(Sign(CompareNatural(c.B, c.A)), -c.Windows);
#ifdef _WIN32
        const int wine = c.Wine == SameAsWindows ? c.Windows : c.Wine;
        EXPECT_EQ(Sign(::StrCmpLogicalW(reinterpret_cast<const wchar_t*>(c.A), reinterpret_cast<const wchar_t*>(c.B))),
                  wine);
#endif
    }
}

TEST(NaturalOrder, FullNamesGoFolderByFolder)
{
    std::vector<std::u16string> names = {u"C:\\a b\\a.jpg", u"C:\\a\\z.jpg", u"C:\\a10\\b.jpg", u"C:\\a2\\b.jpg",
                                         u"C:\\a\\y\\a.jpg"};
    std::stable_sort(names.begin(), names.end(),
                     [](const std::u16string& a, const std::u16string& b) { return CompareNaturalPath(a, b) < 0; });
    EXPECT_EQ(names, (std::vector<std::u16string>{u"C:\\a\\y\\a.jpg", u"C:\\a\\z.jpg", u"C:\\a2\\b.jpg",
                                                  u"C:\\a10\\b.jpg", u"C:\\a b\\a.jpg"}));
}

TEST(FileNameCase, CapitalsAsWindowsComparesFileNames)
{
    EXPECT_TRUE(SameFileName("C:\\Pics\\\xC3\x96lbild.JPG", "c:\\pics\\\xC3\xB6LBILD.jpg"));        // Ö, ö
    EXPECT_FALSE(SameFileName("C:\\Pics\\\xC3\x96lbild.jpg", "C:\\Pics\\Olbild.jpg"));           // no accent dropped
    EXPECT_TRUE(SameFileName("\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1", "\xCF\x89\xCE\x9C\xCE\x88\xCE\x93\xCE\x91"));
    EXPECT_FALSE(SameFileName("stra\xC3\x9F" "e", "STRASSE"));                                     // ß stays one letter
#ifdef _WIN32
    // Every unit of the first plane against the system: its capital, where the system's comparison
    // of file names takes the capital for the same letter.
    std::string differ;
    for (unsigned unit = 1; unit < 0x10000; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF)
            continue;
        const wchar_t raw = static_cast<wchar_t>(unit);
        wchar_t capital = raw;
        ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, &raw, 1, &capital, 1, nullptr, nullptr, 0);
        if (::CompareStringOrdinal(&raw, 1, &capital, 1, TRUE) != CSTR_EQUAL)
            capital = raw;
        if (FileNameUpper(static_cast<char16_t>(unit)) != static_cast<char16_t>(capital))
            differ += std::to_string(unit) + " ";
    }
    EXPECT_EQ(differ, "");
#endif
}

#ifdef _WIN32
// The order of single characters against the system's (Windows' sorting tables, which Wine uses).
TEST(NaturalOrder, CharactersInTheSystemsOrder)
{
    std::vector<wchar_t> characters;
    for (wchar_t c = 0x20; c < 0x7F; ++c)
        if ((c < L'0' || c > L'9') && c != L'.')
            characters.push_back(c);
    for (wchar_t c = 0xC0; c < 0x180; ++c)
        if (c != 0xD7 && c != 0xF7)
            characters.push_back(c);
    for (wchar_t c = 0x386; c <= 0x3CE; ++c)
        if (c != 0x387 && c != 0x38B && c != 0x38D && c != 0x3A2)
            characters.push_back(c);
    for (wchar_t c = 0x410; c < 0x450; ++c)
        characters.push_back(c);
    int differ = 0;
    std::string first;
    for (wchar_t a : characters)
        for (wchar_t b : characters) {
            const int system = ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, &a, 1, &b, 1) - CSTR_EQUAL;
            const int ours = Sign(CompareNatural(std::u16string(1, static_cast<char16_t>(a)),
                                                 std::u16string(1, static_cast<char16_t>(b))));
            if (system != ours && ++differ == 1)
                first = std::to_string(a) + " " + std::to_string(b) + ": system " + std::to_string(system);
        }
    EXPECT_EQ(differ, 0) << first;
}
#endif

} // namespace
