// Every limit on a text counts UTF-16 units, as the edit fields count characters, and never
// cuts inside a character: each limit with Greek, CJK and emoji text at the limit and one
// character past it, written and read back the way the program does (or made into output).
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

#include <gtest/gtest.h>

#include <functional>

namespace {

using TTexts = std::vector<std::string>;
// Where a text goes in the record or the dialog's two texts.
enum ESlot { HeaderText, QueueText, MainHead, MainQueue, Output, ImageExt };
// How it is written and read back.
enum EWay { Settings, Template, MenuTitle, FaceName, CreatedOutput, ListFile };

std::string& Slot(ESlot slot, TSettings& s, std::string& header, std::string& queue)
{
    std::string* slots[] = {&header, &queue, &s.MainHead, &s.MainQueue, &s.FileOutput, &s.ImageExt};
    return *slots[slot];
}

TTexts RoundTrip(EWay way, ESlot slot, const std::string& text)
{
    TTempDir dir("limits");
    TLegacyAwareProfile profile(std::make_unique<TPortableProfile>(dir.Folder().string()), WesternCodePage);
    TSettings saved = FirstStartSettings(), read = FirstStartSettings();
    saved.IniFileName = read.IniFileName = dir.File("QZIni.ini");
    saved.SaveLocal = true;
    std::string header, queue;
    Slot(slot, saved, header, queue) = text;
    saved.SetFileOutput(saved.FileOutput);   // as the program sets it
    const std::string file = dir.File(way == Settings ? "QZIni.ini" : way == ListFile ? "l.lst" : "t.hqd");
    switch (way) {
    case Settings:
        EXPECT_TRUE(SaveSettings(saved, profile, header, queue) && SaveImageExt(saved, profile));
        LoadSettings(read, profile, header, queue);
        break;
    case Template:
        EXPECT_TRUE(WriteTemplateFile(saved, profile, file, header, queue));
        EXPECT_TRUE(ReadTemplateFile(read, profile, file, header, queue));
        break;
    case MenuTitle:   // edited by hand, kept by the next save, read as the Templates menu reads it
        WriteBytes(file, "[Strandel]\r\nh_menutitle=" + text + "\r\n");
        EXPECT_TRUE(WriteTemplateFile(saved, profile, file, "", ""));
        return {profile.ReadString(file, "Strandel", "h_menutitle", "", MenuTextRoom)};
    case FaceName:    // the font dialog's face name: 30 characters
        EXPECT_TRUE(profile.WriteString(file, "Strandel", "lfFaceName", text));
        return {profile.ReadString(file, "Strandel", "lfFaceName", "", 31)};
    case CreatedOutput: {
        TVectorFileList list({"n"});
        saved.CheckIndex = NoPath;
        const std::string output = TLineBuilder(saved, list, header, queue).BuildOutput();
        return {output.substr(0, output.size() - 1)};
    }
    case ListFile: {
        EXPECT_TRUE(WriteListFile(file, TVectorFileList({text})));
        TVectorFileList entries;
        EXPECT_TRUE(ReadListFile(file, entries, WesternCodePage));
        return entries.Items();
    }
    }
    EXPECT_TRUE(IsValidUtf8(ReadBytes(file)));   // every value whole in UTF-8
    return {Slot(slot, read, header, queue)};
}

struct TLimit {
    const char* What;
    std::size_t Units;
    EWay Way;
    ESlot Slot = HeaderText;
};

const TLimit Limits[] = {
    {"Header", FieldTextMax, Settings, HeaderText},        {"Queue", FieldTextMax, Settings, QueueText},
    {"Main head", MainTextMax, Settings, MainHead},        {"Main queue", MainTextMax, Settings, MainQueue},
    {"output file", FileNameRoom - 1, Settings, Output},   {"image extensions", ImageExtRoom - 1, Settings, ImageExt},
    {"template Header", FieldTextMax, Template, HeaderText}, {"template Main queue", MainTextMax, Template, MainQueue},
    {"template output file", FileNameRoom - 1, Template, Output}, {"menu title", MenuTextRoom - 1, MenuTitle},
    {"font face", 30, FaceName},                           {"Header in the output", FieldTextMax, CreatedOutput},
    {"Main head in the output", MainTextMax, CreatedOutput, MainHead}, {"list-file line", EntryMax, ListFile},
};

std::string Repeated(const std::string& character, std::size_t count)
{
    std::string text;
    while (count--)
        text += character;
    return text;
}

TEST(TextLimits, CountUtf16UnitsAndNeverCutACharacter)
{
    // Greek and CJK take one unit, an emoji two: with an odd limit the last one would be split.
    for (const std::string character : {"\xCE\xA9", "\xE6\xBC\xA2", "\xF0\x9F\x98\x80"}) {
        for (const TLimit& limit : Limits) {
            SCOPED_TRACE(std::string(limit.What) + " in " + character);
            const std::string atLimit = Repeated(character, limit.Units / (character.size() == 4 ? 2 : 1));
            EXPECT_TRUE(RoundTrip(limit.Way, limit.Slot, atLimit) == TTexts{atLimit}) << "at the limit";
            // One character more: cut off, or in a list file the next entry.
            const TTexts past = RoundTrip(limit.Way, limit.Slot, atLimit + character);
            EXPECT_TRUE(past == (limit.Way == ListFile ? TTexts{atLimit, character} : TTexts{atLimit}))
                << "past the limit: " << past.size() << " texts, the first of " << (past.empty() ? 0 : past[0].size()) << " bytes";
        }
    }
}

} // namespace
