#pragma once
// What the file system says about one entry: its size and when it was last changed. One query
// per name; a name that cannot be read gives Found == false and the rest empty.
#include <cstdint>
#include <string>

struct TLocalTime {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

struct TFileDetails {
    bool Found = false;
    bool Folder = false;
    std::uint64_t Size = 0;           // bytes; 0 for a folder
    std::int64_t ModifiedTicks = 0;   // last write, 100 ns units since 1601-01-01 UTC (for ordering)
    TLocalTime Modified;              // the same instant in the local time zone
};

TFileDetails ReadFileDetails(const std::string& name);
