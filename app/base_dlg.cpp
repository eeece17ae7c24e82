#include "app/base_dlg.h"

#include "app/list_box_file_list.h"
#include "app/program_state.h"
#include "app/settings_location.h"
#include "framework/status_bar.h"
#include "res/resource.h"
#include "settings/profile_win.h"

namespace {

// Main head and Main queue in one line: blanks trimmed, CRs dropped, line feeds as " /n ".
std::string OneLine(const std::string& text)
{
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    std::size_t last = text.find_last_not_of(" \t");
    std::string line;
    for (char c : text.substr(first, last - first + 1)) {
        if (c == '\r')
            continue;
        if (c == '\n')
            line += " /n ";
        else
            line += c;
    }
    return line;
}

constexpr int FieldRoom = static_cast<int>(NameRoom);

} // namespace

BEGIN_MESSAGE_TABLE(BaseDlg, TDialog)
    ON_MESSAGE(BaseDlg, WM_COPYDATA, EvCopyData)
    ON_CONTROL_ANY(BaseDlg, IDC_FILELIST, EvListNotify)
    ON_COMMAND(BaseDlg, IDM_CREATE, CmCreate)
    ON_COMMAND(BaseDlg, IDM_CREATEANDCOPY, CmCreateAndCopy)
    ON_COMMAND(BaseDlg, IDM_VIEW, CmView)
    ON_COMMAND(BaseDlg, IDM_EXECUTE, CmExecute)
    ON_COMMAND(BaseDlg, IDM_SETOUTFILE, CmSetOutputFile)
    ON_COMMAND(BaseDlg, IDM_COPYITEM, CmCopySelectedItem)
    ON_COMMAND(BaseDlg, IDM_COPYITEMLINE, CmCreateAndCopySelectedItem)
    ON_COMMAND(BaseDlg, IDM_EXIT, CmExit)
END_MESSAGE_TABLE(BaseDlg, TDialog)

BaseDlg::BaseDlg(TWindow* parent, const char* resourceName, TStatusBar* statusBar)
    : TDialog(parent, resourceName),
      SettingsRecord(std::make_unique<TSettings>()),
      Profile(std::make_unique<TSystemProfile>()),
      StatusBar(statusBar),
      List(this, IDC_FILELIST),
      Header(this, IDC_HEADER, FieldRoom),
      Queue(this, IDC_QUEUE, FieldRoom),
      RelPathField(this, IDC_RELPATH, FieldRoom),
      OutFileField(this, IDC_OUTFILE, FieldRoom),
      MainHeadField(this, IDC_MAINHEAD, FieldRoom),
      MainQueueField(this, IDC_MAINQUEUE, FieldRoom),
      Counter(this, IDC_COUNTER, FieldRoom),
      FullPath(this, IDC_PATH_FULL),
      RelativePath(this, IDC_PATH_RELATIVE),
      NoPathRadio(this, IDC_PATH_NOPATH),
      NonePath(this, IDC_PATH_NONE),
      InvertSlash(this, IDC_INVERTSLASH),
      SaveLocal(this, IDC_SAVELOCAL),
      CreateButton(this, IDC_CREATE),
      MoveUpButton(this, IDC_MOVEUP),
      MoveDownButton(this, IDC_MOVEDOWN),
      DeleteButton(this, IDC_DELETE),
      OutFileButton(this, IDC_SETOUTFILE),
      MainHeadButton(this, IDC_SETMAINHEAD),
      MainQueueButton(this, IDC_SETMAINQUEUE),
      AutoDragButton(this, IDC_AUTODRAG),
      ListModel(std::make_unique<TListBoxFileList>(List))
{
    SettingsRecord->SectionName = DefaultSectionName;
    SettingsRecord->IniFileName = SettingsFileName();
}

BaseDlg::~BaseDlg() = default;

TFileList& BaseDlg::FileList()
{
    return *ListModel;
}

void BaseDlg::SetupWindow()
{
    TDialog::SetupWindow();

    std::string header, queue;
    LoadSettings(*SettingsRecord, *Profile, header, queue);
    Header.SetText(header);
    Queue.SetText(queue);
    SettingsToControls();
    SettingsRecord->TemplateFile.clear();

    UpdateCounter();

    if (!PendingFile.empty()) {
        std::string name = PendingFile;
        COPYDATASTRUCT record{0, static_cast<DWORD>(name.size() + 1), name.data()};
        ReceiveFile(&record, 1);
    }
}

void BaseDlg::ControlsToSettings()
{
    int mode = Full;
    if (RelativePath.IsChecked())
        mode = Relative;
    if (NoPathRadio.IsChecked())
        mode = NoPath;
    if (NonePath.IsChecked())
        mode = None;
    SettingsRecord->CheckIndex = mode;
    SettingsRecord->InvertSlash = InvertSlash.IsChecked();
    SettingsRecord->SaveLocal = SaveLocal.IsChecked();
}

void BaseDlg::SettingsToControls()
{
    const TSettings& s = *SettingsRecord;
    for (TRadioButton* radio : {&RelativePath, &NoPathRadio, &NonePath, &FullPath})
        radio->Uncheck();
    switch (s.CheckIndex) {
    case Relative: RelativePath.Check(); break;
    case NoPath: NoPathRadio.Check(); break;
    case None: NonePath.Check(); break;
    default: FullPath.Check(); break;
    }
    InvertSlash.SetCheck(s.InvertSlash ? BST_CHECKED : BST_UNCHECKED);
    SaveLocal.SetCheck(s.SaveLocal ? BST_CHECKED : BST_UNCHECKED);
    RelPathField.SetText(s.RelPath);
    OutFileField.SetText(s.FileOutput);
    MainHeadField.SetText(OneLine(s.MainHead));
    MainQueueField.SetText(OneLine(s.MainQueue));
    if (StatusBar)
        StatusBar->SetText(s.FileOutput);
}

void BaseDlg::UpdateCounter()
{
    EnsureSelection(*ListModel);
    Counter.SetText(CounterText(*ListModel));
}

LRESULT BaseDlg::EvListNotify(TMessage& message)
{
    UpdateCounter();
    return DefaultProcessing(message);
}

TLineBuilder BaseDlg::MakeLineBuilder()
{
    return TLineBuilder(*SettingsRecord, *ListModel, Header.GetText(FieldTextMax), Queue.GetText(FieldTextMax));
}

bool BaseDlg::CanClose()
{
    ControlsToSettings();
    SaveSettings(*SettingsRecord, *Profile, Header.GetText(FieldTextMax), Queue.GetText(FieldTextMax));
    return true;
}

void BaseDlg::CmExit()
{
    HWND frame = ::GetParent(Handle);
    ::PostMessageA(frame ? frame : Handle, WM_CLOSE, 0, 0);
}

int BaseDlg::Say(const char* text, const char* caption, UINT flags)
{
    return ::MessageBoxA(Handle, text, caption, flags);
}

bool BaseDlg::CheckNotEmpty()
{
    if (HasEntries(*ListModel))
        return true;
    Say(EmptyListMessage, "Info", MB_OK);
    return false;
}
