#include "gen/folder_scan.h"
#include "support/paths.h"
#include "text/native_path.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using Names = std::vector<std::string>;

// A file or folder of the tree, by its name under the root ('/' between folders).
void MakeFile(const std::filesystem::path& root, const std::string& name)
{
    const std::filesystem::path path = root / NativePath(name);
    std::filesystem::create_directories(path.parent_path());
    std::FILE* file = OpenNativeFile(NameOfPath(path), "wb");
    ASSERT_NE(file, nullptr) << name;
    std::fclose(file);
}

void MarkHidden([[maybe_unused]] const std::filesystem::path& path)
{
#ifdef _WIN32
    ::SetFileAttributesW(path.c_str(), ::GetFileAttributesW(path.c_str()) | FILE_ATTRIBUTE_HIDDEN);
#endif
}

#ifdef _WIN32
// Runs one of the host's commands on the host's names of the paths: what Wine cannot do itself.
void RunOnHost(const wchar_t* program, const std::wstring& arguments,
               std::initializer_list<std::filesystem::path> paths)
{
    using TUnixName = char* (*)(const wchar_t*);
    auto unixName = reinterpret_cast<TUnixName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    ASSERT_NE(unixName, nullptr) << "not under Wine";
    std::wstring command = std::wstring(program) + L" " + arguments;
    for (const std::filesystem::path& path : paths) {
        // The folder's host name and the last part as it stands: a link is not looked through.
        command += L" \"" + Wide(unixName(path.parent_path().c_str())) + L"/" + path.filename().wstring() + L"\"";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                 &process));
    ::WaitForSingleObject(process.hProcess, 10000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

// Whether the folder lists the name (a link is not looked through).
bool Listed(const std::filesystem::path& path)
{
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(find);
    return true;
}

// A host process's end is not always seen by its waiter: wait for what it does instead.
void WaitUntilListed(const std::filesystem::path& path, bool listed)
{
    for (int i = 0; i < 500 && Listed(path) != listed; ++i)
        ::Sleep(20);
    ASSERT_EQ(Listed(path), listed) << path.string();
}

// Removes a folder and everything in it, by a \\?\ name of any length.
void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(folder + L"\\" + name);
            else
                ::DeleteFileW((folder + L"\\" + name).c_str());
        } while (::FindNextFileW(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(folder.c_str());
}
#endif

// A symbolic link to a folder. Under Wine, whose CreateSymbolicLinkW makes nothing, the host's ln
// makes it (Wine shows the host's links as reparse points).
void MakeFolderLink(const std::filesystem::path& target, const std::filesystem::path& link)
{
#ifdef _WIN32
    if (!::CreateSymbolicLinkW(link.c_str(), target.c_str(),
                               SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) ||
        ::GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES) {
        RunOnHost(L"Z:\\bin\\ln", L"-s", {target, link});
        WaitUntilListed(link, true);
    }
#else
    std::filesystem::create_directory_symlink(target, link);
#endif
}

// Removes the link itself, never what it leads to.
void RemoveFolderLink(const std::filesystem::path& link)
{
#ifdef _WIN32
    if (!::RemoveDirectoryW(link.c_str())) {
        RunOnHost(L"Z:\\bin\\rm", L"-f", {link});
        WaitUntilListed(link, false);
    }
#else
    std::filesystem::remove(link);
#endif
}

// The tree every case scans: patterns, subfolders, hidden entries, names in Greek and with
// blanks, and a link back to the root that would loop for ever if it were followed.
class FolderScan : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::filesystem::path& root = Root.Folder();
        for (const char* name : {"a2.jpg", "a10.jpg", "A1.JPG", "b.png", "notes.txt", "two words.jpg",
                                 "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1.jpg", ".hidden.jpg", "sub 1/x.jpg",
                                 "sub 1/y.txt", "sub 1/deeper/z.png", "Sub10/q.jpg", "sub2/p.jpg", ".hiddendir/h.jpg"})
            MakeFile(root, name);
        MarkHidden(root / ".hidden.jpg");
        MarkHidden(root / ".hiddendir");
        MakeFolderLink(root, root / "sub2" / "loop");
    }

    // The link goes before the tree, which could otherwise be removed through it.
    void TearDown() override
    {
        RemoveFolderLink(Root.Folder() / "sub2" / "loop");
    }

    // The names found, under the root and with '/' between folders.
    Names Scan(TFolderScan scan, TScanStatus expected = TScanStatus::Done)
    {
        scan.Folder = NameOfPath(Root.Folder());
        const std::atomic<bool> cancel{false};
        const TScanResult result = ScanFolder(scan, cancel);
        EXPECT_EQ(result.Status, expected);
        EXPECT_EQ(result.UnreadFolders, 0);
        return Relative(result.Names);
    }

    Names Relative(const Names& names) const
    {
        const std::string root = NameOfPath(std::filesystem::absolute(Root.Folder()));
        Names relative;
        for (std::string name : names) {
            EXPECT_EQ(name.rfind(root, 0), 0u) << name;
            name.erase(0, root.size() + 1);
            for (char& c : name)
                c = c == '\\' ? '/' : c;
            relative.push_back(name);
        }
        return relative;
    }

    TTempDir Root{"scan"};
};

const std::string Omega = "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1.jpg";

TEST_F(FolderScan, FindsWhatThePatternsTakeFolderByFolderInNaturalOrder)
{
    struct TCase {
        TFolderScan Scan;
        Names Expected;
    };
    const TCase cases[] = {
        {{"", "*.jpg;*.png", true},
         {"A1.JPG", "a2.jpg", "a10.jpg", "b.png", "two words.jpg", Omega, "sub2/p.jpg", "Sub10/q.jpg", "sub 1/x.jpg",
          "sub 1/deeper/z.png"}},
        {{"", " *.JPG ; ", false}, {"A1.JPG", "a2.jpg", "a10.jpg", "two words.jpg", Omega}},
        {{"", "*.txt", true}, {"notes.txt", "sub 1/y.txt"}},
        {{"", "a?.jpg", false}, {"A1.JPG", "a2.jpg"}},
        {{"", "*", true, TScanItems::Folders}, {"sub2", "Sub10", "sub 1", "sub2/loop", "sub 1/deeper"}},
        {{"", "*1*", true, TScanItems::FilesAndFolders}, {"A1.JPG", "a10.jpg", "Sub10", "sub 1"}},
        {{"", "*.jpg", true, TScanItems::Files, true},
         {".hidden.jpg", "A1.JPG", "a2.jpg", "a10.jpg", "two words.jpg", Omega, ".hiddendir/h.jpg", "sub2/p.jpg",
          "Sub10/q.jpg", "sub 1/x.jpg"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Scan.Patterns);
        EXPECT_EQ(Scan(c.Scan), c.Expected);
    }
}

TEST_F(FolderScan, CancelHalfWayGivesNothingAndABadFolderIsSaid)
{
    std::atomic<bool> cancel{false};
    std::size_t reported = 0;
    TFolderScan scan{NameOfPath(Root.Folder()), "*", true};
    const TScanResult result = ScanFolder(scan, cancel, [&](std::size_t found) {
        reported = found;
        cancel = true;   // after the first folder
    });
    EXPECT_EQ(result.Status, TScanStatus::Cancelled);
    EXPECT_TRUE(result.Names.empty());
    EXPECT_GT(reported, 0u);

    cancel = false;
    EXPECT_EQ(ScanFolder({NameOfPath(Root.Folder() / "missing")}, cancel).Status, TScanStatus::NoSuchFolder);
    EXPECT_EQ(ScanFolder({NameOfPath(Root.Folder() / "notes.txt")}, cancel).Status, TScanStatus::NoSuchFolder);
}

TEST_F(FolderScan, NamesLongerThanMaxPathComeWhole)
{
    std::string deep = "long";
    for (int i = 0; i < 6; ++i)
        deep += "/" + std::string(60, static_cast<char>('a' + i));
#ifdef _WIN32
    // The standard library reaches past MAX_PATH only through the \\?\ form.
    std::filesystem::path folder = L"\\\\?\\" + std::filesystem::absolute(Root.Folder()).wstring();
    for (std::size_t at = 0, next; at < deep.size(); at = next + 1) {
        next = deep.find('/', at);
        next = next == std::string::npos ? deep.size() : next;
        folder /= deep.substr(at, next - at);
    }
    std::filesystem::create_directories(folder);
    std::FILE* file = ::_wfopen((folder / L"end.jpg").c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    struct TRemoveLong {
        std::wstring Top;
        ~TRemoveLong() { RemoveTree(Top); }
    } removeLong{L"\\\\?\\" + std::filesystem::absolute(Root.Folder() / "long").wstring()};
#else
    MakeFile(Root.Folder(), deep + "/end.jpg");
#endif
    const Names found = Scan({"", "end.jpg", true});
    ASSERT_EQ(found, Names{deep + "/end.jpg"});
    EXPECT_GT(NameOfPath(Root.Folder()).size() + found[0].size(), 300u);
}

} // namespace
