#include "gen/detail_text.h"

#include <cstdio>

namespace {

std::string_view Printed(char* room, int length)
{
    return std::string_view(room, length > 0 ? static_cast<std::size_t>(length) : 0);
}

} // namespace

std::string_view SizeText(std::uint64_t bytes, char* room)
{
    if (bytes < 1024)
        return Printed(room, std::snprintf(room, DetailTextRoom, "%llu %s", static_cast<unsigned long long>(bytes),
                                           bytes == 1 ? "byte" : "bytes"));
    static constexpr const char* Units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    // Tenths of the unit, counted in whole numbers so no rounding of a double shows.
    std::size_t unit = 0;
    unsigned long long divisor = 1024;
    while (unit + 1 < std::size(Units) && bytes / divisor >= 1024) {
        divisor *= 1024;
        ++unit;
    }
    const unsigned long long whole = bytes / divisor;
    const unsigned long long rest = bytes % divisor;
    const unsigned long long tenths = whole * 10 + (rest * 10 + divisor / 2) / divisor;
    if (tenths < 100)
        return Printed(room, std::snprintf(room, DetailTextRoom, "%llu.%llu %s", tenths / 10, tenths % 10, Units[unit]));
    const unsigned long long rounded = whole + (rest >= divisor - rest ? 1 : 0);
    if (rounded >= 1024 && unit + 1 < std::size(Units)) {
        // 1023.6 KB is 1.0 MB, not 1024 KB.
        ++unit;
        return Printed(room, std::snprintf(room, DetailTextRoom, "1.0 %s", Units[unit]));
    }
    return Printed(room, std::snprintf(room, DetailTextRoom, "%llu %s", rounded, Units[unit]));
}

std::string_view IsoDate(const TLocalTime& t, char* room)
{
    return Printed(room, std::snprintf(room, DetailTextRoom, "%04d-%02d-%02d", t.Year, t.Month, t.Day));
}

std::string_view IsoTime(const TLocalTime& t, char* room)
{
    return Printed(room, std::snprintf(room, DetailTextRoom, "%02d:%02d:%02d", t.Hour, t.Minute, t.Second));
}
