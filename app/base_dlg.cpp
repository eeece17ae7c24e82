#include "app/base_dlg.h"

#include "app/list_box_file_list.h"
#include "gen/list_editor.h"
#include "gen/list_history.h"
#include "app/ml_input_dlg.h"
#include "app/program_names.h"
#include "app/program_state.h"
#include "app/progress_window.h"
#include "app/settings_location.h"
#include "settings/profile.h"
#include "app/templates_menu.h"
#include "app/preview_window.h"
#include "controls/control_accessible.h"
#include "controls/notice_window.h"
#include "framework/gdi.h"
#include "app/screen_fit_box.h"
#include "res/resource.h"
#include "tips/tip_status_bar.h"
#include "tips/tool_tip.h"

#include <shellapi.h>

namespace {

RECT PlaceOf(HWND window)
{
    RECT place{};
    ::GetWindowRect(window, &place);
    return place;
}

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
// The Header and the Queue take as much as is kept of them: what they show is what is saved.
constexpr int AroundRoom = static_cast<int>(FieldTextMax);
constexpr const char* NormalCursor = "CUR_NORMAL";
constexpr int HintRoom = 499;   // 498 characters of a hint string
constexpr const char* RelPathHint = "Relative path, drag a folder here to change\nRel Path";

} // namespace

BEGIN_MESSAGE_TABLE(BaseDlg, TWhiteCenterDlg)
    ON_WM_COPYDATA(EvCopyData)
    ON_MESSAGE(WM_DELIVERSENTNAME, EvDeliverSentName)
    ON_WM_MOUSEMOVE(EvMouseMove)
    ON_WM_MENUSELECT(ShowCommandHint)
    ON_MESSAGE(WM_INITMENUPOPUP, EvInitMenuPopup)
    // Every change of the list's items or selection, and of the texts and options of the lines.
    ON_CONTROL(LBN_ITEMSCHANGED, IDC_FILELIST, PreviewChanged)
    ON_CONTROL(EN_CHANGE, IDC_HEADER, PreviewChanged)
    ON_CONTROL(EN_CHANGE, IDC_QUEUE, PreviewChanged)
    ON_CONTROL(BN_CLICKED, IDC_PATH_FULL, PreviewChanged)
    ON_CONTROL(BN_CLICKED, IDC_PATH_RELATIVE, PreviewChanged)
    ON_CONTROL(BN_CLICKED, IDC_PATH_NOPATH, PreviewChanged)
    ON_CONTROL(BN_CLICKED, IDC_PATH_NONE, PreviewChanged)
    ON_CONTROL(BN_CLICKED, IDC_INVERTSLASH, PreviewChanged)
    ON_CONTROL_ANY(IDC_FILELIST, EvListNotify)
    ON_COMMAND(IDM_CREATE, CmCreate)
    ON_COMMAND(IDM_CREATEANDCOPY, CmCreateAndCopy)
    ON_COMMAND(IDM_VIEW, CmView)
    ON_COMMAND(IDM_EXECUTE, CmExecute)
    ON_COMMAND(IDM_SETOUTFILE, CmSetOutputFile)
    ON_COMMAND(IDM_COPYITEM, CmCopySelectedItem)
    ON_COMMAND(IDM_COPYITEMLINE, CmCreateAndCopySelectedItem)
    ON_COMMAND(IDM_EXIT, CmExit)
    ON_MESSAGE(WM_DROPFILES, EvDropFiles)
    ON_MESSAGE(WM_PERFORMDROP, EvPerformDrop)
    ON_COMMAND(IDM_MOVEUP, CmMoveUp)
    ON_COMMAND(IDM_MOVEDOWN, CmMoveDown)
    ON_COMMAND(IDM_DELETE, CmDelete)
    ON_COMMAND(IDM_CLEARLIST, CmClearList)
    ON_COMMAND(IDM_OPENLIST, CmOpenList)
    ON_COMMAND(IDM_SAVELIST, CmSaveList)
    ON_COMMAND(IDM_DISKDELETE, CmDiskDelete)
    ON_COMMAND(IDM_SETMAINHEAD, CmSetMainHead)
    ON_COMMAND(IDM_SETMAINQUEUE, CmSetMainQueue)
    ON_COMMAND(IDM_AUTODRAG_HELP, CmAutoDragHelp)
    ON_COMMAND(IDM_AUTODRAG_COPY, CmAutoDragCopy)
    ON_COMMAND(IDM_AUTODRAG_COPYLINE, CmAutoDragCopyLine)
    ON_COMMAND(IDM_AUTODRAG_SETRELPATH, SetRelPathFromPending)
    ON_COMMAND(IDM_AUTODRAG_SETOUTFILE, SetOutputFromPending)
    ON_COMMAND(IDM_HELPINDEX, CmHelpIndex)
    ON_COMMAND(IDM_WEBPAGE, CmWebPage)
    ON_COMMAND(IDM_ABOUT, CmAbout)
    ON_COMMAND(IDM_SAVETEMPLATE, SaveTemplate)
    ON_COMMAND(IDM_OPENTEMPLATE, OpenTemplate)
    ON_COMMAND_RANGE(IDM_TEMPLATE_FIRST, IDM_TEMPLATE_LAST, CmTemplateItem)
    ON_COMMAND(IDM_HTMLIMAGES, HtmlImages)
    ON_COMMAND(IDM_HTMLLINK, HtmlLink)
    ON_COMMAND(IDM_OPTIONS, CmOptions)
    ON_COMMAND(IDM_SORT_NAME, CmSortByName)
    ON_COMMAND(IDM_SORT_PATH, CmSortByPath)
    ON_COMMAND(IDM_SORT_EXTENSION, CmSortByExtension)
    ON_COMMAND(IDM_SORT_SIZE, CmSortBySize)
    ON_COMMAND(IDM_SORT_MODIFIED, CmSortByModified)
    ON_COMMAND(IDM_REVERSE, CmReverse)
    ON_COMMAND(IDM_REMOVEDUPLICATES, CmRemoveDuplicates)
    ON_COMMAND(IDM_UNDO, CmUndo)
    ON_COMMAND(IDM_REDO, CmRedo)
    ON_COMMAND(IDM_ADDFOLDER, CmAddFolder)
    ON_COMMAND(IDM_AUTODRAG_ADDFOLDER, CmAutoDragAddFolder)
    ON_COMMAND(IDM_MOREVARIABLES, CmMoreVariables)
    ON_COMMAND_RANGE(IDM_ESCAPE_FIRST, IDM_ESCAPE_LAST, CmOutputFormatItem)
    ON_COMMAND_RANGE(IDM_ENCODING_FIRST, IDM_ENCODING_LAST, CmOutputFormatItem)
    ON_COMMAND_RANGE(IDM_LINEENDS_FIRST, IDM_LINEENDS_LAST, CmOutputFormatItem)
    ON_COMMAND(IDM_PREVIEW, CmPreview)
    ON_COMMAND(IDM_CONTEXTMENU, CmContextMenu)
END_MESSAGE_TABLE()

BaseDlg::BaseDlg(TWindow* parent, const char* resourceName, HFONT font, TTipStatusBar* statusBar)
    : TWhiteCenterDlg(parent, resourceName, "MENU_PROVA", font),
      ProgramFont(font),
      SettingsRecord(std::make_unique<TSettings>()),
      Profile(MakeProgramProfile()),
      StatusBar(statusBar),
      List(this, IDC_FILELIST, NormalCursor, nullptr, "MAINLIST_MNU"),
      Header(this, IDC_HEADER, AroundRoom, nullptr, NormalCursor),
      Queue(this, IDC_QUEUE, AroundRoom, nullptr, NormalCursor),
      RelPathField(this, IDC_RELPATH, FieldRoom, nullptr, NormalCursor),
      OutFileField(this, IDC_OUTFILE, FieldRoom, nullptr, NormalCursor),
      MainHeadField(this, IDC_MAINHEAD, FieldRoom, nullptr, NormalCursor),
      MainQueueField(this, IDC_MAINQUEUE, FieldRoom, nullptr, NormalCursor),
      Counter(this, IDC_COUNTER, FieldRoom, nullptr, NormalCursor),
      FullPath(this, IDC_PATH_FULL, NormalCursor),
      RelativePath(this, IDC_PATH_RELATIVE, NormalCursor),
      NoPathRadio(this, IDC_PATH_NOPATH, NormalCursor),
      NonePath(this, IDC_PATH_NONE, NormalCursor),
      InvertSlash(this, IDC_INVERTSLASH, NormalCursor),
      SaveLocal(this, IDC_SAVELOCAL, NormalCursor),
      CreateButton(this, IDC_CREATE, NormalCursor, "CREATE_MNU"),
      MoveUpButton(this, IDC_MOVEUP),
      MoveDownButton(this, IDC_MOVEDOWN),
      DeleteButton(this, IDC_DELETE),
      OutFileButton(this, IDC_SETOUTFILE),
      MainHeadButton(this, IDC_SETMAINHEAD),
      MainQueueButton(this, IDC_SETMAINQUEUE),
      AutoDragButton(this, IDC_AUTODRAG, NormalCursor),
      ListModel(std::make_unique<TListBoxFileList>(List)),
      History(std::make_unique<TListHistory>()),
      Editor(std::make_unique<TListEditor>(*ListModel, *History))
{
    SettingsRecord->SectionName = DefaultSectionName;
    SettingsRecord->IniFileName = SettingsFileName();
    CreateButton.SetMenuOnLeftClick(1);
    List.SetDeleteCommand(IDM_DELETE);
    // The list is the model of the output: an open preview follows each of its changes.
    List.SendChangeNotices();
    Header.SetPlaceholder(HeaderPlaceholder);
    Queue.SetPlaceholder(QueuePlaceholder);
}

BaseDlg::~BaseDlg() = default;

TFileList& BaseDlg::FileList()
{
    return *ListModel;
}

void BaseDlg::SetupWindow()
{
    TWhiteCenterDlg::SetupWindow();
    ArrangeTabOrder();
    ExposeControls(Handle, GetInstance());   // with the hints as descriptions

    std::string header, queue;
    LoadSettings(*SettingsRecord, *Profile, header, queue);
    SettingsRecord->SetFileOutput(OutputFileForThisSystem(SettingsRecord->FileOutput));
    Header.SetText(header);
    Queue.SetText(queue);
    SettingsToControls();
    SettingsRecord->TemplateFile.clear();

    ShowMex(this, "Loading Templates, wait...", ProgramTitle, MB_ICONINFORMATION, 0);
    BuildTemplatesMenu();
    UpdateCounter();
    if (StatusBar)
        StatusBar->UseTip = SettingsRecord->UseTip ? 1 : 0;
    ShowMex(nullptr, nullptr, nullptr, 0, 0);

    ReceiveStartNames();

    // Files dropped on any control arrive here: no control takes drops itself. An OLE source
    // (Explorer) talks to the registered target; a source that only sends WM_DROPFILES still can.
    ::DragAcceptFiles(Handle, TRUE);
    OleStarted = SUCCEEDED(::OleInitialize(nullptr));
    OleDrops = std::make_unique<TOleDropRegistration>(Handle, *this);
}

void BaseDlg::CleanupWindow()
{
    OleDrops.reset();
    if (OleStarted)
        ::OleUninitialize();
    OleStarted = false;
    TWhiteCenterDlg::CleanupWindow();
}

void BaseDlg::EvWindowPosChanged(const WINDOWPOS& position)
{
    TWhiteCenterDlg::EvWindowPosChanged(position);
    // A one-line field as tall as its font's lines at least, whatever font the user chose: a
    // field shorter than its line cuts the bottom of the text (QZ_GETCOUNT read as QZ GETCOUNT).
    for (const TQZEditCursor* field : {&RelPathField, &OutFileField, &MainHeadField, &MainQueueField, &Counter}) {
        HWND window = field->GetHandle();
        if (!window)
            continue;
        TEXTMETRICW metrics{};
        {
            TClientDC dc(window);
            TSelectObject font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(window, WM_GETFONT, 0, 0)));
            ::GetTextMetricsW(dc, &metrics);
        }
        const RECT client = field->GetClientRect();
        if (client.bottom >= metrics.tmHeight)
            continue;
        RECT place = PlaceOf(window);
        ::SetWindowPos(window, nullptr, 0, 0, place.right - place.left,
                       place.bottom - place.top + metrics.tmHeight - client.bottom,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    PreviewChanged();
}

void BaseDlg::UpdateCounter()
{
    EnsureSelection(*ListModel);
    const std::string text = CounterText(*ListModel);
    if (Counter.GetText() == text)
        return;
    Counter.SetText(text);
    AnnounceNameChange(Counter.GetHandle());   // a screen reader reads the new count
}

LRESULT BaseDlg::EvListNotify(TMessage& message)
{
    UpdateCounter();
    return DefaultProcessing(message);
}

TLineBuilder BaseDlg::MakeLineBuilder()
{
    return MakeLineBuilder(*SettingsRecord);
}

TLineBuilder BaseDlg::MakeLineBuilder(const TSettings& settings)
{
    TLineBuilder builder(settings, *ListModel, Header.GetText(FieldTextMax), Queue.GetText(FieldTextMax));
    builder.SpecialExt = SpecialExt;
    builder.AltHeadQueue = AltHeadQueue;
    builder.NameIsLink = MakingWebPage;
    return builder;
}

void BaseDlg::ShowCommandHint(UINT item, UINT, HMENU menu)
{
    if (!StatusBar) {
        DefaultProcessing();
        return;
    }
    HWND frame = ::GetParent(Handle);
    if (::GetActiveWindow() != frame) {
        StatusBar->ShowHint(nullptr);
        return;
    }
    // The same place again: the hint is up already.
    static POINT lastPoint{0, 0};
    POINT point{};
    ::GetCursorPos(&point);
    if (point.x == lastPoint.x && point.y == lastPoint.y)
        return;
    lastPoint = point;
    SetAnchor(point);

    DefaultProcessing();
    std::string text = IsTemplateItem(item) ? TemplateHint(item) : LoadResourceString(GetInstance(), item, HintRoom);
    // An entry too long for the list shows its whole name as the tip.
    if (item == IDC_FILELIST && !menu)
        if (std::string name = CutEntryUnder(point); !name.empty())
            text = SplitHint(text).StatusLine + "\n" + name;
    // A hint from a real menu keeps to the status line.
    StatusBar->ShowHint(menu ? SplitHint(text).StatusLine.c_str() : text.c_str());
}

std::string BaseDlg::CutEntryUnder(POINT screen)
{
    POINT client = screen;
    ::ScreenToClient(List.GetHandle(), &client);
    const LRESULT found = List.SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    const int index = LOWORD(found);
    if (HIWORD(found) != 0 || !List.IsItemCut(index))
        return {};
    return List.GetString(index);
}

LRESULT BaseDlg::EvInitMenuPopup(TMessage& message)
{
    MarkOutputFormat(reinterpret_cast<HMENU>(message.WParam));
    LRESULT result = DefaultProcessing(message);
    // Undo and Redo say whether there is a step to take back or do again.
    const auto menu = reinterpret_cast<HMENU>(message.WParam);
    ::EnableMenuItem(menu, IDM_UNDO, MF_BYCOMMAND | (History->CanUndo() ? MF_ENABLED : MF_GRAYED));
    ::EnableMenuItem(menu, IDM_REDO, MF_BYCOMMAND | (History->CanRedo() ? MF_ENABLED : MF_GRAYED));
    if (StatusBar)
        StatusBar->ShowHint(nullptr);
    return result;
}

void BaseDlg::EvMouseMove(UINT, POINT point)
{
    DefaultProcessing();
    if (!StatusBar)
        return;
    // The Rel Path field is disabled and gets no mouse messages: the dialog speaks for it.
    ::ClientToScreen(Handle, &point);
    RECT field = RelPathField.GetWindowRect();
    if (::PtInRect(&field, point)) {
        SetAnchor(point);
        StatusBar->ShowHint(RelPathHint);
    } else {
        StatusBar->ShowHint(nullptr);
    }
}

void BaseDlg::EvLButtonDown(UINT, POINT)
{
    if (StatusBar) {
        StatusBar->ShowHint(nullptr);
        ::UpdateWindow(StatusBar->GetHandle());
    }
    POINT point{};
    ::GetCursorPos(&point);
    ::SendMessageW(::GetParent(Handle), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

bool BaseDlg::CanClose()
{
    // A folder, a list or an output under way: its own Cancel ends it first.
    if (IsWorkRunning())
        return false;
    if (!AskToSaveList())
        return false;
    ControlsToSettings();
    if (SaveSettings(*SettingsRecord, *Profile, Header.GetText(FieldTextMax), Queue.GetText(FieldTextMax)))
        return true;
    // The user's texts would be gone at the next start: the choice to stay is theirs.
    const std::string question = "The settings could not be saved in " + SettingsRecord->IniFileName +
                                 ".\nThe texts and options of this session will be lost.\n\nClose anyway?";
    return Say(question.c_str(), ProgramTitle, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

void BaseDlg::CmSetMainHead()
{
    EditMainText(SettingsRecord->MainHead, MainHeadCaption);
}

void BaseDlg::CmSetMainQueue()
{
    EditMainText(SettingsRecord->MainQueue, MainQueueCaption);
}

void BaseDlg::EditMainText(std::string& text, const char* caption)
{
    ControlsToSettings();
    MLInputDlg(this, "MLINPUT_DLG", ProgramFont, &text, NameRoom, caption).Execute();
    SettingsToControls();
}

void BaseDlg::CmExit()
{
    HWND frame = ::GetParent(Handle);
    ::PostMessageW(frame ? frame : Handle, WM_CLOSE, 0, 0);
}

int BaseDlg::Say(const char* text, const char* caption, UINT flags)
{
    return ScreenFitBox(Handle, text, caption, flags);
}

bool BaseDlg::CheckNotEmpty()
{
    if (HasEntries(*ListModel))
        return true;
    Say(EmptyListMessage, "Info", MB_OK);
    return false;
}
