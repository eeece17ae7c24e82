#include "cli/gen_command.h"

#ifdef _WIN32
#include "settings/profile_win.h"
#include <fcntl.h>
#include <io.h>
#else
#include "settings/profile_portable.h"
#endif

#include <cstdio>

int main(int argc, char** argv)
{
    TGenOptions options;
    std::string error;
    if (!ParseGenArguments(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
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
    TSystemProfile profile;
#else
    TPortableProfile profile(".");
#endif
    return RunGen(options, profile, stdin, stdout, stderr);
}
