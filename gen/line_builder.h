#pragma once
// Turns entries of the file list into lines: Header + name in the path mode + Queue,
// with the QZ_ variables of Header and Queue replaced for each file.
#include "gen/counter.h"
#include "gen/file_details.h"
#include "gen/path_parts.h"
#include "settings/settings.h"

#include <string>
#include <string_view>
#include <vector>

class TFileList;
class TOutputSink;

// The alternate Header/Queue pair of the web pages, for files outside SpecialExt.
struct THeadQueue {
    std::string Head;
    std::string Queue;
};

class TLineBuilder {
public:
    // header and queue are the two fields' texts; only their first 1998 characters count.
    // With the settings' MoreVariables the texts may also hold the file details, counters and
    // escaped forms (QZ_SIZE, QZ_COUNTER(001), QZ_NAME_URL...); without it they are plain text.
    TLineBuilder(const TSettings& settings, const TFileList& list, std::string_view header,
                 std::string_view queue);

    // Web-page state: with SpecialExt set, entries whose extension it does not hold
    // are built with AltHeadQueue.
    std::string SpecialExt;
    THeadQueue AltHeadQueue;
    // Web-page state: the name is a file: link, so the "#" and "%" it may hold are written
    // %23 and %25 (a browser reads them as the start of a fragment or of an escape).
    bool NameIsLink = false;

    // Replaces the variables in text and drops its CRs; name becomes the current file's
    // name in the path mode. The current file is givenName when given, else entry index;
    // with neither, name is taken as it stands.
    void ExpandPart(std::string& text, int index, const std::string* givenName, std::string& name);

    // Header + name + Queue of one file.
    void BuildLine(int index, const std::string* givenName, std::string& line);
    std::string BuildLine(int index, const std::string* givenName = nullptr);

    // The entry's line as BuildOutput writes it, and where the name stands in it: nameStart and
    // nameLength in bytes of line (an empty name stands where it would be).
    void BuildLine(int index, std::string& line, std::size_t& nameStart, std::size_t& nameLength);
    // The expanded Main head and Main queue as BuildOutput writes them around the lines.
    std::string BuildMainHead();
    std::string BuildMainQueue();

    // Main head, every entry's line, Main queue; the list must not be empty.
    void BuildOutput(TOutputSink& sink);
    std::string BuildOutput();

private:
    // What one file gives the variables; its parts are worked out when first asked for.
    struct TCurrentFile {
        std::string FullName;
        int Index = 0;
        bool HaveParts = false;
        bool HaveDir = false;
        bool HaveRelFolder = false;
        bool HaveShownFullName = false;
        bool HaveDetails = false;
        TPathParts Parts;
        std::string Dir;         // the folder part, slashes inverted when asked
        std::string RelFolder;
        std::string ShownFullName;
        TFileDetails Details;
    };

    // A text to expand, cut into literal pieces and the variables that stand in it.
    struct TPattern {
        TPattern(std::string_view text, bool moreVariables);
        struct TPiece {
            int Variable;        // -1 for literal text
            std::size_t Start;
            std::size_t Length;
            TEscape Escape = TEscape::None;
            TCounter Counter{};
        };
        std::string Text;
        std::vector<TPiece> Pieces;
        std::string Fixed;       // a text without variables: its expansion, CRs dropped
        bool HasVariables;
        bool MoreVariables;      // values go in once, escaped as asked, never searched again

    private:
        void FindVariables();
        void FindMoreVariables();
    };

    void LoadFile(TCurrentFile& file, int index, const std::string* givenName) const;
    void StartFile(TCurrentFile& file, int index) const;
    const TPathParts& PartsOf(TCurrentFile& file) const;
    const std::string& DirOf(TCurrentFile& file) const;
    const std::string& RelFolderOf(TCurrentFile& file) const;
    const std::string& ShownFullNameOf(TCurrentFile& file) const;
    const TFileDetails& DetailsOf(TCurrentFile& file) const;
    std::string_view ValueOf(int variable, const TCounter& counter, TCurrentFile& file, char* room) const;
    std::string_view MoreValueOf(int variable, const TCounter& counter, TCurrentFile& file, char* room) const;
    void ExpandInPlace(std::string& text, TCurrentFile& file);
    void Expand(const TPattern& pattern, TCurrentFile& file, std::string& out);
    void ExpandOnce(const TPattern& pattern, TCurrentFile& file, std::string& out);
    void NameInMode(TCurrentFile& file, std::string& name);
    bool UsesAlternate(TCurrentFile& file) const;
    void EmitPattern(const TPattern& pattern, TCurrentFile& file, TOutputSink& sink);
    void EmitLine(TCurrentFile& file, TOutputSink& sink);
    void EmitMainHead(TCurrentFile& file, TOutputSink& sink);
    void EmitMainQueue(TCurrentFile& file, TOutputSink& sink);

    const TSettings& Settings;
    const TFileList& List;
    TPattern Header;
    TPattern Queue;
    std::string Work;      // reused buffers: no allocation per line once warm
    std::string Spare;
    std::string Name;
};
