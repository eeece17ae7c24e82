#pragma once
// strandel-gen: applies a template file to list files and writes what Create would write.
#include "settings/settings.h"
#include "text/legacy_text.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

class TProfile;

struct TGenOptions {
    std::optional<std::string> Template;
    std::optional<std::string> RelPath;
    std::optional<std::string> Output;
    std::optional<int> Mode;
    std::optional<bool> InvertSlash;
    std::optional<std::string> Header;
    std::optional<std::string> Queue;
    std::optional<std::string> MainHead;
    std::optional<std::string> MainQueue;
    std::optional<bool> MoreVariables;
    std::optional<TEscape> NameEscape;
    std::optional<TOutputEncoding> Encoding;
    std::optional<TLineEnds> LineEnds;
    std::vector<std::string> Lists;   // "-" is standard input
    // For list and template bytes that are not UTF-8 and, when given, for the ANSI encoding
    // (which otherwise uses the system's code page).
    int LegacyCodePage = WesternCodePage;
    bool LegacyCodePageGiven = false;
    bool WriteAnyway = false;   // the ANSI encoding writes what it cannot hold as "?"
    bool Help = false;
};

extern const char* const GenUsage;

// False with a one-line reason for arguments that do not make a command.
bool ParseGenArguments(const std::vector<std::string>& args, TGenOptions& options, std::string& error);

// Exit codes of the command.
enum : int { GenOk = 0, GenFailed = 1, GenBadUsage = 2, GenUnwritable = 3 };

// Generates; on failure writes one line to err, leaves any existing output untouched
// and returns GenFailed (GenUnwritable for names the chosen encoding cannot hold).
int RunGen(const TGenOptions& options, TProfile& profile, std::FILE* in, std::FILE* out, std::FILE* err);
