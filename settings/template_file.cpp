#include "settings/template_file.h"

#include "settings/profile.h"
#include "settings/settings.h"
#include "settings/settings_schema.h"

std::string TemplateTitle(const std::string& fileName)
{
    std::size_t start = fileName.find_last_of("\\/:");
    std::string name = start == std::string::npos ? fileName : fileName.substr(start + 1);
    std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.resize(dot);
    return name;
}

TWriteResult WriteTemplateFile(const TSettings& s, TProfile& profile, const std::string& file,
                               const std::string& header, const std::string& queue)
{
    const std::string title = TemplateTitle(file);
    std::vector<TProfileEntry> entries;
    for (const TSettingsKey* key : TemplateKeys()) {
        if (((key->Uses & OnlyWithSaveLocal) && !s.SaveLocal) || LeftOut(*key, profile, file, s))
            continue;
        // The menu texts keep what the file has: a hand-edited title stays.
        entries.push_back({std::string(key->Name), key->Kind == EKeyKind::MenuText
                                                        ? ReadKeyText(*key, profile, file, s.SectionName, title)
                                                        : StoredValue(*key, s, header, queue)});
    }
    return profile.WriteStrings(file, s.SectionName, entries);
}

bool HoldsTemplate(const TProfile& profile, const std::string& file, const std::string& section)
{
    const std::string absent = "\x01";   // no value of a template's key
    for (const TSettingsKey* key : TemplateKeys())
        if (profile.ReadString(file, section, std::string(key->Name), absent, absent.size() + 1) != absent)
            return true;
    return false;
}

bool ReadTemplateFile(TSettings& s, const TProfile& profile, const std::string& file,
                      std::string& header, std::string& queue)
{
    if (!HoldsTemplate(profile, file, s.SectionName))
        return false;
    for (const TSettingsKey* key : TemplateKeys())
        if (!(key->Uses & OnlyWithSaveLocal))
            LoadKey(*key, profile, file, s.SectionName, s, header, queue);
    // The output file travels with SaveLocal alone, and an empty one keeps the current one.
    if (!s.SaveLocal)
        return true;
    for (const TSettingsKey* key : TemplateKeys()) {
        if (!(key->Uses & OnlyWithSaveLocal))
            continue;
        std::string value = ReadKeyText(*key, profile, file, s.SectionName, "");
        if (!value.empty())
            SetKeyText(*key, s, std::move(value));
    }
    return true;
}
