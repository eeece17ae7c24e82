#include "app/settings_location.h"

#include "framework/handles.h"
#include "text/ascii_text.h"
#include "settings/profile_legacy.h"
#include "settings/profile_portable.h"
#include "settings/settings.h"
#include "text/legacy_text.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>

namespace {

// Whether a file can be made or changed in the folder, tried with a file that goes away.
bool FolderIsWritable(const std::string& folder)
{
    std::string probe = folder + "\\QZIni-" + std::to_string(::GetCurrentProcessId()) + ".tmp";
    const TFileHandle file(::CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.IsOpen();
}

bool FileIsWritable(const std::string& file)
{
    const TFileHandle handle(::CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr));
    return handle.IsOpen();
}

} // namespace

std::string ChooseSettingsFileName(const std::string& bareName, const std::string& windowsFolder,
                                   const std::string& userFolder)
{
    std::string inWindows = windowsFolder + "\\" + bareName;
    bool exists = ::GetFileAttributesA(inWindows.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (exists ? FileIsWritable(inWindows) : FolderIsWritable(windowsFolder))
        return bareName;
    if (userFolder.empty())
        return bareName;
    ::CreateDirectoryA(userFolder.c_str(), nullptr);
    return userFolder + "\\" + bareName;
}

namespace {

// The user's own folder of the program; empty when the system names none.
std::string UserFolder()
{
    char appData[MAX_PATH] = "";
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)))
        return {};
    return std::string(appData) + "\\Strandel";
}

} // namespace

const std::string& SettingsFileName()
{
    static const std::string name = [] {
        char windows[MAX_PATH] = "";
        ::GetWindowsDirectoryA(windows, MAX_PATH);
        return ChooseSettingsFileName(DefaultIniFileName, windows, UserFolder());
    }();
    return name;
}

std::string WebPageFolder(const std::string& programFolder)
{
    if (!programFolder.empty() && FolderIsWritable(programFolder.substr(0, programFolder.size() - 1)))
        return programFolder;
    const std::string user = UserFolder();
    ::CreateDirectoryA(user.c_str(), nullptr);
    return user + "\\";
}

std::string OutputFileForThisSystem(const std::string& fileOutput)
{
    if (!EqualsNoCase(fileOutput, DefaultFileOutput))
        return fileOutput;
    const std::string oldDesktop = FolderOf(fileOutput);
    if (::GetFileAttributesA(oldDesktop.c_str()) != INVALID_FILE_ATTRIBUTES)
        return fileOutput;
    char desktop[MAX_PATH] = "";
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop)))
        return fileOutput;
    return std::string(desktop) + "\\" + fileOutput.substr(oldDesktop.size());
}

int LegacyCodePage()
{
    char number[8] = "";
    ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, number, sizeof number);
    const int page = std::atoi(number);
    // A system already on UTF-8 left no other code page behind.
    return page > 0 && page != CP_UTF8 ? page : WesternCodePage;
}

std::unique_ptr<TProfile> MakeProgramProfile()
{
    char windows[MAX_PATH] = "";
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    return std::make_unique<TLegacyAwareProfile>(std::make_unique<TPortableProfile>(windows), LegacyCodePage());
}
