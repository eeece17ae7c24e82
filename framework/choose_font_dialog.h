#pragma once
// The system's font dialog.
#include <windows.h>
#include <commdlg.h>

class TWindow;

class TChooseFontDialog {
public:
    struct TData {
        DWORD Flags = 0;           // CF_ flags
        HDC DC = nullptr;
        LOGFONTW LogFont{};        // the font shown first; the chosen one after OK
        int PointSize = 0;         // the chosen size in tenths of a point
        COLORREF Color = 0;
        const char* Style = nullptr;
        DWORD FontType = 0;
        int SizeMin = 0;
        int SizeMax = 0;
    };

    TChooseFontDialog(TWindow* parent, TData& data) : Parent(parent), Data(data) {}

    // Runs the dialog modally: IDOK when a font was chosen, else IDCANCEL.
    int Execute();

private:
    TWindow* Parent;
    TData& Data;
};
