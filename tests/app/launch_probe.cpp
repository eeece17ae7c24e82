// A program for the launch tests: appends its arguments, one line per run, to
// probe-runs.txt beside itself, and ends.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string log = path;
    log = log.substr(0, log.rfind('\\') + 1) + "probe-runs.txt";
    std::FILE* file = std::fopen(log.c_str(), "ab");
    if (!file)
        return 1;
    std::string line = "run:";
    for (int i = 1; i < argc; ++i)
        line += std::string(" ") + argv[i];
    std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
    return 0;
}
