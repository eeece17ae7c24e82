#pragma once
// The output file in the encoding and with the line ends a template asks for. Generated text is
// UTF-8 with LF line breaks; this layer turns it into the bytes the file's reader expects:
// UTF-8 (with or without a byte-order mark), the system's legacy ANSI code page, or UTF-16 LE
// with a mark, each line ended by CR LF or by LF.
#include "gen/output_writer.h"
#include "settings/settings.h"
#include "text/legacy_text.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TFileList;
class TLineBuilder;

struct TOutputFormat {
    TOutputEncoding Encoding = TOutputEncoding::Utf8;
    TLineEnds LineEnds = TLineEnds::CrLf;
    int CodePage = WesternCodePage;   // of the ANSI encoding

    // UTF-8 with CR LF: the bytes every Strandel has written.
    bool IsPlain() const { return Encoding == TOutputEncoding::Utf8 && LineEnds == TLineEnds::CrLf; }
};

// The settings' choice; the ANSI code page is the system's (SystemLegacyCodePage) unless given.
TOutputFormat OutputFormatOf(const TSettings& settings);
TOutputFormat OutputFormatOf(const TSettings& settings, int codePage);

// Generated text in a format, handed on as bytes to a file writer. A character cut between two
// pieces of text is joined again; Finish hands on what is left of one at the end.
class TEncodingSink : public TOutputSink {
public:
    TEncodingSink(TCrLfFileWriter& file, const TOutputFormat& format);
    void Append(std::string_view text) override;
    void Finish();
    // Whether a character the ANSI code page cannot hold was written as "?".
    bool LostCharacters() const { return Lost; }

private:
    void Put(std::string_view text);

    TCrLfFileWriter& File;
    TOutputFormat Format;
    std::string Pending;   // the start of a character the next piece ends
    std::string Bytes;
    std::u16string Units;
    bool Lost = false;
};

// Main head, lines and Main queue written in the format: exactly the builder's bytes with CR LF
// for the plain format, with a byte-order mark first where the encoding has one.
void WriteOutput(TLineBuilder& builder, TCrLfFileWriter& file, const TOutputFormat& format);

// The text of an output file written in a format, in UTF-8 with CR LF or LF as written: what
// Create and copy puts on the clipboard. The byte-order mark is left out.
std::string TextOfOutput(std::string_view bytes, const TOutputFormat& format);

// What the format cannot hold, known before anything is written so the caller can ask whether
// to write anyway (each such character would be written as "?").
struct TUnwritable {
    std::size_t NameCount = 0;            // list entries with such a character
    std::vector<std::string> FirstNames;  // the first few of them, in list order
    bool Texts = false;                   // the Header, Queue or Main texts hold one
    bool Any() const { return NameCount > 0 || Texts; }
};
constexpr std::size_t UnwritableNamesShown = 5;

TUnwritable FindUnwritable(const TOutputFormat& format, const TFileList& list, const TSettings& settings,
                           std::string_view header, std::string_view queue);
