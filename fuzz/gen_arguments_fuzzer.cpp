// strandel-gen's argument parsing, on NUL-separated arguments. A refusal gives a reason;
// an accepted command names a list unless it asks for help, takes no inline value for an
// option that has none, and means the same when written out again in the long form.
#include "cli/gen_command.h"
#include "fuzz_support.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

const char* const ModeNames[] = {"full", "relative", "nopath", "none"};

// The options as one long-form command: each option and its value, "--", the lists.
std::vector<std::string> LongForm(const TGenOptions& o)
{
    std::vector<std::string> args;
    auto put = [&](const char* name, const std::optional<std::string>& value) {
        if (value) {
            args.push_back(name);
            args.push_back(*value);
        }
    };
    put("--template", o.Template);
    put("--relpath", o.RelPath);
    put("--output", o.Output);
    put("--header", o.Header);
    put("--queue", o.Queue);
    put("--main-head", o.MainHead);
    put("--main-queue", o.MainQueue);
    if (o.Mode)
        put("--mode", std::string(ModeNames[*o.Mode]));
    if (o.InvertSlash)
        args.push_back(*o.InvertSlash ? "--invert-slash" : "--no-invert-slash");
    if (o.MoreVariables)
        args.push_back(*o.MoreVariables ? "--more-variables" : "--no-more-variables");
    if (o.NameEscape)
        put("--name-escape", std::string(ChoiceName(EscapeChoices, *o.NameEscape)));
    if (o.Encoding)
        put("--encoding", std::string(ChoiceName(EncodingChoices, *o.Encoding)));
    if (o.LineEnds)
        put("--line-ends", std::string(ChoiceName(LineEndChoices, *o.LineEnds)));
    if (o.LegacyCodePageGiven)
        put("--legacy-codepage", std::to_string(o.LegacyCodePage));
    if (o.WriteAnyway)
        args.push_back("--write-anyway");
    if (o.Help)
        args.push_back("--help");
    args.push_back("--");
    args.insert(args.end(), o.Lists.begin(), o.Lists.end());
    return args;
}

bool Same(const TGenOptions& a, const TGenOptions& b)
{
    return a.Template == b.Template && a.RelPath == b.RelPath && a.Output == b.Output && a.Mode == b.Mode &&
           a.InvertSlash == b.InvertSlash && a.Header == b.Header && a.Queue == b.Queue &&
           a.MainHead == b.MainHead && a.MainQueue == b.MainQueue && a.Lists == b.Lists && a.Help == b.Help &&
           a.MoreVariables == b.MoreVariables && a.NameEscape == b.NameEscape && a.Encoding == b.Encoding &&
           a.LineEnds == b.LineEnds && a.WriteAnyway == b.WriteAnyway && a.LegacyCodePage == b.LegacyCodePage &&
           a.LegacyCodePageGiven == b.LegacyCodePageGiven;
}

bool TakesNoValue(const std::string& name)
{
    return name == "--help" || name == "--invert-slash" || name == "--no-invert-slash" || name == "--more-variables" ||
           name == "--no-more-variables" || name == "--write-anyway";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args;
    TFields fields(data, size);
    while (!fields.AtEnd() && args.size() < 64)
        args.push_back(fields.Next());

    TGenOptions options;
    std::string error;
    if (!ParseGenArguments(args, options, error)) {
        FuzzCheck(!error.empty(), "a refusal gives a reason");
        return 0;
    }
    FuzzCheck(options.Help || !options.Lists.empty(), "a command without --help names a list");
    FuzzCheck(!options.Mode || (*options.Mode >= 0 && *options.Mode < 4), "a known mode");

    // Options end at "--", or where a value is expected; "--name=value" is one argument.
    bool valueNext = false;
    for (const std::string& arg : args) {
        if (arg == "--" && !valueNext)
            break;
        std::size_t equals = arg.find('=');
        if (!valueNext && arg.starts_with("--") && equals != std::string::npos)
            FuzzCheck(!TakesNoValue(arg.substr(0, equals)), "option " + Escaped(arg) + " takes no value");
        valueNext = !valueNext && equals == std::string::npos && arg.size() > 1 && arg[0] == '-' &&
                    !TakesNoValue(arg) && arg != "-h";
    }

    TGenOptions again;
    FuzzCheck(ParseGenArguments(LongForm(options), again, error), "the long form is accepted: " + error);
    FuzzCheck(Same(again, options), "the long form means the same");
    return 0;
}
