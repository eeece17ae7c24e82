#include "app/settings_location.h"

#include "framework/handles.h"
#include "settings/profile_legacy.h"
#include "settings/profile_portable.h"
#include "settings/settings.h"
#include "text/ascii_text.h"
#include "text/legacy_text.h"
#include "text/native_path.h"
#include "text/replace_file.h"
#include "text/wide_text.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <cwchar>
#include <fstream>
#include <iterator>

namespace {

// The key of the per-user file that remembers which state of the Windows folder's file it took.
constexpr const char* TakenKey = "TakenFromWindowsFolder";

// Whether a file can be made or changed in the folder, tried with a file that goes away.
bool FolderIsWritable(const std::string& folder)
{
    const std::string probe = folder + "\\QZIni-" + std::to_string(::GetCurrentProcessId()) + ".tmp";
    const TFileHandle file(::CreateFileW(Wide(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.IsOpen();
}

bool FileIsWritable(const std::string& file)
{
    // Asked first: an administrator, or Wine run by root, may open a read-only file for writing.
    const DWORD attributes = ::GetFileAttributesW(Wide(file).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    const TFileHandle handle(::CreateFileW(Wide(file).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, 0, nullptr));
    return handle.IsOpen();
}

// The file's last change in the system's ticks; 0 when there is no such file.
std::uint64_t LastWritten(const std::string& file)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Wide(file).c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
}

std::string FileBytes(const std::string& file)
{
    std::ifstream in(NativePath(file), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The settings of the Windows folder's file come to the per-user file, whole (the font keys and
// any key of a newer copy too), once for each state of the old file: when there is no per-user
// file yet, and when the old file was written since the per-user file (by an elevated run, or
// by an older copy). The old file itself is never written.
void TakeWindowsFolderFile(const std::string& inWindows, const std::string& perUser)
{
    const std::uint64_t old = LastWritten(inWindows);
    if (old == 0)
        return;
    TPortableProfile profile("");
    const std::string stamp = std::to_string(old);
    if (LastWritten(perUser) != 0 &&
        (old <= LastWritten(perUser) || profile.ReadString(perUser, DefaultSectionName, TakenKey, "", 32) == stamp))
        return;
    if (ReplaceFileWith(perUser, FileBytes(inWindows)))
        profile.WriteString(perUser, DefaultSectionName, TakenKey, stamp);
}

} // namespace

std::string ChooseSettingsFileName(const std::string& bareName, const std::string& windowsFolder,
                                   const std::string& userFolder)
{
    const std::string inWindows = windowsFolder + "\\" + bareName;
    if (userFolder.empty())
        return bareName;
    const std::string perUser = userFolder + "\\" + bareName;
    const bool oldExists = ::GetFileAttributesW(Wide(inWindows).c_str()) != INVALID_FILE_ATTRIBUTES;
    const bool perUserExists = ::GetFileAttributesW(Wide(perUser).c_str()) != INVALID_FILE_ATTRIBUTES;
    // The Windows folder keeps the settings as long as it can be written (the file replaced
    // whole needs a new file in the folder) and no per-user file has taken over.
    if (!perUserExists && FolderIsWritable(windowsFolder) && (!oldExists || FileIsWritable(inWindows)))
        return bareName;
    ::CreateDirectoryW(Wide(userFolder).c_str(), nullptr);
    if (oldExists)
        TakeWindowsFolderFile(inWindows, perUser);
    return perUser;
}

namespace {

// The user's own folder of the program; empty when the system names none.
std::string UserFolder()
{
    wchar_t appData[MAX_PATH] = L"";
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)))
        return {};
    return Narrow(appData) + "\\Strandel";
}

std::string WindowsFolder()
{
    wchar_t windows[MAX_PATH] = L"";
    const UINT length = ::GetWindowsDirectoryW(windows, MAX_PATH);
    return length > 0 && length < MAX_PATH ? Narrow(windows) : std::string();
}

} // namespace

const std::string& SettingsFileName()
{
    static const std::string name = [] {
        const std::string windows = WindowsFolder();
        std::string chosen = ChooseSettingsFileName(DefaultIniFileName, windows, UserFolder());
        // What a copy killed while it saved left beside the file goes now.
        RemoveStaleTemporaries(chosen == DefaultIniFileName ? windows + "\\" + chosen : chosen);
        return chosen;
    }();
    return name;
}

std::string WebPageFolder(const std::string& programFolder)
{
    if (!programFolder.empty() && FolderIsWritable(programFolder.substr(0, programFolder.size() - 1)))
        return programFolder;
    const std::string user = UserFolder();
    ::CreateDirectoryW(Wide(user).c_str(), nullptr);
    return user + "\\";
}

std::string OutputFileForThisSystem(const std::string& fileOutput)
{
    if (!EqualsNoCase(fileOutput, DefaultFileOutput))
        return fileOutput;
    const std::string oldDesktop = FolderOf(fileOutput);
    if (::GetFileAttributesW(Wide(oldDesktop).c_str()) != INVALID_FILE_ATTRIBUTES)
        return fileOutput;
    wchar_t desktop[MAX_PATH] = L"";
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop)))
        return fileOutput;
    return Narrow(desktop) + "\\" + fileOutput.substr(oldDesktop.size());
}

int LegacyCodePage()
{
    wchar_t number[8] = L"";
    ::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, number, 8);
    const int page = static_cast<int>(std::wcstol(number, nullptr, 10));
    // A system already on UTF-8 left no other code page behind.
    return page > 0 && page != CP_UTF8 ? page : WesternCodePage;
}

std::unique_ptr<TProfile> MakeProgramProfile()
{
    return std::make_unique<TLegacyAwareProfile>(std::make_unique<TPortableProfile>(WindowsFolder()), LegacyCodePage());
}
