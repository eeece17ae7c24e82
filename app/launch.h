#pragma once
// Starting a file or a program the way the shell would.
#include <windows.h>

#include <string>

// COM on the calling thread, apartment-threaded, as the shell's extensions expect it of a
// program that calls ShellExecute; released with this object when this object set it up. On a
// thread already in another apartment nothing changes.
class TComApartment {
public:
    TComApartment();
    ~TComApartment();
    TComApartment(const TComApartment&) = delete;
    TComApartment& operator=(const TComApartment&) = delete;

private:
    bool Initialised;
};

// What ShellExecute is given: the verb (empty: the default one), the file and its parameters.
struct TShellCommand {
    std::string Verb;
    std::string File;
    std::string Parameters;
    bool operator==(const TShellCommand&) const = default;
};

// Notepad asked to open the file: whatever the name holds (spaces, a leading dash), it arrives
// as the one name.
TShellCommand ViewerCommand(const std::string& fileName);

// Runs the command through the shell; true when the shell started it.
bool ShellRun(HWND owner, const TShellCommand& command, int showState);

// Opens the command line through the shell's associations; a line the shell cannot open
// whole is tried as a file and the parameters from its first slash, then started as a
// program's command line. True when the shell started it.
bool Launch(HWND owner, const std::string& commandLine, int showState);

// The command line without its leading and trailing spaces.
std::string TrimSpaces(const std::string& text);
