#include "settings/settings_schema.h"

#include "settings/profile.h"
#include "settings/template_file.h"
#include "text/utf16_text.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr unsigned Everywhere = InSettingsFile | SavedWithSettings | InTemplates;
constexpr unsigned SettingsOnly = InSettingsFile | SavedWithSettings;
constexpr unsigned Newer = Everywhere | WrittenWhenUsed;

// A Choice key's word and its value in the record, through the key's list of choices.
template <auto& Choices, auto Member>
const char* WordOf(const TSettings& s)
{
    return ChoiceName(Choices, s.*Member);
}
template <auto& Choices, auto Member>
void TakeWord(TSettings& s, std::string_view word)
{
    s.*Member = ChoiceByName(Choices, word).value_or(Choices[0].Value);
}
constexpr TChoiceField EscapeField = {WordOf<EscapeChoices, &TSettings::NameEscape>,
                                      TakeWord<EscapeChoices, &TSettings::NameEscape>};
constexpr TChoiceField EncodingField = {WordOf<EncodingChoices, &TSettings::OutputEncoding>,
                                        TakeWord<EncodingChoices, &TSettings::OutputEncoding>};
constexpr TChoiceField LineEndsField = {WordOf<LineEndChoices, &TSettings::LineEnds>,
                                        TakeWord<LineEndChoices, &TSettings::LineEnds>};
constexpr std::size_t ChoiceRoom = 31;
constexpr std::size_t PatternsRoom = 260;   // Add folder's patterns, 259 characters

// The settings file's keys in the order SaveSettings writes them, then the keys of other
// writers. Columns: name, how the value is stored, the value it holds, the default of a missing
// key (a text's, a number's), the longest text kept (UTF-16 units), where the key is used, and
// its place among a template's keys (0: not in templates). A new key is one more line, at the end.
// clang-format off
constexpr TSettingsKey Keys[] = {
    {"Header",      EKeyKind::Encoded,  {.Dialog = EDialogText::Header},     "",                0,    FieldTextMax,     Everywhere,                      3},
    {"Queue",       EKeyKind::Encoded,  {.Dialog = EDialogText::Queue},      "",                0,    FieldTextMax,     Everywhere,                      4},
    {"FileOutput",  EKeyKind::Text,     {.Text = &TSettings::FileOutput},    DefaultFileOutput, 0,    FileNameRoom - 1, Everywhere | OnlyWithSaveLocal, 10},
    {"InvertSlash", EKeyKind::Flag,     {.Flag = &TSettings::InvertSlash},   "",                0,    0,                Everywhere,                      7},
    {"CheckIndex",  EKeyKind::Number,   {.Number = &TSettings::CheckIndex},  "",                Full, 0,                Everywhere,                      8},
    {"SendToIndex", EKeyKind::Number,   {.Number = &TSettings::SendToIndex}, "",                0,    0,                SettingsOnly,                    0},
    {"MainHead",    EKeyKind::Encoded,  {.Text = &TSettings::MainHead},      "",                0,    MainTextMax,      Everywhere,                      5},
    {"MainQueue",   EKeyKind::Encoded,  {.Text = &TSettings::MainQueue},     "",                0,    MainTextMax,      Everywhere,                      6},
    {"SaveLocal",   EKeyKind::Flag,     {.Flag = &TSettings::SaveLocal},     "",                0,    0,                Everywhere,                      9},
    {"UseTip",      EKeyKind::Flag,     {.Flag = &TSettings::UseTip},        "",                1,    0,                SettingsOnly,                    0},
    {"ImageExt",    EKeyKind::Text,     {.Text = &TSettings::ImageExt},      DefaultImageExt,   0,    ImageExtRoom - 1, InSettingsFile,                  0},
    {"h_menutitle", EKeyKind::MenuText, {},                                  "",                0,    MenuTextRoom - 1, InTemplates,                     1},
    {"h_menuhelp",  EKeyKind::MenuText, {},                                  "",                0,    MenuTextRoom - 1, InTemplates,                     2},
    {"MoreVariables",  EKeyKind::Flag,   {.Flag = &TSettings::MoreVariables}, "",              0,    0,                Newer,                          11},
    {"NameEscape",     EKeyKind::Choice, {.Choice = &EscapeField},           "none",           0,    ChoiceRoom,       Newer,                          12},
    {"OutputEncoding", EKeyKind::Choice, {.Choice = &EncodingField},         "utf-8",          0,    ChoiceRoom,       Newer,                          13},
    {"LineEnds",       EKeyKind::Choice, {.Choice = &LineEndsField},         "crlf",           0,    ChoiceRoom,       Newer,                          14},
    {"AskSaveList",    EKeyKind::Flag,   {.Flag = &TSettings::AskSaveList},  "",               1,    0,                SettingsOnly | WrittenWhenUsed,  0},
    {"AddFolderPatterns",   EKeyKind::Text,   {.Text = &TSettings::AddFolderPatterns},   "*", 0, PatternsRoom - 1, SettingsOnly | WrittenWhenUsed, 0},
    {"AddFolderSubfolders", EKeyKind::Flag,   {.Flag = &TSettings::AddFolderSubfolders}, "",  0, 0,                SettingsOnly | WrittenWhenUsed, 0},
    {"AddFolderItems",      EKeyKind::Number, {.Number = &TSettings::AddFolderItems},    "",  0, 0,                SettingsOnly | WrittenWhenUsed, 0},
    {"AddFolderHidden",     EKeyKind::Flag,   {.Flag = &TSettings::AddFolderHidden},     "",  0, 0,                SettingsOnly | WrittenWhenUsed, 0},
    // The Preview window's place on the screen; a width of 0: the preview was never opened.
    {"PreviewLeft",    EKeyKind::Number, {.Number = &TSettings::PreviewLeft},   "",            0,    0,                SettingsOnly | WrittenWhenUsed,  0},
    {"PreviewTop",     EKeyKind::Number, {.Number = &TSettings::PreviewTop},    "",            0,    0,                SettingsOnly | WrittenWhenUsed,  0},
    {"PreviewWidth",   EKeyKind::Number, {.Number = &TSettings::PreviewWidth},  "",            0,    0,                SettingsOnly | WrittenWhenUsed,  0},
    {"PreviewHeight",  EKeyKind::Number, {.Number = &TSettings::PreviewHeight}, "",            0,    0,                SettingsOnly | WrittenWhenUsed,  0},
};
// clang-format on

// A row whose kind does not match the value it holds, or a template key without its place.
constexpr bool WellFormed(const TSettingsKey& key)
{
    const TKeyField& f = key.Field;
    const int values = (f.Text != nullptr) + (f.Number != nullptr) + (f.Flag != nullptr) +
                       (f.Dialog != EDialogText::None) + (f.Choice != nullptr);
    const bool texts = key.Kind == EKeyKind::Text || key.Kind == EKeyKind::Encoded || key.Kind == EKeyKind::MenuText ||
                       key.Kind == EKeyKind::Choice;
    const bool holds = key.Kind == EKeyKind::Text    ? f.Text != nullptr
                     : key.Kind == EKeyKind::Encoded ? f.Text != nullptr || f.Dialog != EDialogText::None
                     : key.Kind == EKeyKind::Number  ? f.Number != nullptr
                     : key.Kind == EKeyKind::Flag    ? f.Flag != nullptr
                     : key.Kind == EKeyKind::Choice  ? f.Choice != nullptr
                                                     : values == 0;
    const bool placed = ((key.Uses & InTemplates) != 0) == (key.TemplateOrder > 0);
    return holds && values <= 1 && (!texts || key.Limit > 0) && placed;
}

constexpr bool TableIsWellFormed()
{
    for (std::size_t i = 0; i < std::size(Keys); ++i) {
        if (!WellFormed(Keys[i]))
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (Keys[j].Name == Keys[i].Name || (Keys[i].TemplateOrder && Keys[j].TemplateOrder == Keys[i].TemplateOrder))
                return false;
    }
    return true;
}
static_assert(TableIsWellFormed(), "each key holds a value of its kind, once, with a place of its own in templates");

std::string Cut(const std::string& text, std::size_t maxUnits)
{
    return std::string(CutToUtf16Units(text, maxUnits));
}

// RelPath follows the output file wherever that is set.
void SetText(TSettings& s, std::string TSettings::*field, std::string value)
{
    if (field == &TSettings::FileOutput)
        s.SetFileOutput(value);
    else
        s.*field = std::move(value);
}

const std::string& DialogText(EDialogText which, const std::string& header, const std::string& queue)
{
    return which == EDialogText::Header ? header : queue;
}

} // namespace

std::span<const TSettingsKey> SettingsKeys()
{
    return Keys;
}

const std::vector<const TSettingsKey*>& TemplateKeys()
{
    static const std::vector<const TSettingsKey*> keys = [] {
        std::vector<const TSettingsKey*> inTemplates;
        for (const TSettingsKey& key : Keys)
            if (key.Uses & InTemplates)
                inTemplates.push_back(&key);
        std::stable_sort(inTemplates.begin(), inTemplates.end(),
                         [](const TSettingsKey* a, const TSettingsKey* b) { return a->TemplateOrder < b->TemplateOrder; });
        return inTemplates;
    }();
    return keys;
}

const TSettingsKey* FindSettingsKey(std::string_view name)
{
    for (const TSettingsKey& key : Keys)
        if (key.Name == name)
            return &key;
    return nullptr;
}

std::string StoredValue(const TSettingsKey& key, const TSettings& s, const std::string& header,
                        const std::string& queue)
{
    const TKeyField& field = key.Field;
    switch (key.Kind) {
    case EKeyKind::Text:
        return s.*field.Text;
    case EKeyKind::Encoded:
        return EncodeValue(
            Cut(field.Dialog != EDialogText::None ? DialogText(field.Dialog, header, queue) : s.*field.Text, key.Limit));
    case EKeyKind::Number:
        return std::to_string(s.*field.Number);
    case EKeyKind::Flag:
        return s.*field.Flag ? "1" : "0";
    case EKeyKind::Choice:
        return field.Choice->Word(s);
    case EKeyKind::MenuText:
        break;
    }
    return {};
}

bool HoldsDefault(const TSettingsKey& key, const TSettings& s)
{
    switch (key.Kind) {
    case EKeyKind::Number:
        return s.*key.Field.Number == key.DefaultNumber;
    case EKeyKind::Flag:
        return (s.*key.Field.Flag) == (key.DefaultNumber != 0);
    case EKeyKind::Choice:
        return key.Field.Choice->Word(s) == key.DefaultText;
    case EKeyKind::Text:
        return s.*key.Field.Text == key.DefaultText;
    case EKeyKind::Encoded:
    case EKeyKind::MenuText:
        break;
    }
    return false;
}

bool LeftOut(const TSettingsKey& key, const TProfile& profile, const std::string& file, const TSettings& s)
{
    if (!(key.Uses & WrittenWhenUsed) || !HoldsDefault(key, s))
        return false;
    const std::string absent = "\x01";
    return profile.ReadString(file, s.SectionName, std::string(key.Name), absent, absent.size() + 1) == absent;
}

std::string ReadKeyText(const TSettingsKey& key, const TProfile& profile, const std::string& file,
                        const std::string& section, const std::string& def)
{
    return profile.ReadString(file, section, std::string(key.Name), def, key.Limit + 1);
}

void LoadKey(const TSettingsKey& key, const TProfile& profile, const std::string& file,
             const std::string& section, TSettings& s, std::string& header, std::string& queue)
{
    const TKeyField& field = key.Field;
    const std::string name(key.Name);
    switch (key.Kind) {
    case EKeyKind::Text:
        SetText(s, field.Text, ReadKeyText(key, profile, file, section, std::string(key.DefaultText)));
        break;
    case EKeyKind::Encoded: {
        // Each text as long as the program keeps it: what is shown is what is saved again.
        const std::string text =
            Cut(DecodeValue(profile.ReadString(file, section, name, EncodeValue(std::string(key.DefaultText)),
                                               EncodedRoom)),
                key.Limit);
        if (field.Dialog == EDialogText::Header)
            header = text;
        else if (field.Dialog == EDialogText::Queue)
            queue = text;
        else
            SetText(s, field.Text, text);
        break;
    }
    case EKeyKind::Number:
        s.*field.Number = profile.ReadInt(file, section, name, key.DefaultNumber);
        break;
    case EKeyKind::Flag:
        s.*field.Flag = profile.ReadInt(file, section, name, key.DefaultNumber) != 0;
        break;
    case EKeyKind::Choice:
        field.Choice->Take(s, ReadKeyText(key, profile, file, section, std::string(key.DefaultText)));
        break;
    case EKeyKind::MenuText:
        break;
    }
}

void SetKeyText(const TSettingsKey& key, TSettings& s, std::string value)
{
    if (key.Field.Text)
        SetText(s, key.Field.Text, std::move(value));
}
