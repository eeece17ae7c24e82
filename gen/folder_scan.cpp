#include "gen/folder_scan.h"

#include "gen/name_pattern.h"
#include "gen/natural_order.h"
#include "text/utf16_text.h"

#include <algorithm>

namespace {

class TScanner {
public:
    TScanner(const TFolderScan& scan, const std::atomic<bool>& cancel, const TScanProgress& progress)
        : Scan(scan), Pattern(scan.Patterns), Cancel(cancel), Progress(progress)
    {
    }

    // Reads the folder and then, depth first, its subfolders; false when cancelled.
    bool Walk(const std::string& folder, TScanResult& result)
    {
        std::vector<TFolderEntry> entries;
        if (!FolderScanSystem::ReadFolder(folder, entries, Cancel)) {
            ++result.UnreadFolders;
            return !Cancelled();
        }
        if (Cancelled())
            return false;
        std::stable_sort(entries.begin(), entries.end(), [](const TFolderEntry& a, const TFolderEntry& b) {
            return CompareNatural(a.Name, b.Name) < 0;
        });
        const std::string prefix = Joined(folder);
        std::vector<std::string> subfolders;
        for (const TFolderEntry& entry : entries) {
            if (entry.Hidden && !Scan.HiddenAndSystem)
                continue;
            const bool wanted = entry.Folder ? Scan.Items != TScanItems::Files : Scan.Items != TScanItems::Folders;
            const bool enter = entry.Folder && !entry.Link && Scan.Subfolders;
            if (!wanted && !enter)
                continue;
            std::string name = prefix + Utf8FromUtf16(entry.Name);
            if (wanted && Pattern.Matches(entry.Name)) {
                if (enter)
                    result.Names.push_back(name);
                else
                    result.Names.push_back(std::move(name));
                Found(result.Names.size());
            }
            if (enter)
                subfolders.push_back(std::move(name));
            if (Cancelled())
                return false;
        }
        if (Progress)
            Progress(result.Names.size());
        for (const std::string& subfolder : subfolders)
            if (!Walk(subfolder, result))
                return false;
        return true;
    }

private:
    bool Cancelled() const { return Cancel.load(std::memory_order_relaxed); }

    static std::string Joined(const std::string& folder)
    {
        if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
            return folder;
        return folder + FolderScanSystem::Separator;
    }

    void Found(std::size_t count)
    {
        if (Progress && count % 256 == 0)
            Progress(count);
    }

    const TFolderScan& Scan;
    TNamePattern Pattern;
    const std::atomic<bool>& Cancel;
    const TScanProgress& Progress;
};

} // namespace

TScanResult ScanFolder(const TFolderScan& scan, const std::atomic<bool>& cancel, const TScanProgress& progress)
{
    TScanResult result;
    const std::string folder = FolderScanSystem::FullFolderName(scan.Folder);
    if (folder.empty()) {
        result.Status = TScanStatus::NoSuchFolder;
        return result;
    }
    TScanner scanner(scan, cancel, progress);
    if (!scanner.Walk(folder, result)) {
        result.Names.clear();
        result.Names.shrink_to_fit();
        result.Status = TScanStatus::Cancelled;
    }
    return result;
}
