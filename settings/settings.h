#pragma once
// The working settings of the program and their initialisation file.
#include "text/ascii_text.h"
#include "text/path_text.h"
#include "text/replace_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class TProfile;

// How an entry's name appears in its line; stored as CheckIndex.
enum PathMode : int32_t { Full = 0, Relative = 1, NoPath = 2, None = 3 };

// How a name or a variable's value is made safe for where it goes; stored as NameEscape.
enum class TEscape : int32_t { None, Url, Html, Batch, Csv, Arg, PowerShell };
// The bytes of the output file; stored as OutputEncoding.
enum class TOutputEncoding : int32_t { Utf8, Utf8Bom, Ansi, Utf16Le };
// What ends a line in the output file; stored as LineEnds.
enum class TLineEnds : int32_t { CrLf, Lf };

// A stored choice and the word a settings or template file holds for it.
template <class T>
struct TChoice {
    T Value;
    const char* Name;
};
inline constexpr TChoice<TEscape> EscapeChoices[] = {
    {TEscape::None, "none"}, {TEscape::Url, "url"},     {TEscape::Html, "html"},      {TEscape::Batch, "batch"},
    {TEscape::Csv, "csv"},   {TEscape::Arg, "arg"},     {TEscape::PowerShell, "ps"},
};
inline constexpr TChoice<TOutputEncoding> EncodingChoices[] = {
    {TOutputEncoding::Utf8, "utf-8"}, {TOutputEncoding::Utf8Bom, "utf-8-bom"},
    {TOutputEncoding::Ansi, "ansi"},  {TOutputEncoding::Utf16Le, "utf-16le"},
};
inline constexpr TChoice<TLineEnds> LineEndChoices[] = {{TLineEnds::CrLf, "crlf"}, {TLineEnds::Lf, "lf"}};

// The choice a word names, ignoring case; nothing for a word that names none.
template <class T, std::size_t N>
std::optional<T> ChoiceByName(const TChoice<T> (&choices)[N], std::string_view name)
{
    for (const TChoice<T>& choice : choices)
        if (EqualsNoCase(choice.Name, name))
            return choice.Value;
    return std::nullopt;
}

template <class T, std::size_t N>
const char* ChoiceName(const TChoice<T> (&choices)[N], T value)
{
    for (const TChoice<T>& choice : choices)
        if (choice.Value == value)
            return choice.Name;
    return choices[0].Name;
}

// Room (characters + 1) the values are read with, and the longest texts kept: characters as the
// edit fields count them, UTF-16 units (an emoji takes two), and never a character cut in two.
// FileOutput, TemplateFile, RelPath: the longest name Windows has (32,767 characters), so a
// name is never cut into the name of another file.
constexpr std::size_t FileNameRoom = 32768;
// Header, Queue, MainHead, MainQueue: room for the stored form of the longest text kept (1999
// characters), even one of line breaks alone, each stored as a 7-character marker.
constexpr std::size_t EncodedRoom = 14000;
constexpr std::size_t ImageExtRoom = 80;
constexpr std::size_t MainTextMax = 1999;    // MainHead, MainQueue
constexpr std::size_t FieldTextMax = 1998;   // what is read of the Header and Queue fields

// Values of a first start without an initialisation file.
inline constexpr const char* DefaultFileOutput = "c:\\Windows\\Desktop\\QZScript.txt";
inline constexpr const char* DefaultImageExt = "gif;jpg;jpeg;bmp;png;webp;svg";
inline constexpr const char* DefaultSectionName = "Strandel";
inline constexpr const char* DefaultIniFileName = "QZIni.ini";

struct TSettings {
    std::string SectionName = DefaultSectionName;
    std::string IniFileName = DefaultIniFileName;
    std::string FileOutput;
    std::string TemplateFile;
    std::string RelPath;      // never stored: derived from FileOutput or set by a drop
    std::string MainHead;     // real line breaks (CR LF)
    std::string MainQueue;
    std::string ImageExt;
    int32_t CheckIndex = Full;
    int32_t SendToIndex = 0;  // 1: Send To copies a whole line; else the name
    bool InvertSlash = false;
    bool SaveLocal = false;
    bool UseTip = false;
    // Newer keys, each off by default so older files give what they gave before.
    bool MoreVariables = false;   // sizes, dates, counters and escaped forms (QZ_NAME_URL) in the texts
    TEscape NameEscape = TEscape::None;                       // for the name between Header and Queue
    TOutputEncoding OutputEncoding = TOutputEncoding::Utf8;
    TLineEnds LineEnds = TLineEnds::CrLf;
    // Closing with a changed list asks whether to save it; stored as AskSaveList, written only
    // once it is switched off (or the file holds it already).
    bool AskSaveList = true;
    // Add folder contents, as the user chose last; each written only once it differs from here.
    std::string AddFolderPatterns = "*";   // "*.jpg;*.png"
    bool AddFolderSubfolders = false;
    int32_t AddFolderItems = 0;            // 0 files, 1 folders, 2 both
    bool AddFolderHidden = false;          // hidden and system files count too
    // The Preview window's place on the screen, kept once the preview has been opened.
    int32_t PreviewLeft = 0;
    int32_t PreviewTop = 0;
    int32_t PreviewWidth = 0;
    int32_t PreviewHeight = 0;

    // Sets FileOutput and, with it, RelPath to its folder.
    void SetFileOutput(const std::string& name);
};

// The record as a first start without an initialisation file leaves it.
TSettings FirstStartSettings();


// Multi-line values stored on one line: CR LF <-> "#QZ_BR#", wrapped in "<" and ">". A lone
// LF or CR (pasted text) is a line break too, stored as CR LF.
std::string EncodeValue(const std::string& text);
std::string DecodeValue(const std::string& stored);

// Reads every settings key of the record's section in IniFileName; Header and Queue
// go to the two texts (the main dialog's fields).
void LoadSettings(TSettings& settings, const TProfile& profile, std::string& header,
                  std::string& queue);

// Writes the keys in the program's order, as one change of the file; ImageExt and the font keys
// have writers of their own. False when any key could not be written (InUse: another program
// holds the file open, and it was kept as it was).
TWriteResult SaveSettings(const TSettings& settings, TProfile& profile, const std::string& header,
                          const std::string& queue);

// Writes ImageExt alone, as the options sheet does when confirmed; false when it could not.
TWriteResult SaveImageExt(const TSettings& settings, TProfile& profile);
