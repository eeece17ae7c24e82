#include "settings/settings.h"

#include "settings/profile.h"
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

// At most max characters (UTF-16 units, as the fields count them), never cut inside one.
std::string Cut(const std::string& text, std::size_t max)
{
    return std::string(CutToUtf16Units(text, max));
}

} // namespace

void TSettings::SetFileOutput(const std::string& name)
{
    FileOutput = Cut(name, FileNameRoom - 1);
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
    std::string text = ReplaceAll(stored, LineBreakMarker, "\r\n");
    if (!text.empty())
        text.erase(0, 1);
    if (!text.empty())
        text.pop_back();
    return text;
}

void LoadSettings(TSettings& s, const TProfile& profile, std::string& header, std::string& queue)
{
    const std::string& file = s.IniFileName;
    const std::string& section = s.SectionName;
    // Each text as long as the program keeps it: what is shown is what is saved again.
    auto encoded = [&](const char* key, std::size_t max) {
        return Cut(DecodeValue(profile.ReadString(file, section, key, "", EncodedRoom)), max);
    };

    s.SetFileOutput(profile.ReadString(file, section, "FileOutput", DefaultFileOutput, FileNameRoom));
    header = encoded("Header", FieldTextMax);
    queue = encoded("Queue", FieldTextMax);
    s.InvertSlash = profile.ReadInt(file, section, "InvertSlash", 0) != 0;
    s.CheckIndex = profile.ReadInt(file, section, "CheckIndex", Full);
    s.SendToIndex = profile.ReadInt(file, section, "SendToIndex", 0);
    s.MainHead = encoded("MainHead", MainTextMax);
    s.MainQueue = encoded("MainQueue", MainTextMax);
    s.SaveLocal = profile.ReadInt(file, section, "SaveLocal", 0) != 0;
    s.UseTip = profile.ReadInt(file, section, "UseTip", 1) != 0;
    // Room for 79 characters of any script in UTF-8, then 79 characters kept.
    s.ImageExt = Cut(profile.ReadString(file, section, "ImageExt", DefaultImageExt, (ImageExtRoom - 1) * 3 + 1),
                     ImageExtRoom - 1);
    ReadOutputChoices(s, profile, file);
    s.AskSaveList = profile.ReadInt(file, section, "AskSaveList", 1) != 0;
}

bool SaveSettings(const TSettings& s, TProfile& profile, const std::string& header,
                  const std::string& queue)
{
    const std::string& file = s.IniFileName;
    const std::string& section = s.SectionName;
    auto flag = [](bool set) { return std::string(set ? "1" : "0"); };
    bool written = true;
    auto write = [&](const char* key, const std::string& value) {
        written = profile.WriteString(file, section, key, value) && written;
    };

    write("Header", EncodeValue(Cut(header, FieldTextMax)));
    write("Queue", EncodeValue(Cut(queue, FieldTextMax)));
    write("FileOutput", s.FileOutput);
    write("InvertSlash", flag(s.InvertSlash));
    write("CheckIndex", std::to_string(s.CheckIndex));
    write("SendToIndex", std::to_string(s.SendToIndex));
    write("MainHead", EncodeValue(s.MainHead));
    write("MainQueue", EncodeValue(s.MainQueue));
    write("SaveLocal", flag(s.SaveLocal));
    write("UseTip", flag(s.UseTip));
    if (!s.AskSaveList || !profile.ReadString(file, section, "AskSaveList", "", ChoiceRoom).empty())
        write("AskSaveList", flag(s.AskSaveList));
    return WriteOutputChoices(s, profile, file) && written;
}

bool SaveImageExt(const TSettings& s, TProfile& profile)
{
    return profile.WriteString(s.IniFileName, s.SectionName, "ImageExt", s.ImageExt);
}


void ReadOutputChoices(TSettings& s, const TProfile& profile, const std::string& file)
{
    auto word = [&](const char* key) { return profile.ReadString(file, s.SectionName, key, "", ChoiceRoom); };
    s.MoreVariables = profile.ReadInt(file, s.SectionName, "MoreVariables", 0) != 0;
    s.NameEscape = ChoiceByName(EscapeChoices, word("NameEscape")).value_or(TEscape::None);
    s.OutputEncoding = ChoiceByName(EncodingChoices, word("OutputEncoding")).value_or(TOutputEncoding::Utf8);
    s.LineEnds = ChoiceByName(LineEndChoices, word("LineEnds")).value_or(TLineEnds::CrLf);
}

bool WriteOutputChoices(const TSettings& s, TProfile& profile, const std::string& file)
{
    bool written = true;
    auto write = [&](const char* key, const std::string& value, bool isDefault) {
        if (isDefault && profile.ReadString(file, s.SectionName, key, "", ChoiceRoom).empty())
            return;
        written = profile.WriteString(file, s.SectionName, key, value) && written;
    };
    write("MoreVariables", s.MoreVariables ? "1" : "0", !s.MoreVariables);
    write("NameEscape", ChoiceName(EscapeChoices, s.NameEscape), s.NameEscape == TEscape::None);
    write("OutputEncoding", ChoiceName(EncodingChoices, s.OutputEncoding), s.OutputEncoding == TOutputEncoding::Utf8);
    write("LineEnds", ChoiceName(LineEndChoices, s.LineEnds), s.LineEnds == TLineEnds::CrLf);
    return written;
}
