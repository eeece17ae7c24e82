#include "gen/make_relative.h"

#include "gen/path_parts.h"
#include "text/path_text.h"

#include <string_view>

namespace {

constexpr int MaxLevels = 50;
constexpr std::string_view LevelUp = "..\\";

// \\server\share\ of a \\server\share\... folder; a shorter folder whole.
std::string_view SharePrefix(std::string_view dir)
{
    std::size_t serverEnd = dir.find('\\', 2);
    if (serverEnd == std::string_view::npos)
        return dir;
    std::size_t shareEnd = dir.find('\\', serverEnd + 1);
    return shareEnd == std::string_view::npos ? dir : dir.substr(0, shareEnd + 1);
}

// Puts levels times "..\" in place of the first cut characters of path.
void ClimbInstead(std::string& path, std::size_t cut, int levels)
{
    std::string up;
    up.reserve(LevelUp.size() * static_cast<std::size_t>(levels));
    for (int i = 0; i < levels; ++i)
        up += LevelUp;
    path.replace(0, cut, up);
}

} // namespace

void MakeRelative(std::string& path, const std::string& base)
{
    std::string_view baseDir = FolderPart(base);
    const std::size_t fileDirLength = FolderPart(path).size();
    std::string_view fileDir = std::string_view(path).substr(0, fileDirLength);

    if (EqualsNoCase(path, base))
        return;

    if (StartsWithNoCase(fileDir, baseDir)) {
        path.erase(0, baseDir.size());
        return;
    }

    // A name without a backslash is no folder: climbing must not put "..\" in its place.
    const bool hasFolder = fileDirLength > 0 && path[fileDirLength - 1] == '\\';
    if (hasFolder && StartsWithNoCase(baseDir, fileDir)) {
        int levels = 0;
        for (char c : baseDir.substr(fileDirLength))
            levels += c == '\\';
        ClimbInstead(path, fileDirLength, levels);
        return;
    }

    bool sameDrive = baseDir.size() >= 2 && baseDir[1] == ':' && !fileDir.empty() &&
                     EqualsNoCase(baseDir.substr(0, 1), fileDir.substr(0, 1));
    // The file's folder must begin with the whole share, not hold it somewhere.
    bool sameShare = baseDir.starts_with("\\\\") && fileDir.starts_with(SharePrefix(baseDir));
    if (!sameDrive && !sameShare)
        return;

    // Climb from the base folder until the file's folder lies below it; the candidate is
    // always a leading part of the base folder.
    std::string_view candidate = baseDir.substr(0, baseDir.size() - (baseDir.ends_with('\\') ? 1 : 0));
    auto below = [&](std::string_view folder) {
        return StartsWithNoCase(fileDir, folder) && fileDir.size() > folder.size() &&
               fileDir[folder.size()] == '\\';
    };
    int levels = 0;
    while (!below(candidate) && levels < MaxLevels) {
        ++levels;
        std::size_t last = candidate.rfind('\\');
        if (last != std::string_view::npos)
            candidate = candidate.substr(0, last);
    }
    // The candidate with a backslash after it, compared with the whole path.
    std::string_view pathView = path;
    if (StartsWithNoCase(pathView, candidate) && pathView.size() > candidate.size() &&
        pathView[candidate.size()] == '\\')
        ClimbInstead(path, candidate.size() + 1, levels);
}
