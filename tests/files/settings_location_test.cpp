// A settings file in the Windows folder that cannot be written (kept read-only by an older
// installation) or that an elevated run wrote gives its settings to the per-user file, once for
// each state of it, and is never written itself.
#include "app/settings_location.h"
#include "settings/profile.h"
#include "settings/settings.h"
#include "support/paths.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

class SettingsLocation : public ::testing::Test {
protected:
    SettingsLocation()
    {
        std::filesystem::create_directories(Dir.Folder() / "Windows");
        std::filesystem::create_directories(Dir.Folder() / "AppData");
    }
    ~SettingsLocation() override { ::SetFileAttributesW(Wide(Old).c_str(), FILE_ATTRIBUTE_NORMAL); }

    // A start of the program: where it keeps its settings, and the Header it shows.
    std::string Start()
    {
        EXPECT_EQ(ChooseSettingsFileName("QZIni.ini", Dir.File("Windows"), User), PerUser);
        Settings = FirstStartSettings();
        Settings.IniFileName = PerUser;
        std::string header, queue;
        LoadSettings(Settings, *Profile, header, queue);
        return header;
    }
    void Close(const std::string& header) { ASSERT_TRUE(SaveSettings(Settings, *Profile, header, "")); }

    TTempDir Dir{"location"};
    const std::string Old = Dir.File("Windows") + "\\QZIni.ini";
    const std::string User = Dir.File("AppData") + "\\Strandel", PerUser = User + "\\QZIni.ini";
    const std::unique_ptr<TProfile> Profile = MakeProgramProfile();
    TSettings Settings;
};

TEST_F(SettingsLocation, AReadOnlyOldFileGivesItsSettingsToThePerUserFileOnce)
{
    const std::string old = "[Strandel]\r\nHeader=<kept>\r\nCheckIndex=2\r\nlfFaceName=Consolas\r\n";
    WriteBytes(Old, old);
    ::SetFileAttributesW(Wide(Old).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Start(), "kept");
    EXPECT_EQ(Settings.CheckIndex, NoPath);
    EXPECT_EQ(Profile->ReadString(PerUser, "Strandel", "lfFaceName", "", 31), "Consolas");
    Close("typed since");
    EXPECT_EQ(Start(), "typed since");
    EXPECT_EQ(ReadBytes(Old), old);
}

TEST_F(SettingsLocation, AnOldFileAnElevatedRunWroteSinceIsTakenOnce)
{
    WriteBytes(Old, "[Strandel]\r\nHeader=<from before>\r\n");
    std::filesystem::create_directory(User);
    ::Sleep(20);
    WriteBytes(PerUser, "[Strandel]\r\nHeader=<mine>\r\n");
    // The Windows folder can be written, but the per-user file has taken over.
    EXPECT_EQ(Start(), "mine");

    // An elevated older copy saved the old file since, on a clock an hour ahead.
    WriteBytes(Old, "[Strandel]\r\nHeader=<saved elevated>\r\n");
    HANDLE file = ::CreateFileW(Wide(Old).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ahead{{now.dwLowDateTime, now.dwHighDateTime}};
    ahead.QuadPart += 36000000000ull;
    const FILETIME later{ahead.LowPart, ahead.HighPart};
    ::SetFileTime(file, nullptr, nullptr, &later);
    ::CloseHandle(file);
    EXPECT_EQ(Start(), "saved elevated");
    Close("after");
    EXPECT_EQ(Start(), "after");
    EXPECT_EQ(ReadBytes(Old), "[Strandel]\r\nHeader=<saved elevated>\r\n");
}

} // namespace
