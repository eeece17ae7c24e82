// Files that arrive from the shell's Send To menu: from another copy of the program, or
// named on this copy's own command line.
#include "app/base_dlg.h"

#include "app/clipboard.h"
#include "app/long_path.h"
#include "app/program_state.h"
#include "app/send_to_record.h"
#include "app/settings_location.h"
#include "app/startup.h"
#include "controls/notice_window.h"
#include "gen/output_writer.h"

LRESULT BaseDlg::ReceiveFile(const COPYDATASTRUCT* record, WPARAM)
{
    if (!record || !record->lpData)
        return -1;
    // UTF-8 from a copy of this version; bytes that are not UTF-8 (an older copy's) in the
    // legacy code page.
    std::vector<std::string> names = NamesOfRecord(*record, LegacyCodePage());
    if (names.empty())
        return -1;

    // Names from another copy: that copy goes on at once, and the names wait their turn, so
    // many copies sending at once are each answered at once and their names copied in order.
    if (::InSendMessage()) {
        SentNames.push_back(std::move(names));
        ::ReplyMessage(1);
        PostMessage(WM_DELIVERSENTNAME);
        return 1;
    }
    ControlsToSettings();
    SendToDelivery(names);
    return 1;
}

void BaseDlg::ReceiveStartNames()
{
    if (StartNames.empty())
        return;
    const std::vector<std::string> names = std::move(StartNames);
    StartNames.clear();
    const TSendToRecord record(names);
    ReceiveFile(record.Data(), 1);
}

LRESULT BaseDlg::EvDeliverSentName(TMessage&)
{
    if (SentNames.empty())
        return 0;
    const std::vector<std::string> names = std::move(SentNames.front());
    SentNames.pop_front();
    // The copy that sent them allowed this one to come forward.
    if (HWND frame = ::GetAncestor(Handle, GA_ROOT); frame && !::IsIconic(frame))
        ::SetForegroundWindow(frame);
    ControlsToSettings();
    SendToDelivery(names);
    return 0;
}

LRESULT BaseDlg::EvCopyData(HWND, const COPYDATASTRUCT* record)
{
    return ReceiveFile(record);
}

void BaseDlg::SendToDelivery(const std::vector<std::string>& paths)
{
    std::vector<std::string> names;
    for (const std::string& path : paths)
        names.push_back(LongPathName(path));
    PendingFile = names.front();
    ShowMex(this, CopyingNoticeText(names).c_str(), "Copying...", MB_ICONINFORMATION, 600);
    if (names.size() == 1) {
        if (SettingsRecord->SendToIndex == 1)
            CopyLine(names.front());
        else
            CopyName(names.front());
        return;
    }

    // Several: one name, or one whole line, a line each, in the order they came.
    TLineBuilder builder = MakeLineBuilder();
    const TSettings bare = BareNameSettings();
    TLineBuilder nameBuilder = MakeLineBuilder(bare);
    std::string text, scratch, shown;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int index = static_cast<int>(i);
        if (SettingsRecord->SendToIndex == 1) {
            const bool ended = text.empty() || text.back() == '\n';
            text += (ended ? "" : LineEnd()) + AsWritten(builder.BuildLine(index, &names[i]));
        } else {
            nameBuilder.ExpandPart(scratch, index, &names[i], shown);
            text += (i ? "\r\n" : "") + shown;
        }
    }
    CopyTextToClipboard(Handle, text);
    PendingFile.clear();
}
