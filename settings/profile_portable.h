#pragma once
// Private-profile access in standard C++: reads and edits the same files the
// system's functions do, with the same results, so the core runs anywhere. A file saved in
// UTF-16 or in UTF-8 with a byte-order mark is read as text and written back whole in its own
// encoding (in UTF-16, bytes that are not UTF-8 are stored as U+FFFD); a file without a mark is
// read and edited as its own bytes, and a new file is UTF-8 without a mark.
#include "settings/profile.h"

#include <string>

// False when the entry would not read back as written: line breaks, an empty
// section or key, '=' in the key or a key opening with '['. Both implementations refuse these.
bool ProfileEntryIsWritable(const std::string& section, const std::string& key,
                            const std::string& value);

// The value as both implementations store it, so that reading gives it back: one that
// starts or ends with a blank, or stands between a pair of quotes, goes between double
// quotes, which reading drops. Others are stored as they are.
std::string ProfileStoredValue(const std::string& value);

class TPortableProfile : public TProfile {
public:
    // A file name without any folder ('\\', '/' or a drive "X:") is looked up
    // in bareNameFolder, as the system looks up such names in the Windows folder.
    explicit TPortableProfile(std::string bareNameFolder);

    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& def,
                           std::size_t size) const override;
    int ReadInt(const std::string& file, const std::string& section,
                const std::string& key, int def) const override;
    bool WriteString(const std::string& file, const std::string& section,
                     const std::string& key, const std::string& value) override;
    // Reads the file once and replaces it whole once, with all the new values.
    TWriteResult WriteStrings(const std::string& file, const std::string& section,
                              const std::vector<TProfileEntry>& entries) override;

private:
    std::string PathOf(const std::string& file) const;

    std::string BareNameFolder;
};
