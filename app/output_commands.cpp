// The commands that write the output file, open it, and copy names and lines.
#include "app/base_dlg.h"

#include "app/clipboard.h"
#include "app/list_box_file_list.h"
#include "app/launch.h"
#include "app/program_state.h"
#include "app/system_message.h"
#include "controls/notice_window.h"
#include "gen/encoded_output.h"
#include "gen/file_list.h"
#include "gen/output_writer.h"
#include "text/utf16_text.h"

#include <atomic>
#include <cstdio>
#include <optional>

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

BaseDlg::ECreated BaseDlg::CreateOutput()
{
    if (!CheckNotEmpty())
        return ECreated::Failed;
    const std::string& fileName = SettingsRecord->FileOutput;
    const TOutputFormat format = OutputFormatOf(*SettingsRecord);
    const std::string header = Header.GetText(FieldTextMax);
    const std::string queue = Queue.GetText(FieldTextMax);
    const TUnwritable unwritable = FindUnwritable(format, *ListModel, *SettingsRecord, header, queue);
    if (unwritable.Any() &&
        Say(UnwritableQuestion(unwritable).c_str(), ProgramTitle, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
        return ECreated::Declined;
    TCrLfFileWriter writer;
    TWriteResult written = TWriteResult::Failed;
    DWORD error = ERROR_SUCCESS;   // the system's reason when the file could not be written
    if (writer.Open(fileName)) {
        // Built off the window's thread from a copy of the list: the list box stays the window's.
        TVectorFileList entries(FileList().ReadAll());
        entries.Select(FileList().Selected());
        TLineBuilder builder(*SettingsRecord, entries, header, queue);
        builder.SpecialExt = SpecialExt;
        builder.AltHeadQueue = AltHeadQueue;
        builder.NameIsLink = MakingWebPage;
        // Stopped before the encoding, so that what reaches the file is whole characters.
        std::optional<TEncodingSink> encoded;
        if (!format.IsPlain())
            encoded.emplace(writer, format);
        std::atomic<bool> cancel{false};
        TStoppableSink sink(encoded ? static_cast<TOutputSink&>(*encoded) : writer, cancel);
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
            return ECreated::Declined;
        }
        if (encoded)
            encoded->Finish();
        written = writer.Close();
    }
    if (!written)
        error = written.SystemError() ? written.SystemError() : writer.SystemError();
    if (written.IsInUse()) {
        Say(OpenInAnotherProgramText(fileName).c_str(), ProgramTitle, MB_OK | MB_ICONWARNING);
        return ECreated::Failed;
    }
    // A file that could not be written all through (a full disk, a lock) is no better
    // than one that could not be opened.
    if (!written) {
        Say(CreateFailedMessage(fileName, error).c_str(), "Invalid output file name",
            MB_OK | MB_ICONWARNING);
        return ECreated::Failed;
    }
    ShowMex(this, "Click view to see created file", ProgramTitle, MB_ICONINFORMATION, 1000);
    return ECreated::Written;
}

std::string UnwritableQuestion(const TUnwritable& unwritable)
{
    std::string text = "The output encoding (ANSI) cannot hold some characters";
    if (unwritable.NameCount > 0) {
        text += unwritable.NameCount == 1 ? " of this name:\n" : " of these names:\n";
        for (const std::string& name : unwritable.FirstNames)
            text += "\n" + name;
        if (unwritable.NameCount > unwritable.FirstNames.size())
            text += "\n... and " + std::to_string(unwritable.NameCount - unwritable.FirstNames.size()) + " more (" +
                    std::to_string(unwritable.NameCount) + " names in all)";
        if (unwritable.Texts)
            text += "\n\nand of the Header, Queue, Main head or Main queue";
    } else {
        text += " of the Header, Queue, Main head or Main queue";
    }
    return text + ".\n\nWrite the file anyway, with \"?\" for those characters?\n"
                  "(To keep every character choose UTF-8 or UTF-16 in Create, Output format.)";
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
    // Copied even when this run made nothing: an output file left from before is copied as it
    // is. Only a user who chose not to write it gets nothing copied either.
    if (CreateOutput() != ECreated::Declined)
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
    const TSettings bare = BareNameSettings();
    MakeLineBuilder(bare).ExpandPart(text, FileList().Selected(), nullptr, name);
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
    const TSettings bare = BareNameSettings();
    MakeLineBuilder(bare).ExpandPart(text, 0, &given, shown);
    CopyTextToClipboard(Handle, shown);
    PendingFile.clear();
}

void BaseDlg::CopyLine(const std::string& name)
{
    std::string given = name;
    CopyTextToClipboard(Handle, AsWritten(MakeLineBuilder().BuildLine(0, &given)));
    PendingFile.clear();
}

TSettings BaseDlg::BareNameSettings() const
{
    // A name copied alone goes where a file's name is typed (a file dialog, a command's
    // argument): the escaping is for the name inside the Header and Queue's line.
    TSettings bare = *SettingsRecord;
    bare.NameEscape = TEscape::None;
    return bare;
}

const char* BaseDlg::LineEnd() const
{
    return SettingsRecord->LineEnds == TLineEnds::Lf ? "\n" : "\r\n";
}

std::string BaseDlg::AsWritten(const std::string& lines) const
{
    // A copied line ends as the lines of the output file do, as Create and copy gives them.
    return SettingsRecord->LineEnds == TLineEnds::Lf ? lines : WithCrLf(lines);
}
