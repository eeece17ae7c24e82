#include "gen/make_relative.h"

#include <gtest/gtest.h>

namespace {

struct TRelativeCase {
    const char* Path;
    const char* Base;
    const char* Expected;
};

class MakeRelativeCases : public ::testing::TestWithParam<TRelativeCase> {};

TEST_P(MakeRelativeCases, GivesThePathFromTheBaseFolder)
{
    std::string path = GetParam().Path;
    MakeRelative(path, GetParam().Base);
    EXPECT_EQ(path, GetParam().Expected) << GetParam().Path << " against " << GetParam().Base;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, MakeRelativeCases,
    ::testing::Values(
        // in the base folder or below it
        TRelativeCase{"C:\\Web\\img\\cat.gif", "C:\\Web\\", "img\\cat.gif"},
        TRelativeCase{"C:\\Web\\cat.gif", "C:\\Web\\", "cat.gif"},
        TRelativeCase{"c:\\web\\IMG\\cat.gif", "C:\\Web\\", "IMG\\cat.gif"},
        // a base that names a file counts from its folder
        TRelativeCase{"C:\\Web\\img\\cat.gif", "C:\\Web\\index.htm", "img\\cat.gif"},
        // above the base: one ..\ per level
        TRelativeCase{"C:\\a.txt", "C:\\Web\\sub\\", "..\\..\\a.txt"},
        TRelativeCase{"C:\\Web\\a.txt", "C:\\Web\\sub\\", "..\\a.txt"},
        // sibling branches climb to the common folder
        TRelativeCase{"C:\\Docs\\a.txt", "C:\\Web\\", "..\\Docs\\a.txt"},
        TRelativeCase{"c:\\docs\\a.txt", "C:\\Web\\", "..\\docs\\a.txt"},
        TRelativeCase{"C:\\abcd\\f.txt", "C:\\abc\\def\\", "..\\..\\abcd\\f.txt"},
        TRelativeCase{"C:\\Web2\\f.txt", "C:\\Web\\", "..\\Web2\\f.txt"},
        // another drive, or no drive at all, keeps the full name
        TRelativeCase{"D:\\x\\b.txt", "C:\\Web\\", "D:\\x\\b.txt"},
        TRelativeCase{"b.txt", "C:\\Web\\", "b.txt"},
        // shares: same server and share (case sensitive) or not
        TRelativeCase{"\\\\srv\\sh\\b\\f.txt", "\\\\srv\\sh\\a\\", "..\\b\\f.txt"},
        TRelativeCase{"\\\\srv\\sh\\a\\f.txt", "\\\\srv\\sh\\a\\", "f.txt"},
        TRelativeCase{"\\\\SRV\\SH\\b\\f.txt", "\\\\srv\\sh\\a\\", "\\\\SRV\\SH\\b\\f.txt"},
        TRelativeCase{"\\\\srv\\other\\f.txt", "\\\\srv\\sh\\a\\", "\\\\srv\\other\\f.txt"},
        // a name without a backslash is no folder to climb from
        TRelativeCase{"", "C:\\Web\\", ""},
        TRelativeCase{"C", "C:\\Web\\", "C"},
        // a share counts only where it begins the file's folder, whole
        TRelativeCase{"\\\\srv\\shared\\x\\f.txt", "\\\\srv\\sh\\a\\", "\\\\srv\\shared\\x\\f.txt"},
        // a base without a backslash (an output name on Linux) comes off the front as it stands
        TRelativeCase{"/out/index.htmimg\\cat.gif", "/out/index.htm", "img\\cat.gif"},
        // the base itself stays as it is
        TRelativeCase{"c:\\web\\", "C:\\Web\\", "c:\\web\\"},
        // an empty base takes nothing away
        TRelativeCase{"C:\\Web\\a.txt", "", "C:\\Web\\a.txt"}));

} // namespace
