#pragma once
// QZ_COUNTER(first) and QZ_COUNTER(first,step): the position counted from first by step. A first
// written with leading zeros sets the width: QZ_COUNTER(001) gives 001, 002, ... 999, 1000.
#include <cstdint>
#include <string_view>

struct TCounter {
    std::int64_t First = 1;
    std::int64_t Step = 1;
    int Width = 0;       // digits at least, zeros in front
};

// Reads "(first)" or "(first,step)" at the start of text: first has 1 to 18 digits, step 1 to
// 9, either may begin with a minus. length is how much of text that took; 0 when text does
// not begin so, and the counter then stays as it is.
bool ReadCounterArguments(std::string_view text, TCounter& counter, std::size_t& length);

constexpr std::size_t CounterTextRoom = 32;

// The counter's value at a 0-based position.
std::string_view CounterText(const TCounter& counter, long long index, char* room);
