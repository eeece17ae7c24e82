// Replacing files: the new file is renamed over the old one, one step of the file system.
#include "text/replace_file_system.h"

#include "text/wide_text.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

namespace {

// The attributes a replaced file keeps; the new content is "changed since the last backup".
constexpr DWORD KeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Whether another program holds the file open in a way that keeps it from being replaced.
bool HeldByAnother(const std::wstring& target)
{
    HANDLE probe = ::CreateFileW(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        ::CloseHandle(probe);
        return false;
    }
    const DWORD error = ::GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

void GiveCreationTime(const std::wstring& from, const std::wstring& to)
{
    FILETIME created{};
    HANDLE source = ::CreateFileW(from.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    if (source == INVALID_HANDLE_VALUE)
        return;
    const bool known = ::GetFileTime(source, &created, nullptr, nullptr);
    ::CloseHandle(source);
    HANDLE destination = ::CreateFileW(to.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (destination == INVALID_HANDLE_VALUE)
        return;
    if (known)
        ::SetFileTime(destination, &created, nullptr, nullptr);
    ::CloseHandle(destination);
}

} // namespace

namespace ReplaceFileSystem {

unsigned long CurrentProcessId()
{
    return ::GetCurrentProcessId();
}

bool ProcessIsRunning(unsigned long id)
{
    HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (!process)
        return ::GetLastError() == ERROR_ACCESS_DENIED;   // another user's, and running
    const bool running = ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    ::CloseHandle(process);
    return running;
}

std::FILE* CreateNewFile(const std::string& name)
{
    HANDLE handle = ::CreateFileW(Wide(name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (descriptor == -1) {
        ::CloseHandle(handle);
        ::DeleteFileW(Wide(name).c_str());
        return nullptr;
    }
    std::FILE* file = ::_fdopen(descriptor, "wb");
    if (!file) {
        ::_close(descriptor);
        ::DeleteFileW(Wide(name).c_str());
    }
    return file;
}

} // namespace ReplaceFileSystem

unsigned long LastSystemError()
{
    return ::GetLastError();
}

namespace ReplaceFileSystem {

bool CloseToDisk(std::FILE* file)
{
    bool complete = std::fflush(file) == 0;
    complete = ::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)))) && complete;
    return std::fclose(file) == 0 && complete;
}

TWriteResult PutInPlace(const std::string& temporary, const std::string& target)
{
    const std::wstring from = Wide(temporary), to = Wide(target);
    const DWORD before = ::GetFileAttributesW(to.c_str());
    if (before != INVALID_FILE_ATTRIBUTES) {
        if ((before & FILE_ATTRIBUTE_DIRECTORY) || (before & FILE_ATTRIBUTE_READONLY))
            return {TWriteResult::Failed, ERROR_ACCESS_DENIED};
        if (HeldByAnother(to))
            return TWriteResult::InUse;
        // The new file takes the old one's attributes and creation time before it takes its name.
        GiveCreationTime(to, from);
        ::SetFileAttributesW(from.c_str(), (before & KeptAttributes) | FILE_ATTRIBUTE_ARCHIVE);
    }
    // One step: the name is the old file's until it is the new one's. (ReplaceFileW is not one
    // step under Wine, which moves the old file aside first: a writer killed then leaves none.)
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return TWriteResult::Written;
    // No name can be given to a file another program has open, even one it lets others replace;
    // the system's own replacement can replace such a file.
    if (before != INVALID_FILE_ATTRIBUTES && !HeldByAnother(to) &&
        ::ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return TWriteResult::Written;
    const DWORD error = ::GetLastError();
    return HeldByAnother(to) ? TWriteResult(TWriteResult::InUse, ERROR_SHARING_VIOLATION)
                             : TWriteResult(TWriteResult::Failed, error);
}

} // namespace ReplaceFileSystem
