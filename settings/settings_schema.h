#pragma once
// The keys of the settings file and of templates, written down once: each key's name, how its
// value is stored, its default, the value of the record it holds, and where and in which order
// it is written. LoadSettings, SaveSettings and the template reader and writer all walk this
// table, so a new key is one more line in it.
#include "settings/settings.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TProfile;

// How a key's value is stored.
enum class EKeyKind {
    Text,       // as it is, on one line
    Encoded,    // a text of several lines on one: EncodeValue and DecodeValue
    Number,     // a decimal integer, read the way the system reads integers
    Flag,       // written 0 or 1; any number but 0 reads as set
    MenuText,   // a template's menu texts: not read into the record; written back as the file
                // has them, else as the template's title
    Choice,     // one word of a list of choices (utf-8, lf...); a word that names none reads as the first
};

// How a Choice key's word is read into the record and taken from it.
struct TChoiceField {
    const char* (*Word)(const TSettings&);
    void (*Take)(TSettings&, std::string_view word);
};

// The main dialog's two texts, which are stored with the record but live in their fields.
enum class EDialogText { None, Header, Queue };

// The value a key holds: one member of the record, or one of the dialog's texts.
struct TKeyField {
    std::string TSettings::*Text = nullptr;
    std::int32_t TSettings::*Number = nullptr;
    bool TSettings::*Flag = nullptr;
    EDialogText Dialog = EDialogText::None;
    const TChoiceField* Choice = nullptr;
};

// Where a key is used.
enum EKeyUse : unsigned {
    InSettingsFile = 1,     // read by LoadSettings
    SavedWithSettings = 2,  // written by SaveSettings (ImageExt has a writer of its own)
    InTemplates = 4,        // written and read by templates
    OnlyWithSaveLocal = 8,  // in templates only while SaveLocal is set; an empty value is no value
    WrittenWhenUsed = 16,   // written only when it differs from its default or the file holds it
                            // already: a file that never used it keeps its bytes
};

struct TSettingsKey {
    std::string_view Name;
    EKeyKind Kind;
    TKeyField Field;
    std::string_view DefaultText;   // Text and Encoded: the value of a missing key
    int DefaultNumber;              // Number and Flag
    std::size_t Limit;              // texts: the longest kept, in UTF-16 units
    unsigned Uses;                  // EKeyUse
    int TemplateOrder;              // the key's place among a template's keys; 0 when not in one
};

// Every key, in the order SaveSettings writes them.
std::span<const TSettingsKey> SettingsKeys();

// The keys of templates in the order a template is written.
const std::vector<const TSettingsKey*>& TemplateKeys();

// The key of that name; null when there is none.
const TSettingsKey* FindSettingsKey(std::string_view name);

// Whether the value is the key's default (a missing key reads as it).
bool HoldsDefault(const TSettingsKey& key, const TSettings& settings);

// The value as the key stores it, from the record and the dialog's texts (MenuText keys: empty).
std::string StoredValue(const TSettingsKey& key, const TSettings& settings, const std::string& header,
                        const std::string& queue);

// Reads the key from the file, a missing key giving its default, and sets the value it holds.
void LoadKey(const TSettingsKey& key, const TProfile& profile, const std::string& file,
             const std::string& section, TSettings& settings, std::string& header, std::string& queue);

// The text the key holds, read from the file (Text and MenuText keys), with def for a missing one.
std::string ReadKeyText(const TSettingsKey& key, const TProfile& profile, const std::string& file,
                        const std::string& section, const std::string& def);

// Whether a writer leaves the key out: a WrittenWhenUsed key that holds its default while the file
// has no value for it.
bool LeftOut(const TSettingsKey& key, const TProfile& profile, const std::string& file, const TSettings& settings);

// Sets the record's text the key holds (RelPath follows FileOutput).
void SetKeyText(const TSettingsKey& key, TSettings& settings, std::string value);
