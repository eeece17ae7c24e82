// Replacing files by renaming the new one over the old one.
#include "text/replace_file_system.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ReplaceFileSystem {

unsigned long CurrentProcessId()
{
    return static_cast<unsigned long>(::getpid());
}

bool ProcessIsRunning(unsigned long id)
{
    if (id == 0 || id > static_cast<unsigned long>(INT_MAX))
        return false;   // no process has such an id, and kill() would take it for a group
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

std::FILE* CreateNewFile(const std::string& name)
{
    const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor == -1)
        return nullptr;
    std::FILE* file = ::fdopen(descriptor, "wb");
    if (!file) {
        ::close(descriptor);
        ::unlink(name.c_str());
    }
    return file;
}

} // namespace ReplaceFileSystem

unsigned long LastSystemError()
{
    return static_cast<unsigned long>(errno);
}

namespace ReplaceFileSystem {

bool CloseToDisk(std::FILE* file)
{
    bool complete = std::fflush(file) == 0;
    complete = ::fsync(::fileno(file)) == 0 && complete;
    return std::fclose(file) == 0 && complete;
}

TWriteResult PutInPlace(const std::string& temporary, const std::string& target)
{
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode))
            return {TWriteResult::Failed, EISDIR};
        ::chmod(temporary.c_str(), old.st_mode & 07777);
    }
    if (::rename(temporary.c_str(), target.c_str()) == 0)
        return TWriteResult::Written;
    return {TWriteResult::Failed, static_cast<unsigned long>(errno)};
}

} // namespace ReplaceFileSystem
