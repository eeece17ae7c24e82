#include "gen/list_order.h"

#include "gen/file_details.h"
#include "gen/file_name_case.h"
#include "gen/natural_order.h"
#include "text/utf16_text.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <unordered_set>

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// The last part of a name; a folder's name keeps its trailing backslash out.
std::string_view FileNamePart(std::string_view name)
{
    while (!name.empty() && IsSeparator(name.back()))
        name.remove_suffix(1);
    const std::size_t last = name.find_last_of("\\/");
    return last == std::string_view::npos ? name : name.substr(last + 1);
}

std::vector<int> Identity(std::size_t count)
{
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

// The entries ordered by a text key of each, compared with compare.
template <class TKeyOf, class TCompare>
std::vector<int> SortedByText(const std::vector<std::string>& entries, TKeyOf keyOf, TCompare compare)
{
    std::vector<std::u16string> keys;
    keys.reserve(entries.size());
    for (const std::string& entry : entries)
        keys.push_back(Utf16FromUtf8(keyOf(entry)));
    std::vector<int> order = Identity(entries.size());
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return compare(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)]) < 0;
    });
    return order;
}

// The entries ordered by what the file system says of each: one query per entry.
std::vector<int> SortedByDetail(const std::vector<std::string>& entries, TListOrder order)
{
    struct TKey {
        bool Missing;
        std::int64_t Value;
    };
    std::vector<TKey> keys;
    keys.reserve(entries.size());
    for (const std::string& entry : entries) {
        const TFileDetails details = ReadFileDetails(entry);
        const std::int64_t value = order == TListOrder::Size ? static_cast<std::int64_t>(details.Size)
                                                             : details.ModifiedTicks;
        keys.push_back({!details.Found, value});
    }
    std::vector<int> positions = Identity(entries.size());
    std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
        const TKey& ka = keys[static_cast<std::size_t>(a)];
        const TKey& kb = keys[static_cast<std::size_t>(b)];
        if (ka.Missing != kb.Missing)
            return kb.Missing;
        return ka.Value < kb.Value;
    });
    return positions;
}

} // namespace

std::string_view ExtensionOf(std::string_view name)
{
    const std::string_view file = FileNamePart(name);
    const std::size_t dot = file.rfind('.');
    if (dot == std::string_view::npos || file.find(' ', dot) != std::string_view::npos)
        return {};
    return file.substr(dot + 1);
}

std::vector<int> SortedOrder(const std::vector<std::string>& entries, TListOrder order)
{
    auto natural = [](std::u16string_view a, std::u16string_view b) { return CompareNatural(a, b); };
    switch (order) {
    case TListOrder::Name:
        return SortedByText(entries, FileNamePart, natural);
    case TListOrder::Path:
        return SortedByText(entries, [](std::string_view entry) { return entry; },
                            [](std::u16string_view a, std::u16string_view b) { return CompareNaturalPath(a, b); });
    case TListOrder::Extension:
        return SortedByText(entries, ExtensionOf, natural);
    case TListOrder::Size:
    case TListOrder::Modified:
        return SortedByDetail(entries, order);
    }
    return Identity(entries.size());
}

std::vector<int> DuplicatePositions(const std::vector<std::string>& entries)
{
    std::vector<int> positions;
    std::unordered_set<std::u16string> seen;
    seen.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (!seen.insert(FileNameKey(entries[i])).second)
            positions.push_back(static_cast<int>(i));
    return positions;
}
