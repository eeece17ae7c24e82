// A program for the launch tests: appends its arguments (read from the wide command line, so in
// any script), one line per run, to probe-runs.txt beside itself, in UTF-8, and ends.
#include "text/wide_text.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

int main()
{
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring log = path;
    log = log.substr(0, log.rfind(L'\\') + 1) + L"probe-runs.txt";
    std::FILE* file = ::_wfopen(log.c_str(), L"ab");
    if (!file)
        return 1;
    std::string line = "run:";
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 1; i < count; ++i)
        line += " " + Narrow(arguments[i]);
    ::LocalFree(arguments);
    std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
    return 0;
}
