#include "app/recycle_bin.h"

#include "app/system_message.h"
#include "text/wide_text.h"

#include <shellapi.h>

namespace {

bool Exists(const std::wstring& name)
{
    return ::GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

TRecycleResult MoveToRecycleBin(HWND owner, const std::string& fileName)
{
    // The operation takes a list of names, each ended by a zero, the list by a second one.
    std::wstring names = Wide(fileName);
    names.push_back(L'\0');
    names.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = names.c_str();
    // No question of the system's own, but the one that says a file cannot be recycled.
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING | FOF_NOERRORUI | FOF_SILENT;
    const int result = ::SHFileOperationW(&operation);
    if (!Exists(names.c_str()))
        return TRecycleResult::Gone;
    if (operation.fAnyOperationsAborted || result == ERROR_CANCELLED)
        return TRecycleResult::Kept;
    return TRecycleResult::Failed;
}

std::string WhyNotDeletable(const std::string& fileName)
{
    // Asking for the right to delete it brings out the reason the system refused.
    HANDLE file = ::CreateFileW(Wide(fileName).c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return SystemMessage(::GetLastError()) + ".";
    ::CloseHandle(file);
    const DWORD attributes = ::GetFileAttributesW(Wide(fileName).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return "The file is read-only.";
    return "The system gave no reason.";
}
