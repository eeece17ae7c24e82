#pragma once
// The soak's memory of what it did: the last actions with what each met (the boxes answered,
// the items picked), to replay a failure with its seed.
#include <array>
#include <mutex>
#include <string>

class TActionLog {
public:
    static constexpr std::size_t Kept = 50;

    void Begin(long index, const std::string& name)
    {
        std::lock_guard<std::mutex> lock(Guard);
        Entries[static_cast<std::size_t>(index) % Kept] = "#" + std::to_string(index) + " " + name;
        Current = index;
    }
    void Note(const std::string& detail)
    {
        std::lock_guard<std::mutex> lock(Guard);
        if (Current >= 0)
            Entries[static_cast<std::size_t>(Current) % Kept] += "; " + detail;
    }
    long CurrentIndex() const { return Current; }
    std::string CurrentEntry() const
    {
        std::lock_guard<std::mutex> lock(Guard);
        return Current >= 0 ? Entries[static_cast<std::size_t>(Current) % Kept] : std::string();
    }

    // The last actions, oldest first, one a line.
    std::string Last() const
    {
        std::lock_guard<std::mutex> lock(Guard);
        std::string text;
        const long first = Current + 1 > static_cast<long>(Kept) ? Current + 1 - static_cast<long>(Kept) : 0;
        for (long i = first; i <= Current; ++i)
            text += "  " + Entries[static_cast<std::size_t>(i) % Kept] + "\n";
        return text;
    }

private:
    mutable std::mutex Guard;
    std::array<std::string, Kept> Entries;
    long Current = -1;
};
