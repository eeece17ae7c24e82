// Files that arrive from the shell's Send To menu: from another copy of the program, or
// named on this copy's own command line.
#include "app/base_dlg.h"

#include "app/long_path.h"
#include "app/program_state.h"
#include "app/settings_location.h"
#include "controls/notice_window.h"
#include "text/legacy_text.h"

#include <cstring>

LRESULT BaseDlg::ReceiveFile(const COPYDATASTRUCT* record, WPARAM)
{
    if (!record || !record->lpData)
        return -1;
    // The name is read within the record's own length, up to its first zero if it has one: UTF-8
    // from a copy of this version; bytes that are not UTF-8 (an older copy's) in the legacy code page.
    const char* data = static_cast<const char*>(record->lpData);
    std::string name = Utf8FromLegacy(std::string_view(data, strnlen(data, record->cbData)), LegacyCodePage());

    // A name from another copy: that copy goes on at once, and the name waits its turn, so
    // many copies sending at once are each answered at once and their names copied in order.
    if (::InSendMessage()) {
        SentNames.push_back(std::move(name));
        ::ReplyMessage(1);
        PostMessage(WM_DELIVERSENTNAME);
        return 1;
    }
    ControlsToSettings();
    SendToDelivery(name);
    return 1;
}

LRESULT BaseDlg::EvDeliverSentName(TMessage&)
{
    if (SentNames.empty())
        return 0;
    const std::string name = std::move(SentNames.front());
    SentNames.pop_front();
    ControlsToSettings();
    SendToDelivery(name);
    return 0;
}

LRESULT BaseDlg::EvCopyData(HWND, const COPYDATASTRUCT* record)
{
    return ReceiveFile(record);
}

void BaseDlg::SendToDelivery(const std::string& path)
{
    PendingFile = LongPathName(path);
    const std::string name = PendingFile;
    ShowMex(this, name.c_str(), "Copying...", MB_ICONINFORMATION, 600);
    if (SettingsRecord->SendToIndex == 1)
        CopyLine(name);
    else
        CopyName(name);
}
