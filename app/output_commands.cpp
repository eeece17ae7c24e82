// The commands that write the output file, open it, and copy names and lines.
#include "app/base_dlg.h"

#include "app/clipboard.h"
#include "app/launch.h"
#include "app/program_state.h"
#include "app/system_message.h"
#include "controls/notice_window.h"
#include "gen/file_list.h"
#include "gen/output_writer.h"
#include "text/utf16_text.h"

#include <atomic>
#include <cstdio>

#include "app/program_names.h"
#include "app/progress_window.h"
#include "app/write_failure.h"
#include "framework/file_dialog.h"

namespace {

// The output on its way to the file: counted, and stopped at the next piece once cancel is set.
class TStoppableSink : public TOutputSink {
public:
    struct TStopped {};
    TStoppableSink(TOutputSink& target, const std::atomic<bool>& cancel) : Target(target), Cancel(cancel) {}
    void Append(std::string_view text) override
    {
        if (Cancel)
            throw TStopped{};
        Target.Append(text);
        Written += text.size();
    }
    std::size_t Bytes() const { return Written; }

private:
    TOutputSink& Target;
    const std::atomic<bool>& Cancel;
    std::atomic<std::size_t> Written{0};
};

// "12.3 MB"
std::string MegabytesText(std::size_t bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1024 * 1024));
    return text;
}

} // namespace

bool BaseDlg::CreateOutput()
{
    if (!CheckNotEmpty())
        return false;
    const std::string& fileName = SettingsRecord->FileOutput;
    TCrLfFileWriter writer;
    TWriteResult written = TWriteResult::Failed;
    DWORD error = ERROR_SUCCESS;   // the system's reason when the file could not be written
    if (writer.Open(fileName)) {
        // Built off the window's thread from a copy of the list: the list box stays the window's.
        TVectorFileList entries(FileList().ReadAll());
        entries.Select(FileList().Selected());
        const std::string header = Header.GetText(FieldTextMax), queue = Queue.GetText(FieldTextMax);
        TLineBuilder builder(*SettingsRecord, entries, header, queue);
        builder.SpecialExt = SpecialExt;
        builder.AltHeadQueue = AltHeadQueue;
        std::atomic<bool> cancel{false};
        TStoppableSink sink(writer, cancel);
        TBackgroundWork work;
        work.Work = [&] {
            try {
                builder.BuildOutput(sink);
            } catch (const TStoppableSink::TStopped&) {
            }
        };
        work.Status = [&] { return "Creating " + fileName + ": " + MegabytesText(sink.Bytes()) + " written"; };
        RunWithProgress(this, ProgramFont, work, cancel);
        if (cancel) {
            // The writer goes without Close: the file stays as it was before.
            Say(("Create was stopped; the output file was left as it was:\n" + fileName).c_str(), ProgramTitle,
                MB_OK | MB_ICONINFORMATION);
            return false;
        }
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
    CopyFileToClipboard(Handle, SettingsRecord->FileOutput);
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
