#include "settings/template_file.h"

#include "settings/profile.h"
#include "settings/settings.h"

std::string TemplateTitle(const std::string& fileName)
{
    std::size_t start = fileName.find_last_of("\\/:");
    std::string name = start == std::string::npos ? fileName : fileName.substr(start + 1);
    std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.resize(dot);
    return name;
}

bool WriteTemplateFile(const TSettings& s, TProfile& profile, const std::string& file,
                       const std::string& header, const std::string& queue)
{
    const std::string& section = s.SectionName;
    bool written = true;
    auto write = [&](const char* key, const std::string& value) {
        written = profile.WriteString(file, section, key, value) && written;
    };
    const std::string title = TemplateTitle(file);
    for (const char* key : {"h_menutitle", "h_menuhelp"})
        write(key, profile.ReadString(file, section, key, title, MenuTextRoom));

    auto cut = [](const std::string& text) { return text.substr(0, FieldTextMax); };
    write("Header", EncodeValue(cut(header)));
    write("Queue", EncodeValue(cut(queue)));
    write("MainHead", EncodeValue(s.MainHead));
    write("MainQueue", EncodeValue(s.MainQueue));
    write("InvertSlash", s.InvertSlash ? "1" : "0");
    write("CheckIndex", std::to_string(s.CheckIndex));
    write("SaveLocal", s.SaveLocal ? "1" : "0");
    if (s.SaveLocal)
        write("FileOutput", s.FileOutput);
    return WriteOutputChoices(s, profile, file) && written;
}

void ReadTemplateFile(TSettings& s, const TProfile& profile, const std::string& file,
                      std::string& header, std::string& queue)
{
    const std::string& section = s.SectionName;
    // Each text as long as the program keeps it: what is shown is what is saved again.
    auto encoded = [&](const char* key, std::size_t max) {
        return DecodeValue(profile.ReadString(file, section, key, "", EncodedRoom)).substr(0, max);
    };

    header = encoded("Header", FieldTextMax);
    queue = encoded("Queue", FieldTextMax);
    s.InvertSlash = profile.ReadInt(file, section, "InvertSlash", 0) != 0;
    s.CheckIndex = profile.ReadInt(file, section, "CheckIndex", Full);
    s.MainHead = encoded("MainHead", MainTextMax);
    s.MainQueue = encoded("MainQueue", MainTextMax);
    s.SaveLocal = profile.ReadInt(file, section, "SaveLocal", 0) != 0;
    if (s.SaveLocal) {
        std::string output = profile.ReadString(file, section, "FileOutput", "", FileNameRoom);
        if (!output.empty())
            s.SetFileOutput(output);
    }
    ReadOutputChoices(s, profile, file);
}
