#include "cli/gen_command.h"

#include "gen/encoded_output.h"
#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "gen/list_file.h"
#include "gen/output_writer.h"
#include "settings/profile.h"
#include "settings/settings.h"
#include "settings/template_file.h"
#include "text/native_path.h"
#include "text/utf16_text.h"

#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <system_error>

const char* const GenUsage =
    "Usage: strandel-gen [-t TEMPLATE] [-r RELPATH] [-o OUTPUT]\n"
    "                    [--mode full|relative|nopath|none] [--invert-slash | --no-invert-slash]\n"
    "                    [--header TEXT] [--queue TEXT] [--main-head TEXT] [--main-queue TEXT]\n"
    "                    [--more-variables | --no-more-variables] [--name-escape HOW]\n"
    "                    [--encoding ENCODING] [--line-ends crlf|lf] [--write-anyway]\n"
    "                    [--legacy-codepage N] LIST...\n"
    "\n"
    "Builds, from the file names of the LIST files (one per line; - reads standard input),\n"
    "the text Strandel's Create writes: Main head, one line per name (Header, the name in\n"
    "the path mode, Queue), Main queue, every line break stored as CR LF unless the template\n"
    "or --line-ends says LF.\n"
    "\n"
    "  -t TEMPLATE        apply a template file (*.hqd) as opening it in Strandel does\n"
    "  -r RELPATH         base folder of relative names (default: the folder of OUTPUT,\n"
    "                     else of the template's output file)\n"
    "  -o OUTPUT          write to OUTPUT instead of standard output\n"
    "  --mode MODE        full, relative, nopath or none\n"
    "  --invert-slash     turn backslashes of names and folders into slashes\n"
    "  --no-invert-slash  keep backslashes\n"
    "  --header TEXT, --queue TEXT, --main-head TEXT, --main-queue TEXT\n"
    "                     the texts, taken literally (line breaks allowed)\n"
    "  --more-variables   the texts may also hold QZ_FULLNAME, QZ_SIZE, QZ_SIZETEXT, QZ_DATE,\n"
    "                     QZ_TIME, QZ_COUNTER(first,step) and escaped forms such as QZ_NAME_URL\n"
    "  --no-more-variables  the texts hold the seven classic variables only\n"
    "  --name-escape HOW  make the name between Header and Queue safe for: url, html, batch,\n"
    "                     csv, arg (a command line), ps (PowerShell) or none\n"
    "  --encoding ENCODING  utf-8, utf-8-bom, ansi (the Windows code page, see below) or\n"
    "                     utf-16le\n"
    "  --line-ends crlf|lf  what ends a line in the output\n"
    "  --write-anyway     with ansi, write the characters the code page cannot hold as ?\n"
    "                     (without it such names stop the command)\n"
    "  --legacy-codepage N\n"
    "                     the Windows code page of list and template lines that are not\n"
    "                     UTF-8, written before Strandel kept UTF-8 (default 1252), and of\n"
    "                     the ansi encoding (default: the system's code page, else 1252)\n"
    "  --help             show this text\n"
    "\n"
    "Exit status: 0 done, 1 failed (nothing written), 2 bad usage, 3 names the encoding\n"
    "cannot hold (nothing written).\n";

namespace {

std::optional<int> ModeByName(const std::string& name)
{
    if (name == "full")
        return Full;
    if (name == "relative")
        return Relative;
    if (name == "nopath")
        return NoPath;
    if (name == "none")
        return None;
    return std::nullopt;
}

// Reads a choice word into target, or says which words there are.
template <class T, std::size_t N>
bool ReadChoice(const TChoice<T> (&choices)[N], const std::string& what, const std::string& word,
                std::optional<T>& target, std::string& error)
{
    target = ChoiceByName(choices, word);
    if (target)
        return true;
    error = "unknown " + what + " '" + word + "' (";
    for (std::size_t i = 0; i < N; ++i)
        error += std::string(i == 0 ? "" : i + 1 == N ? " or " : ", ") + choices[i].Name;
    error += ")";
    return false;
}

// A template's choice words that this strandel-gen does not know: better refused than guessed.
bool CheckTemplateChoices(const TProfile& profile, const std::string& file, const std::string& section,
                          std::string& error)
{
    auto check = [&](const char* key, auto& choices) {
        const std::string word = profile.ReadString(file, section, key, "", 64);
        std::optional<decltype(choices[0].Value)> ignored;
        if (word.empty() || ReadChoice(choices, std::string(key), word, ignored, error))
            return true;
        error = "template " + file + ": " + error;
        return false;
    };
    return check("NameEscape", EscapeChoices) && check("OutputEncoding", EncodingChoices) &&
           check("LineEnds", LineEndChoices);
}

// "2 names cannot be written in code page 1252: "C:\a.txt", ...", on one line.
std::string UnwritableMessage(const TUnwritable& found, int codePage)
{
    const std::string page = "code page " + std::to_string(codePage);
    std::string message;
    if (found.NameCount > 0) {
        message = std::to_string(found.NameCount) + (found.NameCount == 1 ? " name" : " names") +
                  " cannot be written in " + page + ":";
        for (std::size_t i = 0; i < found.FirstNames.size(); ++i)
            message += (i == 0 ? " \"" : ", \"") + found.FirstNames[i] + "\"";
        if (found.NameCount > found.FirstNames.size())
            message += ", ...";
    }
    if (found.Texts)
        message += std::string(message.empty() ? "" : "; ") + "the texts hold characters " + page + " cannot hold";
    return message + " (--write-anyway writes them as ?, --encoding utf-8 keeps them)";
}

std::string Reason()
{
    return std::strerror(errno);
}

bool Readable(const std::string& fileName)
{
    std::FILE* file = OpenNativeFile(fileName, "rb");
    if (!file)
        return false;
    std::fclose(file);
    return !std::filesystem::is_directory(NativePath(fileName));
}

} // namespace

bool ParseGenArguments(const std::vector<std::string>& args, TGenOptions& options, std::string& error)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            options.Lists.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::optional<std::string> inlineValue;
        if (arg.starts_with("--")) {
            std::size_t equals = arg.find('=');
            if (equals != std::string::npos) {
                inlineValue = arg.substr(equals + 1);
                arg.resize(equals);
            }
        }
        auto value = [&](std::optional<std::string>& target) {
            if (inlineValue) {
                target = *inlineValue;
                return true;
            }
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return false;
            }
            target = args[++i];
            return true;
        };
        auto noValue = [&] {
            if (inlineValue)
                error = "option " + arg + " takes no value";
            return !inlineValue;
        };
        auto flag = [&](bool set) {
            options.InvertSlash = set;
            return noValue();
        };
        auto choice = [&](auto& choices, const char* what, auto& target) {
            std::optional<std::string> word;
            return value(word) && ReadChoice(choices, what, *word, target, error);
        };

        bool ok;
        if (arg == "-t" || arg == "--template")
            ok = value(options.Template);
        else if (arg == "-r" || arg == "--relpath")
            ok = value(options.RelPath);
        else if (arg == "-o" || arg == "--output")
            ok = value(options.Output);
        else if (arg == "--header")
            ok = value(options.Header);
        else if (arg == "--queue")
            ok = value(options.Queue);
        else if (arg == "--main-head")
            ok = value(options.MainHead);
        else if (arg == "--main-queue")
            ok = value(options.MainQueue);
        else if (arg == "--invert-slash")
            ok = flag(true);
        else if (arg == "--no-invert-slash")
            ok = flag(false);
        else if (arg == "--more-variables" || arg == "--no-more-variables") {
            options.MoreVariables = arg == "--more-variables";
            ok = noValue();
        } else if (arg == "--write-anyway") {
            options.WriteAnyway = true;
            ok = noValue();
        } else if (arg == "--name-escape")
            ok = choice(EscapeChoices, "escape", options.NameEscape);
        else if (arg == "--encoding")
            ok = choice(EncodingChoices, "encoding", options.Encoding);
        else if (arg == "--line-ends")
            ok = choice(LineEndChoices, "line ends", options.LineEnds);
        else if (arg == "--help" || arg == "-h") {
            options.Help = true;
            ok = noValue();
        } else if (arg == "--mode") {
            std::optional<std::string> name;
            ok = value(name);
            if (ok) {
                options.Mode = ModeByName(*name);
                if (!options.Mode) {
                    error = "unknown mode '" + *name + "' (full, relative, nopath or none)";
                    ok = false;
                }
            }
        } else if (arg == "--legacy-codepage") {
            std::optional<std::string> number;
            ok = value(number);
            if (ok) {
                char* end = nullptr;
                const long page = std::strtol(number->c_str(), &end, 10);
                ok = !number->empty() && *end == '\0' && page > 0 && page < 65536;
                if (ok) {
                    options.LegacyCodePage = static_cast<int>(page);
                    options.LegacyCodePageGiven = true;
                }
                else
                    error = "code page '" + *number + "' is not a number from 1 to 65535";
            }
        } else {
            error = "unknown option " + arg;
            ok = false;
        }
        if (!ok)
            return false;
    }
    if (!options.Help && options.Lists.empty()) {
        error = "no list file given";
        return false;
    }
    return true;
}

int RunGen(const TGenOptions& options, TProfile& profile, std::FILE* in, std::FILE* out, std::FILE* err)
{
    auto fail = [err](const std::string& message) {
        std::fprintf(err, "strandel-gen: %s\n", message.c_str());
        return GenFailed;
    };

    TSettings settings = FirstStartSettings();
    std::string header, queue;

    if (options.Template) {
        // The profile functions look for a bare name in the Windows folder: pass a full one.
        std::error_code ignored;
        std::string file = NameOfPath(std::filesystem::absolute(NativePath(*options.Template), ignored));
        if (file.empty() || !Readable(file))
            return fail("cannot read template " + *options.Template + ": " + Reason());
        std::string error;
        if (!CheckTemplateChoices(profile, file, settings.SectionName, error))
            return fail(error);
        ReadTemplateFile(settings, profile, file, header, queue);
        settings.TemplateFile = file;
    }

    if (options.Mode)
        settings.CheckIndex = *options.Mode;
    if (options.InvertSlash)
        settings.InvertSlash = *options.InvertSlash;
    if (options.Header)
        header = *options.Header;
    if (options.Queue)
        queue = *options.Queue;
    if (options.MainHead)
        settings.MainHead = CutToUtf16Units(*options.MainHead, MainTextMax);
    if (options.MainQueue)
        settings.MainQueue = CutToUtf16Units(*options.MainQueue, MainTextMax);
    if (options.MoreVariables)
        settings.MoreVariables = *options.MoreVariables;
    if (options.NameEscape)
        settings.NameEscape = *options.NameEscape;
    if (options.Encoding)
        settings.OutputEncoding = *options.Encoding;
    if (options.LineEnds)
        settings.LineEnds = *options.LineEnds;

    if (options.RelPath)
        settings.RelPath = *options.RelPath;
    else if (options.Output)
        settings.RelPath = FolderOf(*options.Output);

    TPackedFileList list;
    std::uintmax_t total = 0;
    for (const std::string& name : options.Lists) {
        std::error_code ignored;
        std::uintmax_t size = name == "-" ? 0 : std::filesystem::file_size(NativePath(name), ignored);
        if (size != static_cast<std::uintmax_t>(-1))
            total += size;
    }
    list.Reserve(static_cast<std::size_t>(total));

    for (const std::string& name : options.Lists) {
        if (name == "-") {
            if (!ReadListStream(in, list, options.LegacyCodePage))
                return fail("cannot read the list from standard input: " + Reason());
            continue;
        }
        if (std::filesystem::is_directory(NativePath(name))) {
            errno = EISDIR;
            return fail("cannot read list " + name + ": " + Reason());
        }
        if (!ReadListFile(name, list, options.LegacyCodePage))
            return fail("cannot read list " + name + ": " + Reason());
    }
    if (!HasEntries(list))
        return fail("the list is empty: no file names to write");

    const TOutputFormat format = options.LegacyCodePageGiven ? OutputFormatOf(settings, options.LegacyCodePage)
                                                             : OutputFormatOf(settings);
    if (!options.WriteAnyway) {
        const TUnwritable unwritable = FindUnwritable(format, list, settings, header, queue);
        if (unwritable.Any()) {
            fail(UnwritableMessage(unwritable, format.CodePage));
            return GenUnwritable;
        }
    }

    TLineBuilder builder(settings, list, header, queue);
    TCrLfFileWriter writer;

    if (!options.Output) {
        writer.Attach(out);
        WriteOutput(builder, writer, format);
        if (!writer.Flush())
            return fail("cannot write to standard output: " + Reason());
        return GenOk;
    }

    // The finished file replaces the old one in one step.
    const std::string& output = *options.Output;
    if (!writer.Open(output))
        return fail("cannot write " + output + ": " + Reason());
    WriteOutput(builder, writer, format);
    const TWriteResult written = writer.Close();
    if (written.IsInUse())
        return fail("cannot replace " + output + ": it is open in another program");
    if (!written)
        return fail("cannot write " + output + ": " + Reason());
    return GenOk;
}
