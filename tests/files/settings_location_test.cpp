// Where the settings live: a settings file in the Windows folder that cannot be written (kept
// read-only by an older installation, written by an elevated run) gives its settings to the
// per-user file, once for each state of it, and is never written itself.
#include "app/settings_location.h"
#include "settings/profile.h"
#include "settings/settings.h"
#include "support/paths.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

namespace {

class SettingsLocation : public ::testing::Test {
protected:
    SettingsLocation()
    {
        std::filesystem::create_directories(Dir.Folder() / "Windows");
        std::filesystem::create_directories(Dir.Folder() / "AppData");
    }
    ~SettingsLocation() override { ::SetFileAttributesW(Wide(Old).c_str(), FILE_ATTRIBUTE_NORMAL); }

    std::string Choose() const { return ChooseSettingsFileName("QZIni.ini", Windows, User); }

    // What the program loads from the file, and saves into it with a new Header.
    std::string LoadedHeader(const std::string& file, TSettings& settings) const
    {
        settings = FirstStartSettings();
        settings.IniFileName = file;
        std::string header, queue;
        LoadSettings(settings, *Profile, header, queue);
        return header;
    }
    void SaveHeader(const std::string& file, const std::string& header) const
    {
        TSettings settings;
        LoadedHeader(file, settings);
        ASSERT_TRUE(SaveSettings(settings, *Profile, header, ""));
    }

    void SetOld(const std::string& bytes, bool readOnly, int hoursAhead = 0) const
    {
        ::SetFileAttributesW(Wide(Old).c_str(), FILE_ATTRIBUTE_NORMAL);
        WriteBytes(Old, bytes);
        if (hoursAhead) {
            // A clock ahead: the file seems written after anything the program writes now.
            HANDLE file = ::CreateFileW(Wide(Old).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            FILETIME now{};
            ::GetSystemTimeAsFileTime(&now);
            ULARGE_INTEGER ticks{{now.dwLowDateTime, now.dwHighDateTime}};
            ticks.QuadPart += hoursAhead * 36000000000ull;
            const FILETIME ahead{ticks.LowPart, ticks.HighPart};
            ::SetFileTime(file, nullptr, nullptr, &ahead);
            ::CloseHandle(file);
        }
        if (readOnly)
            ::SetFileAttributesW(Wide(Old).c_str(), FILE_ATTRIBUTE_READONLY);
    }

    TTempDir Dir{"location"};
    const std::string Windows = Dir.File("Windows");
    const std::string User = Dir.File("AppData") + "\\Strandel";
    const std::string Old = Windows + "\\QZIni.ini";
    const std::string PerUser = User + "\\QZIni.ini";
    const std::unique_ptr<TProfile> Profile = MakeProgramProfile();
};

TEST_F(SettingsLocation, AReadOnlyOldFileGivesItsSettingsToThePerUserFileOnce)
{
    const std::string old = "[Strandel]\r\nHeader=<kept header>\r\nFileOutput=C:\\Out\\mine.txt\r\nCheckIndex=2\r\n"
                            "lfFaceName=Consolas\r\n";
    SetOld(old, true);
    ASSERT_EQ(Choose(), PerUser);

    TSettings settings;
    EXPECT_EQ(LoadedHeader(PerUser, settings), "kept header");
    EXPECT_EQ(settings.FileOutput, "C:\\Out\\mine.txt");
    EXPECT_EQ(settings.CheckIndex, NoPath);
    EXPECT_EQ(Profile->ReadString(PerUser, "Strandel", "lfFaceName", "", 31), "Consolas");

    SaveHeader(PerUser, "typed since");
    EXPECT_EQ(ReadBytes(Old), old);
    EXPECT_TRUE(::GetFileAttributesW(Wide(Old).c_str()) & FILE_ATTRIBUTE_READONLY);

    // The next start keeps what was saved since.
    ASSERT_EQ(Choose(), PerUser);
    EXPECT_EQ(LoadedHeader(PerUser, settings), "typed since");
    EXPECT_EQ(ReadBytes(Old), old);
}

TEST_F(SettingsLocation, AnOldFileWrittenSinceIsTakenOnceAndThePerUserFileStaysTheOneWritten)
{
    SetOld("[Strandel]\r\nHeader=<old, from before>\r\n", false);
    ::Sleep(20);   // the per-user file, saved after the old one
    std::filesystem::create_directories(User);
    WriteBytes(PerUser, "[Strandel]\r\nHeader=<mine>\r\n");
    // The Windows folder can be written, but the per-user file has taken over: an elevated run
    // keeps to it as well.
    ASSERT_EQ(Choose(), PerUser);
    TSettings settings;
    EXPECT_EQ(LoadedHeader(PerUser, settings), "mine");

    // An older copy run elevated wrote the old file since, with a clock an hour ahead.
    const std::string elevated = "[Strandel]\r\nHeader=<saved elevated>\r\n";
    SetOld(elevated, false, 1);
    ASSERT_EQ(Choose(), PerUser);
    EXPECT_EQ(LoadedHeader(PerUser, settings), "saved elevated");
    SaveHeader(PerUser, "after");
    ASSERT_EQ(Choose(), PerUser);
    EXPECT_EQ(LoadedHeader(PerUser, settings), "after");
    EXPECT_EQ(ReadBytes(Old), elevated);
}

TEST_F(SettingsLocation, TheWindowsFolderKeepsTheSettingsWhileItCanBeWrittenAndNoPerUserFileExists)
{
    SetOld("[Strandel]\r\nHeader=<x>\r\n", false);
    EXPECT_EQ(Choose(), "QZIni.ini");
    EXPECT_FALSE(std::filesystem::exists(PerUser));
}

} // namespace
