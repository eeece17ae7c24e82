// The hint strings: the status line, a line feed, the tool tip.
#include "res/resource.h"
#include "support/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct THint {
    UINT Id;
    const char* Text;
};

// Controls of the main dialog first, then the commands that are not controls.
const std::vector<THint> Hints = {
    {101, "Drag and drop here your files from File Manager\nDrag & Drop files"},
    {102, "Header, will be placed before file name\nHeader"},
    {103, "Queue, will be placed after file name\nQueue"},
    {104, "Folder from where relative path will be calculated\nRelative Path"},
    {105, "Include full path in file name\nFull"},
    {106, "Relative path will be calculated from output file (drag folder here to change)\nRelative (drag)"},
    {107, "No path, only file name\nNo path"},
    {108, "Invert \\ to / for HTML code\nInvert"},
    {109, "Move up selected item\nUp"},
    {110, "Move down selected item\nDown"},
    {111, "Delete selected item\nDelete"},
    {112, "Create output file containing header, files, queue\nClick here\nto create output"},
    {113, "Open last created output with Notepad\nView last created output\nRight click for options"},
    {114, "None: you can use QZ_VAR (see help file)\nNone"},
    {115, "Name of output file (drag file to set it; drag folder to set RelPath)\nOutput file (drag)"},
    {116, "Main header will be placed at beginning of OutFile\nMain header"},
    {117, "Main queue will be placed at the end of OutFile\nMain queue"},
    {118, "Set the name of the output file\nOutput file (drag)"},
    {120, "Set the header placed at the beginning of Output file\nMain header"},
    {121, "Set the queue placed at the end of Output file\nMain queue"},
    {123, "Drag a single file here for special settings"},
    {124, "Check to save local informations (output file, relpath) in templates\nLocal info"},

    {1001, "Change font used by program"},
    {1003, "Clear file list"},
    {1004, "Copy selected file name into Clipboard"},
    {1006, "Create a single line (head, file, queue) and copy into Clipboard"},
    {1007, "Create output file, and copy it into Clipboard"},
    {1008, "--- Set dragged file like output file"},
    {1009, "--- Copy dragged file name into Clipboard"},
    {1010, "--- Set the Relative Path from dragged file"},
    {1011, "--- Create a single line and copy into Clipboard"},
    {1012, "Try to launch output file using Windows assocation\nExecute"},
    {1015, "Create html temp file for images, and launch it"},
    {1016, "Create html temp file with links, and launch it"},
    {1018, "WARNING! This will move the file from your disk to the Recycle Bin"},
    {1301, "Save current Header Queue and setting in a file"},
    {1302, "Load Header Queue and setting from file"},
    {24332, "Load a list previously saved in a file"},
    {24333, "Save file names contained in list (no header, no queue, include full path)"},
    {24338, "Close program"},
    {24341, "Open help file"},
    {24343, "Connect to Internet Tarvik Web Page"},
    {24346, "Informations"},
};

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

TEST(StringResource, EveryHintLoadsAsWritten)
{
    for (const THint& hint : Hints) {
        EXPECT_EQ(Visible(StringResource(hint.Id)), Visible(hint.Text)) << "string " << hint.Id;
    }
}

// Escapes must become characters: a line feed splits the hint, and a backslash
// stays a single one.
TEST(StringResource, EscapesBecomeCharacters)
{
    const std::string invert = StringResource(IDC_INVERTSLASH);
    EXPECT_EQ(std::count(invert.begin(), invert.end(), '\\'), 1) << invert;
    EXPECT_EQ(invert.find("\\\\"), std::string::npos);

    const std::string view = StringResource(IDM_VIEW);
    EXPECT_EQ(std::count(view.begin(), view.end(), '\n'), 2);

    for (const THint& hint : Hints) {
        const std::string text = StringResource(hint.Id);
        EXPECT_EQ(text.find("\\n"), std::string::npos) << "string " << hint.Id;
        EXPECT_EQ(text.find('\r'), std::string::npos) << "string " << hint.Id;
    }
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
            }
        }
    }
    EXPECT_EQ(strings, static_cast<int>(Hints.size()) + 1); // and the Options hint
}

} // namespace
