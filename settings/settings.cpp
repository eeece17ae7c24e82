#include "settings/settings.h"

#include "settings/profile.h"

namespace {

constexpr const char* LineBreakMarker = "#QZ_BR#";

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

std::string Cut(std::string text, std::size_t max)
{
    if (text.size() > max)
        text.resize(max);
    return text;
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

std::string FolderOf(const std::string& fileName)
{
    std::size_t last = fileName.rfind('\\');
    return last == std::string::npos ? fileName : fileName.substr(0, last + 1);
}

std::string EncodeValue(const std::string& text)
{
    return "<" + ReplaceAll(text, "\r\n", LineBreakMarker) + ">";
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
    auto encoded = [&](const char* key) {
        return DecodeValue(profile.ReadString(file, section, key, "", EncodedRoom));
    };

    s.SetFileOutput(profile.ReadString(file, section, "FileOutput", DefaultFileOutput, FileNameRoom));
    header = encoded("Header");
    queue = encoded("Queue");
    s.InvertSlash = profile.ReadInt(file, section, "InvertSlash", 0) != 0;
    s.CheckIndex = profile.ReadInt(file, section, "CheckIndex", Full);
    s.SendToIndex = profile.ReadInt(file, section, "SendToIndex", 0);
    s.MainHead = encoded("MainHead");
    s.MainQueue = encoded("MainQueue");
    s.SaveLocal = profile.ReadInt(file, section, "SaveLocal", 0) != 0;
    s.UseTip = profile.ReadInt(file, section, "UseTip", 1) != 0;
    s.ImageExt = profile.ReadString(file, section, "ImageExt", DefaultImageExt, ImageExtRoom);
}

void SaveSettings(const TSettings& s, TProfile& profile, const std::string& header,
                  const std::string& queue)
{
    const std::string& file = s.IniFileName;
    const std::string& section = s.SectionName;
    auto flag = [](bool set) { return std::string(set ? "1" : "0"); };

    profile.WriteString(file, section, "Header", EncodeValue(Cut(header, FieldTextMax)));
    profile.WriteString(file, section, "Queue", EncodeValue(Cut(queue, FieldTextMax)));
    profile.WriteString(file, section, "FileOutput", s.FileOutput);
    profile.WriteString(file, section, "InvertSlash", flag(s.InvertSlash));
    profile.WriteString(file, section, "CheckIndex", std::to_string(s.CheckIndex));
    profile.WriteString(file, section, "SendToIndex", std::to_string(s.SendToIndex));
    profile.WriteString(file, section, "MainHead", EncodeValue(s.MainHead));
    profile.WriteString(file, section, "MainQueue", EncodeValue(s.MainQueue));
    profile.WriteString(file, section, "SaveLocal", flag(s.SaveLocal));
    profile.WriteString(file, section, "UseTip", flag(s.UseTip));
}

void SaveImageExt(const TSettings& s, TProfile& profile)
{
    profile.WriteString(s.IniFileName, s.SectionName, "ImageExt", s.ImageExt);
}
