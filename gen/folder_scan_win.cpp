#include "gen/folder_scan.h"

#include "text/wide_text.h"

#include <windows.h>

namespace {

// Past MAX_PATH a name reaches the system only with the \\?\ prefix, which also turns off every
// change of the name: so it must be full and use backslashes.
std::wstring LongForm(std::wstring name)
{
    if (name.size() < MAX_PATH - 12 || name.rfind(L"\\\\?\\", 0) == 0)
        return name;
    for (wchar_t& c : name)
        c = c == L'/' ? L'\\' : c;
    if (name.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + name.substr(2);
    return L"\\\\?\\" + name;
}

class TFind {
public:
    explicit TFind(const std::wstring& pattern, WIN32_FIND_DATAW& data)
    {
        Handle = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                    FIND_FIRST_EX_LARGE_FETCH);
        if (Handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_INVALID_PARAMETER)   // before Windows 7
            Handle = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
    }
    ~TFind()
    {
        if (Handle != INVALID_HANDLE_VALUE)
            ::FindClose(Handle);
    }
    TFind(const TFind&) = delete;
    TFind& operator=(const TFind&) = delete;

    bool Found() const { return Handle != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAW& data) { return ::FindNextFileW(Handle, &data) != FALSE; }

private:
    HANDLE Handle = INVALID_HANDLE_VALUE;
};

bool IsDots(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

} // namespace

namespace FolderScanSystem {

const char Separator = '\\';

std::string FullFolderName(const std::string& folder)
{
    if (folder.empty())
        return {};
    const std::wstring wide = Wide(folder);
    DWORD length = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (length == 0)
        return {};
    std::wstring full(length, L'\0');
    length = ::GetFullPathNameW(wide.c_str(), length, full.data(), nullptr);
    full.resize(length);
    const DWORD attributes = ::GetFileAttributesW(LongForm(full).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {};
    // A root keeps its backslash ("C:\"); any other folder loses it.
    while (full.size() > 3 && (full.back() == L'\\' || full.back() == L'/'))
        full.pop_back();
    return Narrow(full);
}

bool ReadFolder(const std::string& folder, std::vector<TFolderEntry>& entries, const std::atomic<bool>& cancel)
{
    std::wstring pattern = Wide(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/')
        pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW data;
    TFind find(LongForm(pattern), data);
    if (!find.Found())
        return ::GetLastError() == ERROR_FILE_NOT_FOUND;   // an empty drive's root has no "." either
    do {
        if (IsDots(data.cFileName))
            continue;
        TFolderEntry entry;
        entry.Name.assign(data.cFileName, data.cFileName + std::wcslen(data.cFileName));
        entry.Folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.Hidden = (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
        entry.Link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        entries.push_back(std::move(entry));
    } while (!cancel.load(std::memory_order_relaxed) && find.Next(data));
    return true;
}

} // namespace FolderScanSystem
