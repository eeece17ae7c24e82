// The hint strings: the status line, a line feed, the tool tip.
#include "res/resource.h"
#include "support/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A few hints as the program loads them: a control's (its status line, a line feed, its tip), a
// command's of three lines, one with a backslash, one a single line.
const struct {
    UINT Id;
    const char* Text;
} KnownHints[] = {
    {IDC_FILELIST, "Drag and drop here your files from File Manager\nDrag & Drop files"},
    {IDM_VIEW, "Open last created output with Notepad\nView last created output\nRight click for options"},
    {IDC_INVERTSLASH, "Invert \\ to / for HTML code\nInvert"},
    {IDM_EXIT, "Close program"},
};

// How many strings the program has: a hint of every control and command that has one.
constexpr int StringCount = 55 + 14 + 2;   // + the Create menu's Output format, + the preview's

std::string Visible(const std::string& text)
{
    std::string shown;
    for (char c : text) {
        if (c == '\n')
            shown += "<LF>";
        else if (c == '\r')
            shown += "<CR>";
        else
            shown += c;
    }
    return shown;
}

TEST(StringResource, HintsLoadWithTheirLineFeedsAndBackslashes)
{
    for (const auto& hint : KnownHints)
        EXPECT_EQ(Visible(StringResource(hint.Id)), Visible(hint.Text)) << "string " << hint.Id;
}

// Every control of the main dialog that has a hint also gets a tool tip, the
// part after the first line feed; only the Auto Drag button has none.
TEST(StringResource, MainDialogControlsHaveStatusLineAndTip)
{
    for (UINT id = IDC_MAIN_FIRST; id <= IDC_MAIN_LAST; ++id) {
        if (id == IDC_SETRELPATH || id == IDC_COUNTER) {
            EXPECT_EQ(StringResource(id), "") << "control " << id << " has no hint of its own";
            continue;
        }
        const std::string hint = StringResource(id);
        const size_t split = hint.find('\n');
        if (id == IDC_AUTODRAG) {
            EXPECT_EQ(split, std::string::npos);
            continue;
        }
        ASSERT_NE(split, std::string::npos) << "control " << id;
        EXPECT_GT(split, 0u) << "control " << id;
        EXPECT_LT(split + 1, hint.size()) << "control " << id;
    }
}

// The Options command's hint is a line of its own: it tells that the program
// answers a right click in File Manager, and it is one status line.
TEST(StringResource, OptionsHintMentionsFileManager)
{
    const std::string hint = StringResource(IDM_OPTIONS);
    EXPECT_NE(hint.find("right click"), std::string::npos) << hint;
    EXPECT_NE(hint.find("File Manager"), std::string::npos) << hint;
    EXPECT_EQ(hint.find('\n'), std::string::npos) << hint;
}

// The program reads hints into 499 characters: no string may be cut there.
TEST(StringResource, EveryStringFitsTheProgramsBuffer)
{
    std::vector<UINT> blocks;
    EnumResourceNamesW(
        Module(), RT_STRING,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) -> BOOL {
            reinterpret_cast<std::vector<UINT>*>(list)->push_back(
                static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&blocks));
    ASSERT_FALSE(blocks.empty());

    int strings = 0;
    for (UINT block : blocks) {
        for (UINT id = (block - 1) * 16; id < block * 16; ++id) {
            const wchar_t* text = nullptr;
            // With no buffer, LoadStringW gives the length of the stored string.
            int length = LoadStringW(Module(), id, reinterpret_cast<wchar_t*>(&text), 0);
            if (length > 0) {
                ++strings;
                EXPECT_LE(length, 498) << "string " << id;
                // Escapes became characters: no backslash-n is left, and no carriage return.
                const std::string text = StringResource(id);
                EXPECT_EQ(text.find("\\n"), std::string::npos) << "string " << id;
                EXPECT_EQ(text.find('\r'), std::string::npos) << "string " << id;
            }
        }
    }
    EXPECT_EQ(strings, StringCount);
}

} // namespace
