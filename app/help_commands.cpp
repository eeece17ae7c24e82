// The Help menu: the help page, the program's web page, the About box.
#include "app/base_dlg.h"

#include "app/about_dlg.h"
#include "app/clipboard.h"
#include "app/help_commands.h"
#include "app/launch.h"
#include "app/program_names.h"
#include "app/program_state.h"
#include "controls/notice_window.h"
#include "text/wide_text.h"

bool SystemRunsWinHelp(DWORD majorVersion)
{
    // Windows Vista and later keep only a stub of winhlp32 that says "Feature not included".
    return majorVersion < 6;
}

bool SystemRunsWinHelp()
{
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    return ::GetVersionExW(&version) && SystemRunsWinHelp(version.dwMajorVersion);
}

void BaseDlg::CmHelpIndex()
{
    // A help file of the old kind, where one is kept beside the program and the system still
    // has its viewer, opens there; otherwise the help page opens in the browser.
    const std::string helpFile = ProgramFolder + "Strandel.hlp";
    if (SystemRunsWinHelp() && ::GetFileAttributesW(Wide(helpFile).c_str()) != INVALID_FILE_ATTRIBUTES) {
        ::WinHelpW(Handle, Wide(helpFile).c_str(), HELP_CONTENTS, 0);
        return;
    }
    const std::string helpPage = ProgramFolder + "Strandel.htm";
    if (::GetFileAttributesW(Wide(helpPage).c_str()) == INVALID_FILE_ATTRIBUTES || !Launch(Handle, helpPage, SW_SHOWNORMAL))
        Say(("The help page could not be opened:\n\n" + helpPage).c_str(), ProgramTitle, MB_OK | MB_ICONWARNING);
}

void BaseDlg::CmWebPage()
{
    CopyTextToClipboard(Handle, HomePageAddress);
    ShowMex(this, "URL copyed into Clipboard", ProgramTitle, MB_ICONINFORMATION, 2000);
    Launch(Handle, HomePageAddress, SW_SHOWNORMAL);
}

void BaseDlg::CmAbout()
{
    TAboutDlg(this).Execute();
}
