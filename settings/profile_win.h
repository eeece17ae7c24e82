#pragma once
// Private-profile access through the system's own functions (Windows build only).
#include "settings/profile.h"

#include <string>

class TSystemProfile : public TProfile {
public:
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& def,
                           std::size_t size) const override;
    int ReadInt(const std::string& file, const std::string& section,
                const std::string& key, int def) const override;
    bool WriteString(const std::string& file, const std::string& section,
                     const std::string& key, const std::string& value) override;
};
