#include "cli/gen_command.h"
#include "settings/profile_legacy.h"
#include "settings/profile_portable.h"

#ifdef _WIN32
#include "text/wide_text.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#endif

#include <cstdio>
#include <memory>

namespace {

// The arguments in UTF-8. On Windows they are read wide: argv holds them in the system's code
// page, which cannot hold every name.
std::vector<std::string> Arguments(int argc, char** argv)
{
#ifdef _WIN32
    int count = 0;
    if (LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        std::vector<std::string> arguments;
        for (int i = 1; i < count; ++i)
            arguments.push_back(Narrow(wide[i]));
        ::LocalFree(wide);
        return arguments;
    }
#endif
    return std::vector<std::string>(argv + 1, argv + argc);
}

} // namespace

int main(int argc, char** argv)
{
    TGenOptions options;
    std::string error;
    if (!ParseGenArguments(Arguments(argc, argv), options, error)) {
        std::fprintf(stderr, "strandel-gen: %s\n\n%s", error.c_str(), GenUsage);
        return GenBadUsage;
    }
    if (options.Help) {
        std::fputs(GenUsage, stdout);
        return GenOk;
    }

#ifdef _WIN32
    // The bytes go out as built: no second CR from a text-mode stream.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    // The template's bytes as they stand in the file (the system's functions would turn bytes
    // that are not UTF-8 into question marks before they could be read in the legacy code page).
    TLegacyAwareProfile profile(std::make_unique<TPortableProfile>("."), options.LegacyCodePage);
    return RunGen(options, profile, stdin, stdout, stderr);
}
