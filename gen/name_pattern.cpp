#include "gen/name_pattern.h"

#include "gen/file_name_case.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// One character of the name from at: two units for a pair.
std::size_t CharacterLength(std::u16string_view name, std::size_t at)
{
    return IsHighSurrogate(name[at]) && at + 1 < name.size() ? 2 : 1;
}

// Glob matching with the last star to fall back on: linear for the usual patterns.
bool GlobMatches(std::u16string_view glob, std::u16string_view name)
{
    std::size_t g = 0, n = 0;
    std::size_t starGlob = std::u16string_view::npos, starName = 0;
    while (n < name.size()) {
        if (g < glob.size() && glob[g] == u'*') {
            starGlob = g++;
            starName = n;
        } else if (g < glob.size() && glob[g] == u'?') {
            ++g;
            n += CharacterLength(name, n);
        } else if (g < glob.size() && glob[g] == FileNameUpper(name[n])) {
            ++g;
            ++n;
        } else if (starGlob != std::u16string_view::npos) {
            g = starGlob + 1;
            starName += CharacterLength(name, starName);
            n = starName;
        } else {
            return false;
        }
    }
    while (g < glob.size() && glob[g] == u'*')
        ++g;
    return g == glob.size();
}

} // namespace

TNamePattern::TNamePattern(std::string_view patterns)
{
    while (!patterns.empty()) {
        const std::size_t end = patterns.find(';');
        const std::string_view one = Trimmed(patterns.substr(0, end));
        patterns = end == std::string_view::npos ? std::string_view() : patterns.substr(end + 1);
        if (one.empty())
            continue;
        if (one == "*" || one == "*.*") {
            All = true;
            continue;
        }
        TOne pattern;
        pattern.Glob = FileNameKey(one);
        if (pattern.Glob.back() == u'.') {
            pattern.Glob.pop_back();
            pattern.NoDot = true;
        }
        Patterns.push_back(std::move(pattern));
    }
    if (Patterns.empty())
        All = true;
}

bool TNamePattern::Matches(std::u16string_view name) const
{
    if (All)
        return true;
    for (const TOne& pattern : Patterns) {
        if (pattern.NoDot && name.find(u'.') != std::u16string_view::npos)
            continue;
        if (GlobMatches(pattern.Glob, name))
            return true;
    }
    return false;
}
