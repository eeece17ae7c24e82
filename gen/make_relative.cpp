#include "gen/make_relative.h"

#include "gen/path_parts.h"

#include <string_view>

namespace {

constexpr int MaxLevels = 50;

// A name cut right after its last backslash; a name without one, whole.
std::string_view FolderPart(std::string_view name)
{
    std::size_t last = name.rfind('\\');
    return last == std::string_view::npos ? name : name.substr(0, last + 1);
}

// \\server\share of a \\server\share\... folder.
std::string_view SharePrefix(std::string_view dir)
{
    std::size_t serverEnd = dir.find('\\', 2);
    if (serverEnd == std::string_view::npos)
        return dir;
    std::size_t shareEnd = dir.find('\\', serverEnd + 1);
    return shareEnd == std::string_view::npos ? dir : dir.substr(0, shareEnd);
}

std::string Climb(int levels)
{
    std::string up;
    for (int i = 0; i < levels; ++i)
        up += "..\\";
    return up;
}

} // namespace

void MakeRelative(std::string& path, const std::string& base)
{
    std::string_view baseDir = !base.empty() && base.back() == '\\' ? std::string_view(base)
                                                                      : FolderPart(base);
    std::string_view fileDir = FolderPart(path);

    bool sameDrive = !baseDir.empty() && !fileDir.empty() && baseDir.size() >= 2 &&
                     baseDir[1] == ':' && EqualsNoCase(baseDir.substr(0, 1), fileDir.substr(0, 1));
    bool sameShare = baseDir.starts_with("\\\\") && fileDir.starts_with("\\\\") &&
                     fileDir.find(SharePrefix(baseDir)) != std::string_view::npos;

    if (EqualsNoCase(path, base))
        return;

    if (StartsWithNoCase(fileDir, baseDir)) {
        path.erase(0, baseDir.size());
        return;
    }

    if (StartsWithNoCase(baseDir, fileDir)) {
        std::string_view rest = baseDir.substr(fileDir.size());
        int levels = 0;
        for (char c : rest)
            levels += c == '\\';
        path = Climb(levels) + path.substr(fileDir.size());
        return;
    }

    if (!sameDrive && !sameShare)
        return;

    std::string candidate(baseDir.substr(0, baseDir.size() - (baseDir.ends_with('\\') ? 1 : 0)));
    int levels = 0;
    while (!StartsWithNoCase(fileDir, candidate + '\\') && levels < MaxLevels) {
        ++levels;
        std::size_t last = candidate.rfind('\\');
        if (last != std::string::npos)
            candidate.resize(last);
    }
    candidate += '\\';
    if (StartsWithNoCase(path, candidate))
        path = Climb(levels) + path.substr(candidate.size());
}
