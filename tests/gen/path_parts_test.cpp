#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "gen/path_parts.h"
#include "settings/settings.h"
#include "text/utf16_text.h"

#include <gtest/gtest.h>

namespace {

std::string Repeated(const std::string& text, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += text;
    return out;
}

const std::string Greek = "\xCE\xA9";
const std::string Emoji = "\xF0\x9F\x98\x80";

struct TSplit {
    std::string Path, Drive, Dir, Name, Ext;
};

TEST(PathParts, TheWholeNameIsSplitHoweverLong)
{
    const std::string deep = "\\" + std::string(300, 'd') + "\\";
    const TSplit cases[] = {
        {"C:\\Web\\img\\cat.gif", "C:", "\\Web\\img\\", "cat", ".gif"},
        {"C:\\a.tar.gz", "C:", "\\", "a.tar", ".gz"},
        {"C:\\home\\.profile", "C:", "\\home\\", "", ".profile"},
        {"C:/www/pics/dog.jpg", "C:", "/www/pics/", "dog", ".jpg"},
        {"\\\\srv\\share\\f.txt", "", "\\\\srv\\share\\", "f", ".txt"},
        {"README", "", "", "README", ""},
        // 385 characters: the name and the extension past the 260th come whole.
        {"C:" + deep + Repeated(Greek, 77) + ".txt", "C:", deep, Repeated(Greek, 77), ".txt"},
        {"C:" + deep + Repeated(Emoji, 200) + "." + Repeated(Greek, 3), "C:", deep, Repeated(Emoji, 200),
         "." + Repeated(Greek, 3)},
        {"D:" + Repeated(deep, 100) + "f", "D:", Repeated(deep, 100), "f", ""},
    };
    for (const TSplit& c : cases) {
        const TPathParts parts = SplitPath(c.Path);
        EXPECT_EQ(parts.Drive, c.Drive) << c.Path;
        EXPECT_EQ(parts.Dir, c.Dir) << c.Path;
        EXPECT_EQ(parts.Name, c.Name) << c.Path;
        EXPECT_EQ(parts.Ext, c.Ext) << c.Path;
    }
}

TEST(PathParts, ALongNamesVariablesInTheOutputAreWhole)
{
    const std::string name = Repeated(Greek, 77);
    const std::string file = "C:\\" + std::string(300, 'd') + "\\" + name + ".txt";
    ASSERT_EQ(Utf16Length(file), 385u);
    TSettings settings = FirstStartSettings();
    settings.CheckIndex = None;
    TVectorFileList list({file});
    EXPECT_EQ(TLineBuilder(settings, list, "QZ_NAME|QZ_EXT", "").BuildLine(0), name + "|.txt");
}

} // namespace
