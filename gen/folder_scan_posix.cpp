#include "gen/folder_scan.h"

#include "text/utf16_text.h"

#include <dirent.h>
#include <sys/stat.h>

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <memory>

namespace {

struct TCloseDir {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

bool IsDots(const char* name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// Whether the name (not followed) is a link, and whether what it stands for is a folder.
void Classify(const std::string& path, unsigned char type, TFolderEntry& entry)
{
    struct stat status;
    if (type == DT_DIR) {
        entry.Folder = true;
        return;
    }
    if (type == DT_REG)
        return;
    if (type == DT_UNKNOWN && ::lstat(path.c_str(), &status) == 0 && !S_ISLNK(status.st_mode)) {
        entry.Folder = S_ISDIR(status.st_mode);
        return;
    }
    if (type == DT_LNK || type == DT_UNKNOWN) {
        entry.Link = true;
        entry.Folder = ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
    }
}

} // namespace

namespace FolderScanSystem {

const char Separator = '/';

std::string FullFolderName(const std::string& folder)
{
    if (folder.empty())
        return {};
    std::string full = folder;
    if (full[0] != '/') {
        std::unique_ptr<char, decltype(&std::free)> current(::getcwd(nullptr, 0), &std::free);
        if (!current)
            return {};
        full = std::string(current.get()) + "/" + full;
    }
    struct stat status;
    if (::stat(full.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        return {};
    while (full.size() > 1 && full.back() == '/')
        full.pop_back();
    return full;
}

bool ReadFolder(const std::string& folder, std::vector<TFolderEntry>& entries, const std::atomic<bool>& cancel)
{
    std::unique_ptr<DIR, TCloseDir> dir(::opendir(folder.c_str()));
    if (!dir)
        return false;
    const std::string prefix = folder.back() == '/' ? folder : folder + '/';
    while (!cancel.load(std::memory_order_relaxed)) {
        const dirent* item = ::readdir(dir.get());
        if (!item)
            break;
        if (IsDots(item->d_name))
            continue;
        TFolderEntry entry;
        entry.Name = Utf16FromUtf8(item->d_name);
        entry.Hidden = item->d_name[0] == '.';
        Classify(prefix + item->d_name, item->d_type, entry);
        entries.push_back(std::move(entry));
    }
    return true;
}

} // namespace FolderScanSystem
