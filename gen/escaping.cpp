#include "gen/escaping.h"

namespace {

bool KeptInUrl(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    // Unreserved, and the sub-delimiters a path segment may hold that mean nothing to HTML.
    return std::string_view("-._~!$()*+,;=:@").find(static_cast<char>(c)) != std::string_view::npos;
}

void AppendUrl(std::string& out, std::string_view value)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    for (char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\' || c == '/') {
            out += '/';
        } else if (KeptInUrl(c)) {
            out += ch;
        } else {
            out += '%';
            out += Hex[c >> 4];
            out += Hex[c & 0x0F];
        }
    }
}

void AppendHtml(std::string& out, std::string_view value)
{
    for (char c : value) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c; break;
        }
    }
}

void AppendDoubling(std::string& out, std::string_view value, char doubled)
{
    for (char c : value) {
        if (c == doubled)
            out += c;
        out += c;
    }
}

bool NeedsQuotes(std::string_view value)
{
    return value.empty() || value.find_first_of(" \t&()[]{}^=;!'+,`~|<>\"") != std::string_view::npos;
}

// In quotes the way CommandLineToArgvW reads them back: backslashes before a quote, and
// before the closing one, doubled; a quote as \".
void AppendArgument(std::string& out, std::string_view value)
{
    if (!NeedsQuotes(value)) {
        out.append(value);
        return;
    }
    out += '"';
    std::size_t backslashes = 0;
    for (char c : value) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, '\\');
    out += '"';
}

// PowerShell ends a single-quoted string at ' and at the quotes U+2018 to U+201B.
void AppendPowerShell(std::string& out, std::string_view value)
{
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\'') {
            out += "''";
        } else if (c == '\xE2' && i + 2 < value.size() && value[i + 1] == '\x80' &&
                   value[i + 2] >= '\x98' && value[i + 2] <= '\x9B') {
            const std::string_view quote = value.substr(i, 3);
            out.append(quote).append(quote);
            i += 2;
        } else {
            out += c;
        }
    }
}

} // namespace

void AppendEscaped(std::string& out, std::string_view value, TEscape escape)
{
    switch (escape) {
    case TEscape::Url: AppendUrl(out, value); break;
    case TEscape::Html: AppendHtml(out, value); break;
    case TEscape::Batch: AppendDoubling(out, value, '%'); break;
    case TEscape::Csv: AppendDoubling(out, value, '"'); break;
    case TEscape::Arg: AppendArgument(out, value); break;
    case TEscape::PowerShell: AppendPowerShell(out, value); break;
    case TEscape::None: out.append(value); break;
    }
}

std::string Escaped(std::string_view value, TEscape escape)
{
    std::string out;
    out.reserve(value.size() + 8);
    AppendEscaped(out, value, escape);
    return out;
}
