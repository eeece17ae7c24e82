#pragma once
// Texts kept in the order they were added, each as the length it shares with the one before and
// the rest: a run of names from one folder costs little more than their file names.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TFrontCodedTexts {
public:
    void Add(std::string_view text);
    std::size_t Count() const { return Entries; }
    // Every text, in order.
    std::vector<std::string> Unpack() const;
    void Clear();
    std::size_t MemoryBytes() const { return Bytes.capacity(); }
    // Gives back the room the texts do not need, once the last one is added.
    void Shrink()
    {
        Bytes.shrink_to_fit();
        Last = std::string();
    }

private:
    std::string Bytes;    // per text: shared length, rest length (both 7 bits a byte), the rest
    std::string Last;     // the text added last
    std::size_t Entries = 0;
};
