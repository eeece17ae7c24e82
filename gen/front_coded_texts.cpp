#include "gen/front_coded_texts.h"

#include <algorithm>

namespace {

void PutCount(std::string& bytes, std::size_t value)
{
    while (value >= 0x80) {
        bytes.push_back(static_cast<char>(0x80 | (value & 0x7F)));
        value >>= 7;
    }
    bytes.push_back(static_cast<char>(value));
}

std::size_t TakeCount(const std::string& bytes, std::size_t& at)
{
    std::size_t value = 0;
    for (unsigned shift = 0; at < bytes.size(); shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        value |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if (byte < 0x80)
            break;
    }
    return value;
}

} // namespace

void TFrontCodedTexts::Add(std::string_view text)
{
    std::size_t shared = 0;
    const std::size_t limit = std::min(text.size(), Last.size());
    while (shared < limit && text[shared] == Last[shared])
        ++shared;
    PutCount(Bytes, shared);
    PutCount(Bytes, text.size() - shared);
    Bytes.append(text.substr(shared));
    Last.assign(text);
    ++Entries;
}

std::vector<std::string> TFrontCodedTexts::Unpack() const
{
    std::vector<std::string> texts;
    texts.reserve(Entries);
    std::string text;
    for (std::size_t at = 0; at < Bytes.size();) {
        const std::size_t shared = TakeCount(Bytes, at);
        const std::size_t rest = TakeCount(Bytes, at);
        text.resize(shared);
        text.append(Bytes, at, rest);
        at += rest;
        texts.push_back(text);
    }
    return texts;
}

void TFrontCodedTexts::Clear()
{
    Bytes.clear();
    Bytes.shrink_to_fit();
    Last.clear();
    Last.shrink_to_fit();
    Entries = 0;
}
