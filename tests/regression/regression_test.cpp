// Templates and settings files as they were before the newer keys existed, over lists of awkward
// names: the line builder must give the very bytes kept beside them (strandel-gen is held to the
// same table by gen_cli_e2e.sh).
#include "gen/encoded_output.h"
#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "gen/list_file.h"
#include "settings/profile_legacy.h"
#include "settings/profile_portable.h"
#include "settings/settings.h"
#include "settings/template_file.h"
#include "support/paths.h"
#include "support/written_output.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string TableFile(const std::string& name)
{
    std::string path = std::string(STRANDEL_REGRESSION_DIR) + "/" + name;
#ifdef _WIN32
    path = WindowsPath(path);
#endif
    return path;
}

struct TCase {
    std::string Name, Kind, Template, List, RelPath;
};

std::vector<TCase> Cases()
{
    std::vector<TCase> cases;
    std::ifstream table(TableFile("cases.txt"));
    for (std::string line; std::getline(table, line);) {
        std::istringstream fields(line);
        TCase c;
        std::getline(fields, c.Name, '|');
        std::getline(fields, c.Kind, '|');
        std::getline(fields, c.Template, '|');
        std::getline(fields, c.List, '|');
        std::getline(fields, c.RelPath);
        if (!c.Name.empty())
            cases.push_back(c);
    }
    return cases;
}

TEST(Regression, OlderTemplatesAndSettingsGiveTheirBytesUnchanged)
{
    const std::vector<TCase> cases = Cases();
    ASSERT_GE(cases.size(), 20u);
    TLegacyAwareProfile profile(std::make_unique<TPortableProfile>("."), WesternCodePage);
    TTempDir dir("regression");
    for (const TCase& c : cases) {
        TSettings settings = FirstStartSettings();
        std::string header, queue;
        const std::string file = TableFile("templates/" + c.Template);
        if (c.Kind == "settings") {
            settings.IniFileName = file;
            LoadSettings(settings, profile, header, queue);
        } else {
            ReadTemplateFile(settings, profile, file, header, queue);
        }
        settings.RelPath = c.RelPath;
        TPackedFileList list;
        ASSERT_TRUE(ReadListFile(TableFile("lists/" + c.List), list, WesternCodePage)) << c.Name;

        // Through the same writer and format choice as a Create.
        TLineBuilder builder(settings, list, header, queue);
        EXPECT_EQ(WrittenOutput(builder, OutputFormatOf(settings), dir.File("out")),
                  ReadBytes(TableFile("expected/" + c.Name + ".out")))
            << c.Name;
    }
}

} // namespace
