// Every limit on a text counts UTF-16 units, as the edit fields count characters, and never
// cuts inside a character: each limit with Greek, CJK and emoji text at the limit and one
// character past it, written and read back the way the program writes and reads it (and
// made into output as Create makes it).
#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "gen/list_file.h"
#include "gen/output_writer.h"
#include "settings/profile_legacy.h"
#include "settings/profile_portable.h"
#include "settings/settings.h"
#include "settings/template_file.h"
#include "support/paths.h"
#include "text/legacy_text.h"
#include "text/utf16_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using TTexts = std::vector<std::string>;

// The profile the program reads and writes its files with.
std::unique_ptr<TProfile> ProgramProfile(const TTempDir& dir)
{
    return std::make_unique<TLegacyAwareProfile>(std::make_unique<TPortableProfile>(dir.Folder().string()),
                                                 WesternCodePage);
}

// Writes the text the way the program stores it and gives back what it reads: one text, or the
// entries of a list file.
using TRoundTrip = std::function<TTexts(const std::string& text, const TTempDir& dir)>;
// How a text is given to the record or the dialog's texts, and taken back.
using TSet = std::function<void(TSettings&, std::string&, std::string&, const std::string&)>;
using TGet = std::function<std::string(const TSettings&, const std::string&, const std::string&)>;

struct TLimit {
    const char* What;
    std::size_t Units;
    TRoundTrip RoundTrip;
    bool LongTextGoesOn = false;   // a list file's long line goes on as the next entry
};

TSettings SettingsIn(const TTempDir& dir)
{
    TSettings settings = FirstStartSettings();
    settings.IniFileName = dir.File("QZIni.ini");
    return settings;
}

// Through the settings file: the record's field (or the Header or Queue) saved and loaded.
TRoundTrip ThroughSettings(TSet set,
                           TGet get)
{
    return [set, get](const std::string& text, const TTempDir& dir) {
        auto profile = ProgramProfile(dir);
        TSettings saved = SettingsIn(dir);
        std::string header, queue;
        set(saved, header, queue, text);
        EXPECT_TRUE(SaveSettings(saved, *profile, header, queue));
        EXPECT_TRUE(SaveImageExt(saved, *profile));
        EXPECT_TRUE(IsValidUtf8(ReadBytes(saved.IniFileName)));
        TSettings loaded = SettingsIn(dir);
        LoadSettings(loaded, *profile, header, queue);
        return TTexts{get(loaded, header, queue)};
    };
}

// Through a template: saved and opened.
TRoundTrip ThroughTemplate(TSet set,
                           TGet get)
{
    return [set, get](const std::string& text, const TTempDir& dir) {
        auto profile = ProgramProfile(dir);
        TSettings saved = SettingsIn(dir);
        saved.SaveLocal = true;
        std::string header, queue;
        set(saved, header, queue, text);
        const std::string file = dir.File("limits.hqd");
        EXPECT_TRUE(WriteTemplateFile(saved, *profile, file, header, queue));
        EXPECT_TRUE(IsValidUtf8(ReadBytes(file)));
        TSettings opened = SettingsIn(dir);
        EXPECT_TRUE(ReadTemplateFile(opened, *profile, file, header, queue));
        return TTexts{get(opened, header, queue)};
    };
}

// A template's menu text edited by hand, kept by the next save and read as the menu reads it.
TRoundTrip ThroughMenuText(const char* key)
{
    return [key](const std::string& text, const TTempDir& dir) {
        auto profile = ProgramProfile(dir);
        const std::string file = dir.File("menu.hqd");
        WriteBytes(file, "[Strandel]\r\n" + std::string(key) + "=" + text + "\r\n");
        EXPECT_TRUE(WriteTemplateFile(SettingsIn(dir), *profile, file, "", ""));
        EXPECT_TRUE(IsValidUtf8(ReadBytes(file)));
        return TTexts{profile->ReadString(file, "Strandel", key, "", MenuTextRoom)};
    };
}

// A value read with a room of its own (the font dialog's face name: 30 characters).
TRoundTrip ThroughRoom(std::size_t room)
{
    return [room](const std::string& text, const TTempDir& dir) {
        auto profile = ProgramProfile(dir);
        const std::string file = dir.File("QZIni.ini");
        EXPECT_TRUE(profile->WriteString(file, "Strandel", "lfFaceName", text));
        return TTexts{profile->ReadString(file, "Strandel", "lfFaceName", "Arial", room)};
    };
}

// Into the output Create writes, for a list of one name: the text, then the name.
TRoundTrip ThroughOutput(TSet set)
{
    return [set](const std::string& text, const TTempDir&) {
        TSettings settings = FirstStartSettings();
        std::string header, queue;
        set(settings, header, queue, text);
        TVectorFileList list({"n"});
        TStringSink output;
        TLineBuilder(settings, list, header, queue).BuildOutput(output);
        EXPECT_TRUE(output.Text.ends_with("n"));
        return TTexts{output.Text.substr(0, output.Text.size() - 1)};
    };
}

TTexts ThroughListFile(const std::string& text, const TTempDir& dir)
{
    TVectorFileList list({text});
    EXPECT_TRUE(WriteListFile(dir.File("limits.lst"), list));
    TVectorFileList read;
    EXPECT_TRUE(ReadListFile(dir.File("limits.lst"), read, WesternCodePage));
    return read.Items();
}

const TSet SetHeader = [](TSettings&, std::string& h, std::string&, const std::string& t) { h = t; };
const TGet GetHeader = [](const TSettings&, const std::string& h, const std::string&) { return h; };
const TSet SetQueue = [](TSettings&, std::string&, std::string& q, const std::string& t) { q = t; };
const TGet GetQueue = [](const TSettings&, const std::string&, const std::string& q) { return q; };
const TSet SetMainHead = [](TSettings& s, std::string&, std::string&, const std::string& t) { s.MainHead = t; };
const TGet GetMainHead = [](const TSettings& s, const std::string&, const std::string&) { return s.MainHead; };
const TSet SetMainQueue = [](TSettings& s, std::string&, std::string&, const std::string& t) { s.MainQueue = t; };
const TGet GetMainQueue = [](const TSettings& s, const std::string&, const std::string&) { return s.MainQueue; };
const TSet SetOutput = [](TSettings& s, std::string&, std::string&, const std::string& t) { s.SetFileOutput(t); };
const TGet GetOutput = [](const TSettings& s, const std::string&, const std::string&) { return s.FileOutput; };
const TSet SetImageExt = [](TSettings& s, std::string&, std::string&, const std::string& t) { s.ImageExt = t; };
const TGet GetImageExt = [](const TSettings& s, const std::string&, const std::string&) { return s.ImageExt; };

const TLimit Limits[] = {
    {"Header in the settings", FieldTextMax, ThroughSettings(SetHeader, GetHeader)},
    {"Queue in the settings", FieldTextMax, ThroughSettings(SetQueue, GetQueue)},
    {"Main head in the settings", MainTextMax, ThroughSettings(SetMainHead, GetMainHead)},
    {"Main queue in the settings", MainTextMax, ThroughSettings(SetMainQueue, GetMainQueue)},
    {"output file in the settings", FileNameRoom - 1, ThroughSettings(SetOutput, GetOutput)},
    {"image extensions", ImageExtRoom - 1, ThroughSettings(SetImageExt, GetImageExt)},
    {"Header in a template", FieldTextMax, ThroughTemplate(SetHeader, GetHeader)},
    {"Queue in a template", FieldTextMax, ThroughTemplate(SetQueue, GetQueue)},
    {"Main head in a template", MainTextMax, ThroughTemplate(SetMainHead, GetMainHead)},
    {"Main queue in a template", MainTextMax, ThroughTemplate(SetMainQueue, GetMainQueue)},
    {"output file in a template", FileNameRoom - 1, ThroughTemplate(SetOutput, GetOutput)},
    {"a template's menu title", MenuTextRoom - 1, ThroughMenuText("h_menutitle")},
    {"a template's menu help", MenuTextRoom - 1, ThroughMenuText("h_menuhelp")},
    {"the font's face name", 30, ThroughRoom(31)},
    {"Header in the output", FieldTextMax, ThroughOutput(SetHeader)},
    {"Main head in the output", MainTextMax, ThroughOutput(SetMainHead)},
    {"a list file's line", EntryMax, ThroughListFile, true},
};

struct TScript {
    const char* Name;
    std::string Character;
};

const TScript Scripts[] = {
    {"Greek", "\xCE\xA9"},              // U+03A9, one unit
    {"CJK", "\xE6\xBC\xA2"},            // U+6F22, one unit
    {"emoji", "\xF0\x9F\x98\x80"},      // U+1F600, two units
};

std::string Repeated(const std::string& character, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += character;
    return text;
}

TEST(TextLimits, CountUtf16UnitsAndNeverCutACharacter)
{
    for (const TLimit& limit : Limits) {
        for (const TScript& script : Scripts) {
            SCOPED_TRACE(std::string(limit.What) + ", " + script.Name);
            const std::size_t width = Utf16Length(script.Character);
            // As many whole characters as the limit holds (one unit short for emoji and an odd
            // limit), then one character more, which does not fit.
            const std::string atLimit = Repeated(script.Character, limit.Units / width);
            const std::string pastLimit = atLimit + script.Character;
            {
                TTempDir dir("limits");
                EXPECT_TRUE(limit.RoundTrip(atLimit, dir) == TTexts{atLimit}) << "at the limit";
            }
            {
                TTempDir dir("limits");
                const TTexts back = limit.RoundTrip(pastLimit, dir);
                const TTexts expected = limit.LongTextGoesOn ? TTexts{atLimit, script.Character} : TTexts{atLimit};
                EXPECT_TRUE(back == expected) << "one past the limit: " << back.size() << " texts, the first of "
                                              << (back.empty() ? 0 : Utf16Length(back[0])) << " units";
            }
        }
    }
}

} // namespace
