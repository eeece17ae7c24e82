// The commands that write the output file, open it, and copy names and lines.
#include "app/base_dlg.h"

#include "app/clipboard.h"
#include "app/launch.h"
#include "app/program_state.h"
#include "app/system_message.h"
#include "controls/notice_window.h"
#include "gen/file_list.h"
#include "gen/encoded_output.h"
#include "gen/output_writer.h"
#include "text/utf16_text.h"

#include "app/program_names.h"
#include "app/write_failure.h"
#include "framework/file_dialog.h"

bool BaseDlg::CreateOutput()
{
    if (!CheckNotEmpty())
        return false;
    const std::string& fileName = SettingsRecord->FileOutput;
    TCrLfFileWriter writer;
    TWriteResult written = TWriteResult::Failed;
    DWORD error = ERROR_SUCCESS;   // the system's reason when the file could not be written
    if (writer.Open(fileName)) {
        // In the encoding and with the line ends the settings ask for, as strandel-gen writes them.
        TLineBuilder builder = MakeLineBuilder();
        WriteOutput(builder, writer, OutputFormatOf(*SettingsRecord));
        written = writer.Close();
    }
    if (!written)
        error = written.SystemError() ? written.SystemError() : writer.SystemError();
    if (written.IsInUse()) {
        Say(OpenInAnotherProgramText(fileName).c_str(), ProgramTitle, MB_OK | MB_ICONWARNING);
        return false;
    }
    // A file that could not be written all through (a full disk, a lock) is no better
    // than one that could not be opened.
    if (!written) {
        Say(CreateFailedMessage(fileName, error).c_str(), "Invalid output file name",
            MB_OK | MB_ICONWARNING);
        return false;
    }
    ShowMex(this, "Click view to see created file", ProgramTitle, MB_ICONINFORMATION, 1000);
    return true;
}

std::string CreateFailedMessage(const std::string& fileName, DWORD error)
{
    const std::string why = error ? SystemMessage(error) + "." : std::string("The file could not be written.");
    return why + "\n\nThe output file was not created:\n" + fileName +
           "\n\nChoose another output file (File, Set output file) and create again.";
}

void BaseDlg::CmCreate()
{
    ControlsToSettings();
    CreateOutput();
}

void BaseDlg::CmCreateAndCopy()
{
    ControlsToSettings();
    CreateOutput();
    // Copied even when this run made nothing: an output file left from before is copied as it is.
    CopyFileToClipboard(Handle, SettingsRecord->FileOutput, OutputFormatOf(*SettingsRecord));
}

void BaseDlg::CmView()
{
    ShellRun(Handle, ViewerCommand(SettingsRecord->FileOutput), SW_SHOWNORMAL);
}

void BaseDlg::CmExecute()
{
    Launch(Handle, SettingsRecord->FileOutput, SW_SHOWNORMAL);
}

void BaseDlg::CmSetOutputFile()
{
    ControlsToSettings();
    TOpenSaveDialog::TData data;
    data.Filter = "All files\0*.*\0";
    data.Title = "File";
    data.DefExt = "*";
    data.FileName = SettingsRecord->FileOutput;
    data.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_CREATEPROMPT;
    data.NameRoom = FileNameRoom;
    if (TOpenSaveDialog(this, TOpenSaveDialog::TKind::Open, data).Execute())
        SettingsRecord->SetFileOutput(data.FileName);
    SettingsToControls();
}

void BaseDlg::CmCopySelectedItem()
{
    ControlsToSettings();
    if (!CheckNotEmpty())
        return;
    EnsureSelection(FileList());
    std::string text, name;
    MakeLineBuilder().ExpandPart(text, FileList().Selected(), nullptr, name);
    CopyTextToClipboard(Handle, name);
}

void BaseDlg::CmCreateAndCopySelectedItem()
{
    ControlsToSettings();
    if (!CheckNotEmpty())
        return;
    EnsureSelection(FileList());
    std::string name(CutToUtf16Units(FileList().Text(FileList().Selected()), EntryMax));
    CopyLine(name);
}

void BaseDlg::CopyName(const std::string& name)
{
    std::string text, shown;
    std::string given = name;
    MakeLineBuilder().ExpandPart(text, 0, &given, shown);
    CopyTextToClipboard(Handle, shown);
    PendingFile.clear();
}

void BaseDlg::CopyLine(const std::string& name)
{
    std::string given = name;
    CopyTextToClipboard(Handle, WithCrLf(MakeLineBuilder().BuildLine(0, &given)));
    PendingFile.clear();
}
