// MakeRelative, on "path LF base". A name it changes must lead back to the path from the
// base folder: each "..\" climbs one folder of the base, the rest is the path's own tail
// after one of its backslashes, and a base on a share is never left for another share.
// A base without any backslash (an output name on Linux) is a plain prefix.
#include "fuzz_support.h"
#include "gen/make_relative.h"
#include "text/ascii_text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view LevelUp = "..\\";

// The folder a base names: itself when it ends with a backslash, else cut after its last one.
std::string_view BaseFolder(std::string_view base)
{
    if (!base.empty() && base.back() == '\\')
        return base;
    std::size_t last = base.rfind('\\');
    return last == std::string_view::npos ? base : base.substr(0, last + 1);
}

// One folder up: the last one and its backslash dropped.
std::string_view Parent(std::string_view folder)
{
    if (!folder.empty() && folder.back() == '\\')
        folder.remove_suffix(1);
    std::size_t last = folder.rfind('\\');
    return last == std::string_view::npos ? std::string_view() : folder.substr(0, last + 1);
}

// "\\server\share\" of a name, empty when it has no whole share part.
std::string_view ShareOf(std::string_view name)
{
    if (!name.starts_with("\\\\"))
        return {};
    std::size_t server = name.find('\\', 2);
    std::size_t share = server == std::string_view::npos ? server : name.find('\\', server + 1);
    return share == std::string_view::npos ? std::string_view() : name.substr(0, share + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t lf = input.find('\n');
    const std::string path(input.substr(0, lf));
    const std::string base(lf == std::string_view::npos ? std::string_view() : input.substr(lf + 1));

    std::string relative = path;
    MakeRelative(relative, base);
    const std::string context = " for " + Escaped(path) + " against " + Escaped(base);
    if (relative == path)
        return 0;
    FuzzCheck(!EqualsNoCase(path, base), "the base itself stays as it is" + context);
    if (base.find('\\') == std::string::npos) {
        // A base without a folder part is taken off the front as it stands.
        FuzzCheck(StartsWithNoCase(path, base) && relative == path.substr(base.size()),
                  "only a base without a backslash is taken away: " + Escaped(relative) + context);
        return 0;
    }

    // The path may hold "..\" folders of its own: some split of the leading ones must fit.
    bool leadsBack = false;
    std::string_view rest = relative;
    std::string_view folder = BaseFolder(base);
    for (;;) {
        leadsBack = rest.size() < path.size() && path.ends_with(rest) &&
                    path[path.size() - rest.size() - 1] == '\\' &&
                    EqualsNoCase(std::string(folder) + std::string(rest), path);
        if (leadsBack || !rest.starts_with(LevelUp))
            break;
        rest.remove_prefix(LevelUp.size());
        folder = Parent(folder);
    }
    FuzzCheck(leadsBack, "the base folder and " + Escaped(relative) +
                             " lead back to the path's tail after a backslash" + context);
    std::string_view share = ShareOf(BaseFolder(base));
    FuzzCheck(share.empty() || ShareOf(path).empty() || EqualsNoCase(ShareOf(path), share),
              "a name relative to a share stays on that share: " + Escaped(relative) + context);
    return 0;
}
