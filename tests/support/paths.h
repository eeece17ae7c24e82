#pragma once
// Where the tests keep and find files: fresh folders, whole-file reads and writes and, under
// Windows, the places of the prefix the program uses.
#include "text/native_path.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#ifdef _WIN32
#include "text/wide_text.h"

#include <windows.h>
#include <shlobj.h>
#endif

// A tag that makes a name unlikely to be taken already.
inline std::string RandomTag()
{
    std::random_device random;
    return std::to_string(random()) + std::to_string(random());
}

// A fresh folder of its own, removed with everything in it when this goes.
class TTempDir {
public:
    explicit TTempDir(const std::string& purpose = "test")
    {
        do
            Path = std::filesystem::temp_directory_path() / ("strandel-" + purpose + "-" + RandomTag());
        while (!std::filesystem::create_directory(Path));
    }
    ~TTempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    std::string File(const std::string& name) const { return (Path / name).string(); }
    const std::filesystem::path& Folder() const { return Path; }

private:
    std::filesystem::path Path;
};

// Whole files by the names the program holds (UTF-8), opened through the wide names on Windows
// whatever the code page.
inline std::string ReadBytes(const std::string& fileName)
{
    std::ifstream in(NativePath(fileName), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& fileName, const std::string& bytes)
{
    std::ofstream out(NativePath(fileName), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Build paths reach the Windows tests as the host gives them: a Linux path is drive Z: under Wine.
inline std::string WindowsPath(std::string path)
{
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            c = c == '/' ? '\\' : c;
        path = "Z:" + path;
    }
    return path;
}

#ifdef _WIN32
// The Windows folder; empty where its name does not fit a path.
inline std::string WindowsFolder()
{
    wchar_t buffer[MAX_PATH + 1] = {};
    UINT length = ::GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    return Narrow(std::wstring_view(buffer, length <= MAX_PATH ? length : 0));
}

// The settings file a program started with no other finds (the Windows folder is writable here).
inline std::string WindowsFolderIni()
{
    return WindowsFolder() + "\\QZIni.ini";
}

// Where a first start puts its output file: QZScript.txt on the user's desktop, the desktop
// folder of old Windows being gone.
inline std::string DesktopOutput()
{
    wchar_t desktop[MAX_PATH] = L"";
    ::SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop);
    return Narrow(desktop) + "\\QZScript.txt";
}
#endif
