// EncodeValue and DecodeValue: a text comes back from its stored form with every line break
// (CR LF, a lone LF, a lone CR) as CR LF and nothing else changed, unless the text itself
// spells the line-break marker (with or without the help of a line break next to it), which
// the stored form cannot tell from a line break. Any stored bytes decode.
#include "fuzz_support.h"
#include "settings/settings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view Marker = "#QZ_BR#";

// Every line break of the text as CR LF.
std::string WithCrLfBreaks(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// True when the markers a reader finds in the stored form are exactly those the
// text's line breaks became.
bool MarkersAreOnlyLineBreaks(std::string_view text)
{
    std::string body;
    std::vector<std::size_t> fromBreaks;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            fromBreaks.push_back(body.size());
            body += Marker;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            body += text[i];
        }
    }
    std::vector<std::size_t> found;
    for (std::size_t at = body.find(Marker); at != std::string::npos; at = body.find(Marker, at + Marker.size()))
        found.push_back(at);
    return found == fromBreaks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::string stored = EncodeValue(text);
    FuzzCheck(stored.size() >= 2 && stored.front() == '<' && stored.back() == '>', "stored between < and >");
    FuzzCheck(stored.find_first_of("\r\n") == std::string::npos, "no line break is left in the stored form");
    if (MarkersAreOnlyLineBreaks(text))
        FuzzCheckEqual(DecodeValue(stored), WithCrLfBreaks(text), "the text comes back");

    // The input as a stored value, hand-edited or cut short.
    DecodeValue(text);
    return 0;
}
