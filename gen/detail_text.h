#pragma once
// File details as the variables write them: sizes and ISO 8601 dates and times.
#include "gen/file_details.h"

#include <cstdint>
#include <string_view>

// Room a buffer needs for any of the texts below.
constexpr std::size_t DetailTextRoom = 32;

// "1.2 MB": bytes below 1 KB as "512 bytes"; above, in KB, MB, GB, TB, PB or EB of 1024 of
// the unit below, with one decimal below 10 and none from 10 on, rounded half up.
std::string_view SizeText(std::uint64_t bytes, char* room);

// "2024-03-05" and "14:07:09".
std::string_view IsoDate(const TLocalTime& time, char* room);
std::string_view IsoTime(const TLocalTime& time, char* room);
