#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "gen/path_parts.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

namespace {

std::string Repeated(const std::string& text, int count)
{
    std::string out;
    while (count-- > 0)
        out += text;
    return out;
}

TEST(PathParts, TheWholeNameIsSplitHoweverLong)
{
    const std::string deep = "\\" + std::string(300, 'd') + "\\", greek = Repeated("\xCE\xA9", 77);
    const std::string emoji = Repeated("\xF0\x9F\x98\x80", 200);
    const struct {
        std::string Path, Drive, Dir, Name, Ext;
    } cases[] = {
        {"C:\\a.tar.gz", "C:", "\\", "a.tar", ".gz"},
        {"C:/home/.profile", "C:", "/home/", "", ".profile"},
        {"\\\\srv\\share\\f", "", "\\\\srv\\share\\", "f", ""},
        // 385 characters: the name and the extension past the 260th come whole.
        {"C:" + deep + greek + ".txt", "C:", deep, greek, ".txt"},
        {"C:" + deep + emoji + "." + greek, "C:", deep, emoji, "." + greek},
        {"D:" + Repeated(deep, 100) + "f", "D:", Repeated(deep, 100), "f", ""},
    };
    for (const auto& c : cases) {
        const TPathParts parts = SplitPath(c.Path);
        EXPECT_TRUE(parts.Drive == c.Drive && parts.Dir == c.Dir && parts.Name == c.Name && parts.Ext == c.Ext)
            << c.Path.substr(0, 40) << ": " << parts.Name.size() << " bytes of name, " << parts.Ext.size() << " of extension";
    }

    // As the output shows them.
    TSettings settings = FirstStartSettings();
    settings.CheckIndex = None;
    TVectorFileList list({"C:" + deep + greek + ".txt"});
    EXPECT_EQ(TLineBuilder(settings, list, "QZ_NAME|QZ_EXT", "").BuildLine(0), greek + "|.txt");
}

} // namespace
