#pragma once
// Orders the user asks for: the list sorted by a key (stable: entries with equal keys keep their
// order) and the duplicates that can go. Each works on the entries read once and gives positions
// (TListEditor applies and records them).
#include <string>
#include <string_view>
#include <vector>

enum class TListOrder {
    Name,        // the file name, in natural order ("2" before "10", case ignored)
    Path,        // the full name, folder by folder in natural order
    Extension,   // the extension in natural order; names without one first
    Size,        // smallest first; names the file system does not know last
    Modified,    // oldest first; names the file system does not know last
};

// Where each entry goes: the entry at entries[order[k]] goes to place k.
std::vector<int> SortedOrder(const std::vector<std::string>& entries, TListOrder order);

// The positions (ascending) of the entries that name a file named before them, case ignored as
// Windows ignores it in file names: removing them keeps the first of each name.
std::vector<int> DuplicatePositions(const std::vector<std::string>& entries);

// The extension of a name as Windows finds it: after the last dot of the last part, unless a
// blank follows that dot; empty when there is none. Without the dot.
std::string_view ExtensionOf(std::string_view name);
