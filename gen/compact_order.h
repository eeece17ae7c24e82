#pragma once
// An order of n entries (where each entry came from) kept small: as runs of neighbours that kept
// together (a list reversed is one run, a list that was half sorted a few), or else as positions of
// just the bits n needs (17 bits each for 100,000 entries).
#include <cstddef>
#include <cstdint>
#include <vector>

class TCompactOrder {
public:
    TCompactOrder() = default;
    // order[k] is where the entry now at k was before.
    explicit TCompactOrder(const std::vector<int>& order);

    std::vector<int> Unpack() const;
    std::size_t Count() const { return Entries; }
    std::size_t MemoryBytes() const { return Words.capacity() * sizeof(std::uint64_t); }

private:
    std::size_t Entries = 0;
    bool InRuns = false;
    unsigned Bits = 0;                 // per position, when not in runs
    std::vector<std::uint64_t> Words;  // runs (start, length and direction) or the packed positions
};
