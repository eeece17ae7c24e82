#include "text/replace_file.h"

#include "text/ascii_text.h"
#include "text/native_path.h"
#include "text/replace_file_system.h"
#include "text/utf16_text.h"

#include <atomic>
#include <charconv>
#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>

namespace fs = std::filesystem;
using namespace ReplaceFileSystem;

namespace {

constexpr std::string_view Tag = ".strandel-";
constexpr std::string_view Ending = ".tmp";
// A name of a folder entry has at most 255 units (Windows) or bytes (Linux); the tag, two
// numbers and the ending take at most 35 of them.
constexpr std::size_t NameRoom = 255 - 40;

// The new files this process is writing now: never taken for a killed writer's, even when a
// killed writer had the same process id.
std::mutex OwnLock;
std::set<std::string> OwnTemporaries;

// The start of the target's name the temporary files carry: whole characters that fit.
std::string NameStem(const std::string& target)
{
    const std::string name = NameOfPath(NativePath(target).filename());
    std::size_t end = 0;
    while (end < name.size()) {
        const std::size_t next = end + Utf16Detail::DecodeUtf8(name, end).Length;
        if (next > NameRoom)
            break;
        end = next;
    }
    return name.substr(0, end);
}

fs::path FolderOf(const std::string& target)
{
    fs::path folder = NativePath(target).parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// A decimal number that fills the text; false for anything else (a sign, a number too large).
bool NumberOf(std::string_view text, unsigned long& number)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

// The process id a temporary name carries after the stem; false when the name is not one.
bool TemporaryOf(std::string_view name, std::string_view stem, unsigned long& process)
{
    if (name.size() <= stem.size() + Tag.size() + Ending.size() || !EqualsNoCase(name.substr(0, stem.size()), stem))
        return false;
    name.remove_prefix(stem.size());
    if (!StartsWithNoCase(name, Tag) || !EqualsNoCase(name.substr(name.size() - Ending.size()), Ending))
        return false;
    name = name.substr(Tag.size(), name.size() - Tag.size() - Ending.size());
    const std::size_t dash = name.find('-');
    unsigned long number = 0;
    return dash != std::string_view::npos && NumberOf(name.substr(0, dash), process) &&
           NumberOf(name.substr(dash + 1), number);
}

void Own(const std::string& temporary, bool owned)
{
    std::lock_guard<std::mutex> lock(OwnLock);
    if (owned)
        OwnTemporaries.insert(temporary);
    else
        OwnTemporaries.erase(temporary);
}

bool IsOwn(const std::string& temporary)
{
    std::lock_guard<std::mutex> lock(OwnLock);
    return OwnTemporaries.count(temporary) != 0;
}

void RemoveFile(const std::string& name)
{
    std::error_code ignored;
    fs::remove(NativePath(name), ignored);
}

} // namespace

bool IsTemporaryName(std::string_view fileName)
{
    const std::size_t tag = fileName.rfind(Tag);
    unsigned long process = 0;
    return tag != std::string_view::npos && TemporaryOf(fileName, fileName.substr(0, tag), process);
}

void RemoveStaleTemporaries(const std::string& target)
{
    const std::string stem = NameStem(target);
    const fs::path folder = FolderOf(target);
    const unsigned long self = CurrentProcessId();
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = NameOfPath(it->path().filename());
        unsigned long process = 0;
        if (!TemporaryOf(name, stem, process))
            continue;
        const std::string full = NameOfPath(it->path());
        if (process == self ? !IsOwn(full) : !ProcessIsRunning(process))
            RemoveFile(full);
    }
}

TReplacingFile::TReplacingFile(std::string target) : TargetName(std::move(target)) {}

TReplacingFile::~TReplacingFile()
{
    Abandon();
}

bool TReplacingFile::Open()
{
    Abandon();
    std::error_code error;
    const fs::file_status status = fs::status(NativePath(TargetName), error);
    if (fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status)) {
        // A device or a pipe (/dev/null, a FIFO) holds no content to keep: written as it is.
        File = OpenNativeFile(TargetName, "wb");
        InPlace = File != nullptr;
        Why = InPlace ? 0 : LastSystemError();
        return InPlace;
    }
    // A link stays a link: the file it leads to is the one replaced.
    if (fs::is_symlink(fs::symlink_status(NativePath(TargetName), error)))
        TargetName = NameOfPath(fs::weakly_canonical(NativePath(TargetName), error));
    RemoveStaleTemporaries(TargetName);
    static std::atomic<unsigned long> counter{0};
    const fs::path folder = NativePath(TargetName).parent_path();
    const std::string stem = NameStem(TargetName);
    // A name another writer took just now is passed over for the next one.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string name = stem + std::string(Tag) + std::to_string(CurrentProcessId()) + "-" +
                                 std::to_string(counter++) + std::string(Ending);
        const std::string candidate = NameOfPath(folder / NativePath(name));
        Own(candidate, true);
        if ((File = CreateNewFile(candidate))) {
            Temporary = candidate;
            return true;
        }
        Why = LastSystemError();
        Own(candidate, false);
        if (!fs::exists(NativePath(candidate)))
            break;   // not a name taken: the folder cannot take a new file
    }
    return false;
}

TWriteResult TReplacingFile::Commit()
{
    if (!File)
        return TWriteResult::Failed;
    if (InPlace) {
        const bool complete = std::fflush(File) == 0;
        const unsigned long error = complete ? 0 : LastSystemError();
        const bool closed = std::fclose(File) == 0;
        File = nullptr;
        InPlace = false;
        if (complete && closed)
            return TWriteResult::Written;
        return {TWriteResult::Failed, error ? error : LastSystemError()};
    }
    const bool complete = CloseToDisk(File);
    File = nullptr;
    TWriteResult result = complete ? PutInPlace(Temporary, TargetName) : TWriteResult(TWriteResult::Failed, LastSystemError());
    if (!result)
        RemoveFile(Temporary);
    Own(Temporary, false);
    Temporary.clear();
    return result;
}

void TReplacingFile::Abandon()
{
    if (File)
        std::fclose(File);
    File = nullptr;
    InPlace = false;
    if (!Temporary.empty()) {
        RemoveFile(Temporary);
        Own(Temporary, false);
        Temporary.clear();
    }
}

TWriteResult ReplaceFileWith(const std::string& target, std::string_view bytes)
{
    TReplacingFile file(target);
    if (!file.Open())
        return TWriteResult::Failed;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.Stream()) != bytes.size())
        return TWriteResult::Failed;   // the destructor removes the new file
    return file.Commit();
}
