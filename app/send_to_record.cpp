#include "app/send_to_record.h"

#include "text/legacy_text.h"

#include <cstring>

TSendToRecord::TSendToRecord(const std::vector<std::string>& names)
{
    for (const std::string& name : names) {
        Bytes += name;
        Bytes += '\0';
    }
    Record.dwData = names.size() > 1 ? SendToNamesTag : 0;
    Record.cbData = static_cast<DWORD>(Bytes.size());
    Record.lpData = Bytes.data();
}

std::vector<std::string> NamesOfRecord(const COPYDATASTRUCT& record, int legacyCodePage)
{
    std::vector<std::string> names;
    const char* data = static_cast<const char*>(record.lpData);
    if (!data)
        return names;
    if (record.dwData != SendToNamesTag) {
        // Read within the record's own length, up to its first zero if it has one.
        names.push_back(Utf8FromLegacy(std::string_view(data, strnlen(data, record.cbData)), legacyCodePage));
        return names;
    }
    const std::string_view bytes(data, record.cbData);
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find('\0', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        if (end > start)
            names.push_back(Utf8FromLegacy(bytes.substr(start, end - start), legacyCodePage));
        start = end + 1;
    }
    return names;
}

std::vector<std::string> NamesOfArguments(const std::vector<std::string>& arguments)
{
    std::vector<std::string> names;
    for (std::size_t i = 1; i < arguments.size(); ++i)
        if (!arguments[i].empty())
            names.push_back(arguments[i]);
    return names;
}

std::string NamesToShow(const std::vector<std::string>& names)
{
    const std::size_t shown = names.size() <= ShownNamesMax ? names.size() : ShownNamesMax - 1;
    std::string text;
    for (std::size_t i = 0; i < shown; ++i)
        text += (i ? "\n" : "") + names[i];
    if (shown < names.size())
        text += "\n... and " + std::to_string(names.size() - shown) + " more";
    return text;
}

std::string CopyingNoticeText(const std::vector<std::string>& names)
{
    if (names.size() == 1)
        return names.front();
    // The count first: a notice keeps only the start of a long text.
    return std::to_string(names.size()) + " names:\n" + NamesToShow(names);
}
