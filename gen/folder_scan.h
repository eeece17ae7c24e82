#pragma once
// A folder's contents as full names, for the Add folder command: the names that match the
// patterns, folder by folder (a folder's own names first, then each of its subfolders in turn,
// depth first), each folder's names in natural order. Hidden and system files only when asked;
// junctions and symbolic links to folders are listed as folders but never entered, so a loop
// cannot run for ever. Made to run off the window's thread: it tells how many names it has found
// as it goes and stops soon after the cancel flag is set.
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

enum class TScanItems { Files, Folders, FilesAndFolders };

struct TFolderScan {
    std::string Folder;              // a full or relative name; the names found are full names
    std::string Patterns = "*";      // "*.jpg;*.png"
    bool Subfolders = false;         // go into subfolders too
    TScanItems Items = TScanItems::Files;
    bool HiddenAndSystem = false;    // take hidden and system files and folders too
};

enum class TScanStatus {
    Done,
    Cancelled,      // the cancel flag was set: no names
    NoSuchFolder,   // the folder cannot be found or is not a folder: no names
};

struct TScanResult {
    TScanStatus Status = TScanStatus::Done;
    std::vector<std::string> Names;
    int UnreadFolders = 0;   // subfolders that could not be read (no access), left out
};

// Called with the number of names found so far, often: the caller throttles what it shows.
using TScanProgress = std::function<void(std::size_t found)>;

TScanResult ScanFolder(const TFolderScan& scan, const std::atomic<bool>& cancel, const TScanProgress& progress = {});

// What a folder read gives for one of its entries (the system's part of the scan).
struct TFolderEntry {
    std::u16string Name;
    bool Folder = false;
    bool Hidden = false;   // hidden or system
    bool Link = false;     // a junction or a symbolic link: never entered
};

namespace FolderScanSystem {
// The separator the system puts between a folder and a name.
extern const char Separator;
// The folder's full name without a trailing separator (but for a root), or empty when it is
// not a folder.
std::string FullFolderName(const std::string& folder);
// Every entry of the folder but "." and ".."; false when it cannot be read. Stops early (the
// entries then incomplete) once cancel is set.
bool ReadFolder(const std::string& folder, std::vector<TFolderEntry>& entries, const std::atomic<bool>& cancel);
} // namespace FolderScanSystem
