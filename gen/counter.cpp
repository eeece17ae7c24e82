#include "gen/counter.h"

#include <charconv>
#include <cstdio>

namespace {

// A number of 1 to maxDigits digits, perhaps after a minus, from text[at]; at moves past it.
bool ReadNumber(std::string_view text, std::size_t& at, std::size_t maxDigits, std::int64_t& value, int& width)
{
    const bool negative = at < text.size() && text[at] == '-';
    std::size_t start = at + (negative ? 1 : 0), end = start;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9' && end - start <= maxDigits)
        ++end;
    if (end == start || end - start > maxDigits)
        return false;
    std::from_chars(text.data() + start, text.data() + end, value);
    if (negative)
        value = -value;
    // Leading zeros ask for padding: 001 is three digits wide, 10 and 0 are as wide as they come.
    width = text[start] == '0' && end - start > 1 ? static_cast<int>(end - start) : 0;
    at = end;
    return true;
}

} // namespace

bool ReadCounterArguments(std::string_view text, TCounter& counter, std::size_t& length)
{
    TCounter read;
    std::size_t at = 1;
    int ignored = 0;
    if (text.empty() || text[0] != '(' || !ReadNumber(text, at, 18, read.First, read.Width))
        return false;
    if (at < text.size() && text[at] == ',') {
        ++at;
        if (!ReadNumber(text, at, 9, read.Step, ignored))
            return false;
    }
    if (at >= text.size() || text[at] != ')')
        return false;
    counter = read;
    length = at + 1;
    return true;
}

std::string_view CounterText(const TCounter& counter, long long index, char* room)
{
    // First below 10^18, step below 10^9 and a position below 2^31 keep this within 64 bits.
    const std::int64_t value = counter.First + counter.Step * index;
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    const int length = std::snprintf(room, CounterTextRoom, "%s%0*llu", value < 0 ? "-" : "", counter.Width, magnitude);
    return std::string_view(room, length > 0 ? static_cast<std::size_t>(length) : 0);
}
