#pragma once
// Access to private-profile files: "key=value" lines under "[section]" headers.
// The program uses the system's functions; the portable implementation behaves
// the same on the same files, so the core and strandel-gen run anywhere.
#include "text/replace_file.h"

#include <cstddef>
#include <string>
#include <vector>

// One key's new value.
struct TProfileEntry {
    std::string Key;
    std::string Value;
};

class TProfile {
public:
    virtual ~TProfile() = default;

    // The value of key in section, or def (less its trailing blanks) when the
    // file, the section or the key is missing; at most size - 1 UTF-16 units, as the
    // system's wide function counts its room, and never cut inside a character.
    virtual std::string ReadString(const std::string& file, const std::string& section,
                                   const std::string& key, const std::string& def,
                                   std::size_t size) const = 0;

    // The value read as an integer the way the system parses it; def when missing.
    virtual int ReadInt(const std::string& file, const std::string& section,
                        const std::string& key, int def) const = 0;

    // Creates the file, the section or the key as needed; false when the file
    // cannot be written.
    virtual bool WriteString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& value) = 0;

    // Writes the keys of one section in their order as one change of the file: it is found
    // afterwards with all of them or, when it could not be written, as it was. An entry that
    // could not be written (see ProfileEntryIsWritable) is left out and makes the result Failed.
    // This one writes key after key; a profile that can do better does.
    virtual TWriteResult WriteStrings(const std::string& file, const std::string& section,
                                      const std::vector<TProfileEntry>& entries)
    {
        TWriteResult result = TWriteResult::Written;
        for (const TProfileEntry& entry : entries)
            if (!WriteString(file, section, entry.Key, entry.Value))
                result = result & TWriteResult::Failed;
        return result;
    }
};
