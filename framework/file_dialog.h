#pragma once
// The system's open and save dialogs.
#include <windows.h>
#include <commdlg.h>

#include <string>

class TWindow;

class TOpenSaveDialog {
public:
    struct TData {
        const char* Filter = nullptr;   // pairs of zero-terminated texts: "List file\0*.lst\0"
        const char* Title = nullptr;
        const char* DefExt = nullptr;
        std::string InitialDir;         // empty: the system's choice
        std::string FileName;           // the initial name; the chosen one after OK
        DWORD Flags = 0;                // OFN_ flags
        std::size_t NameRoom = 1000;    // room for the name in UTF-16 units, terminating zero included
    };
    enum class TKind { Open, Save };

    TOpenSaveDialog(TWindow* parent, TKind kind, TData& data) : Parent(parent), Kind(kind), Data(data) {}

    // Runs the dialog modally; true when the user chose a name (then in Data.FileName).
    bool Execute();

private:
    TWindow* Parent;
    TKind Kind;
    TData& Data;
};
