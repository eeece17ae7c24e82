#pragma once
// Profile files kept before the program wrote UTF-8 hold values in the system's legacy code
// page: a value read that is not UTF-8 comes back as that code page gives it, in UTF-8.
#include "settings/profile.h"

#include <memory>

class TLegacyAwareProfile : public TProfile {
public:
    TLegacyAwareProfile(std::unique_ptr<TProfile> files, int legacyCodePage)
        : Files(std::move(files)), LegacyCodePage(legacyCodePage)
    {
    }

    std::string ReadString(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& def, std::size_t size) const override;
    int ReadInt(const std::string& file, const std::string& section, const std::string& key,
                int def) const override
    {
        return Files->ReadInt(file, section, key, def);
    }
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override
    {
        return Files->WriteString(file, section, key, value);
    }
    TWriteResult WriteStrings(const std::string& file, const std::string& section,
                              const std::vector<TProfileEntry>& entries) override
    {
        return Files->WriteStrings(file, section, entries);
    }

private:
    std::unique_ptr<TProfile> Files;
    int LegacyCodePage;
};
