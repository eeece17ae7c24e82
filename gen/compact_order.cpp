#include "gen/compact_order.h"

namespace {

// A run: positions start, start + step, ... (step +1 or -1), length of them.
struct TRun {
    std::uint32_t Start;
    std::uint32_t Length;
    bool Down;
};

std::uint64_t PackRun(const TRun& run)
{
    return static_cast<std::uint64_t>(run.Start) | (static_cast<std::uint64_t>(run.Length) << 32) |
           (run.Down ? 1ULL << 63 : 0);
}

TRun UnpackRun(std::uint64_t word)
{
    return {static_cast<std::uint32_t>(word), static_cast<std::uint32_t>((word >> 32) & 0x7FFFFFFF),
            (word >> 63) != 0};
}

std::vector<TRun> RunsOf(const std::vector<int>& order)
{
    std::vector<TRun> runs;
    for (std::size_t k = 0; k < order.size();) {
        TRun run{static_cast<std::uint32_t>(order[k]), 1, false};
        if (k + 1 < order.size() && (order[k + 1] == order[k] + 1 || order[k + 1] == order[k] - 1))
            run.Down = order[k + 1] < order[k];
        const int step = run.Down ? -1 : 1;
        while (k + run.Length < order.size() && order[k + run.Length] == order[k + run.Length - 1] + step)
            ++run.Length;
        k += run.Length;
        runs.push_back(run);
    }
    return runs;
}

unsigned BitsFor(std::size_t count)
{
    unsigned bits = 1;
    while (bits < 32 && (std::size_t{1} << bits) < count)
        ++bits;
    return bits;
}

} // namespace

TCompactOrder::TCompactOrder(const std::vector<int>& order) : Entries(order.size())
{
    const std::vector<TRun> runs = RunsOf(order);
    Bits = BitsFor(order.size());
    const std::size_t packedWords = (order.size() * Bits + 63) / 64;
    if (runs.size() <= packedWords) {
        InRuns = true;
        Words.reserve(runs.size());
        for (const TRun& run : runs)
            Words.push_back(PackRun(run));
        return;
    }
    Words.assign(packedWords, 0);
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::uint64_t value = static_cast<std::uint32_t>(order[k]);
        const std::size_t bit = k * Bits;
        Words[bit / 64] |= value << (bit % 64);
        if (bit % 64 + Bits > 64)
            Words[bit / 64 + 1] |= value >> (64 - bit % 64);
    }
}

std::vector<int> TCompactOrder::Unpack() const
{
    std::vector<int> order;
    order.reserve(Entries);
    if (InRuns) {
        for (std::uint64_t word : Words) {
            const TRun run = UnpackRun(word);
            for (std::uint32_t i = 0; i < run.Length; ++i)
                order.push_back(static_cast<int>(run.Down ? run.Start - i : run.Start + i));
        }
        return order;
    }
    const std::uint64_t mask = (std::uint64_t{1} << Bits) - 1;
    for (std::size_t k = 0; k < Entries; ++k) {
        const std::size_t bit = k * Bits;
        std::uint64_t value = Words[bit / 64] >> (bit % 64);
        if (bit % 64 + Bits > 64)
            value |= Words[bit / 64 + 1] << (64 - bit % 64);
        order.push_back(static_cast<int>(value & mask));
    }
    return order;
}
