#include "settings/settings.h"

#include "settings/profile.h"
#include "settings/settings_schema.h"
#include "text/utf16_text.h"

namespace {

constexpr const char* LineBreakMarker = "#QZ_BR#";
constexpr std::size_t ChoiceRoom = 32;   // a short word or number of the newer keys

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to)
{
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(from, start)) != std::string::npos; start = at + from.size()) {
        result.append(text, start, at - start);
        result += to;
    }
    result.append(text, start, std::string::npos);
    return result;
}

// How many bytes the text's last character takes (a byte that is not UTF-8 is one).
std::size_t LastCharacterLength(const std::string& text)
{
    std::size_t length = 0;
    for (std::size_t at = 0; at < text.size(); at += length)
        length = Utf16Detail::DecodeUtf8(text, at).Length;
    return length;
}

} // namespace

void TSettings::SetFileOutput(const std::string& name)
{
    FileOutput = CutToUtf16Units(name, FileNameRoom - 1);
    RelPath = FolderOf(FileOutput);
}

TSettings FirstStartSettings()
{
    TSettings settings;
    settings.SetFileOutput(DefaultFileOutput);
    settings.ImageExt = DefaultImageExt;
    settings.UseTip = true;
    return settings;
}

std::string EncodeValue(const std::string& text)
{
    std::string stored = "<";
    stored.reserve(text.size() + 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            stored += LineBreakMarker;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            stored += text[i];
        }
    }
    return stored + ">";
}

std::string DecodeValue(const std::string& stored)
{
    // The brackets, or whatever characters stand in their place, go: whole characters.
    std::string text = ReplaceAll(stored, LineBreakMarker, "\r\n");
    if (!text.empty())
        text.erase(0, Utf16Detail::DecodeUtf8(text, 0).Length);
    text.resize(text.size() - LastCharacterLength(text));
    return text;
}

void LoadSettings(TSettings& s, const TProfile& profile, std::string& header, std::string& queue)
{
    for (const TSettingsKey& key : SettingsKeys())
        if (key.Uses & InSettingsFile)
            LoadKey(key, profile, s.IniFileName, s.SectionName, s, header, queue);
}

TWriteResult SaveSettings(const TSettings& s, TProfile& profile, const std::string& header,
                          const std::string& queue)
{
    std::vector<TProfileEntry> entries;
    for (const TSettingsKey& key : SettingsKeys())
        if ((key.Uses & SavedWithSettings) && !LeftOut(key, profile, s.IniFileName, s))
            entries.push_back({std::string(key.Name), StoredValue(key, s, header, queue)});
    return profile.WriteStrings(s.IniFileName, s.SectionName, entries);
}

TWriteResult SaveImageExt(const TSettings& s, TProfile& profile)
{
    const TSettingsKey& key = *FindSettingsKey("ImageExt");
    return profile.WriteStrings(s.IniFileName, s.SectionName, {{std::string(key.Name), StoredValue(key, s, {}, {})}});
}
