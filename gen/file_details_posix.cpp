#include "gen/file_details.h"

#include <sys/stat.h>
#include <ctime>

namespace {
// Seconds from 1601-01-01 to 1970-01-01, as Windows counts file times.
constexpr std::int64_t EpochDifference = 11644473600LL;
}

TFileDetails ReadFileDetails(const std::string& name)
{
    TFileDetails details;
    struct stat status;
    if (::stat(name.c_str(), &status) != 0)
        return details;
    details.Found = true;
    details.Folder = S_ISDIR(status.st_mode);
    if (!details.Folder)
        details.Size = static_cast<std::uint64_t>(status.st_size);
    details.ModifiedTicks = (static_cast<std::int64_t>(status.st_mtim.tv_sec) + EpochDifference) * 10000000LL +
                            status.st_mtim.tv_nsec / 100;
    std::tm local{};
    if (::localtime_r(&status.st_mtim.tv_sec, &local))
        details.Modified = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                            local.tm_hour, local.tm_min, local.tm_sec};
    return details;
}
