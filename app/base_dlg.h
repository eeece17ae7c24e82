#pragma once
// The main dialog: the client of the main window. It holds the file list and every field
// and button, owns the settings, and carries out the commands.
// Its commands live in one file per kind: base_dlg.cpp (settings and controls, hints, Main
// head and queue, Exit), list_commands.cpp (the list), output_commands.cpp (Create, View,
// Execute, copies), drop_targets.cpp (drops, Auto Drag), send_to.cpp (names from other copies),
// template_commands.cpp (templates), web_pages.cpp (Html images and link),
// output_format_commands.cpp (the Create menu's Output format),
// help_commands.cpp (help, web page, About), options_sheet.cpp (Options), preview_commands.cpp
// (the Preview window and what keeps it up to date), keyboard_commands.cpp (the tab order,
// the keyboard's pop-up menus).
#include "controls/auto_button.h"
#include "controls/qz_check_box.h"
#include "controls/qz_edit_cursor.h"
#include "controls/qz_list_box.h"
#include "controls/white_center_dlg.h"
#include "framework/ole_drop_target.h"
#include "gen/line_builder.h"
#include "gen/list_order.h"
#include "settings/settings.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

class TTipStatusBar;
class TProfile;
class TListBoxFileList;
class TListEditor;
class TListHistory;
class TTemplatesMenu;
struct TFolderScan;

// What choosing a template replaces: the texts, the settings and the window's caption.
struct TDialogTexts {
    TSettings Settings;
    std::string Header;
    std::string Queue;
    std::string Caption;
};
class TPreviewWindow;

class BaseDlg : public TWhiteCenterDlg, public TDropSite {
public:
    // What names dropped at a point of the screen do: the drop's target.
    enum class TDropKind { AutoDragMenu, AutoDragSeveral, RelPath, OutFile, List };
    TDropKind DropKindAt(POINT screen, const std::vector<std::string>& names) const;
    // ... and what a drag over that point says it will do.
    TDropChoice DropChoiceAt(POINT screen, const std::vector<std::string>& names);

    BaseDlg(TWindow* parent, const char* resourceName, HFONT font, TTipStatusBar* statusBar);
    ~BaseDlg() override;

    // Takes the file names handed over by another copy (or named on this copy's command
    // line): 1 when names were taken, -1 when the record carries none.
    LRESULT ReceiveFile(const COPYDATASTRUCT* record, WPARAM wParam = 0);
    // The names this copy was started with (StartNames), taken as if another copy had sent them.
    void ReceiveStartNames();

    void ControlsToSettings();
    void SettingsToControls();
    void UpdateCounter();

    // What files sent with Send To do: their long names go to the clipboard, alone or in
    // their lines, one a line, after a short notice.
    void SendToDelivery(const std::vector<std::string>& paths);
    // The name in the current path mode, or the whole line, on the clipboard; both empty PendingFile.
    void CopyName(const std::string& name);
    void CopyLine(const std::string& name);

    // The file or folder in PendingFile becomes the relative-path folder, or the output file,
    // once the user agrees; PendingFile is emptied either way.
    void SetRelPathFromPending();
    void SetOutputFromPending();

    // Appends the entries of a list file, as Open list does once a file is chosen; says so
    // when the file cannot be read.
    void AppendListFile(const std::string& fileName);

    // Applies a template file: its texts and options, the window's caption; one step to undo.
    void LoadTemplate(const std::string& fileName);

    bool CanClose() override;

    // The hint of a control (announced as a menu selection), a menu item or a Templates
    // item: to the status line, its short part to the tip. The dialog's WM_MENUSELECT.
    void ShowCommandHint(UINT item, UINT flags, HMENU menu);

    TSettings& Settings() { return *SettingsRecord; }
    TQZListBox& FileListBox() { return List; }
    TFileList& FileList();
    // The list's commands that can be taken back, and their history.
    TListEditor& ListEditor() { return *Editor; }
    TListHistory& ListHistory() { return *History; }

    // The texts and settings a template replaces, as they stand, and put back.
    TDialogTexts CaptureTexts();
    void RestoreTexts(const TDialogTexts& texts);

    // Adds a folder's contents after the selection, as the user chose in the Add folder
    // dialog (asked first); false when the dialog was cancelled.
    bool AddFolderContents(const std::string& folder);
    // Adds what the scan finds after the selection, showing its progress once it takes a
    // while; a Cancel leaves the list as it was. False when nothing was added.
    bool AddScannedFolder(const TFolderScan& scan);

    // Text building: the Header and Queue fields as they stand now, with the settings given
    // (they must outlive the builder) or the record's.
    TLineBuilder MakeLineBuilder();
    TLineBuilder MakeLineBuilder(const TSettings& settings);

    // The whole output on the clipboard as Create and copy puts it there, nothing written.
    void CopyAllOutput();
    // The Preview window once it has been opened; null before.
    TPreviewWindow* PreviewWindow() const { return Preview.get(); }

protected:
    void SetupWindow() override;
    void EvWindowPosChanged(const WINDOWPOS& position) override;
    // A press on a free spot drags the whole main window.
    void EvLButtonDown(UINT keys, POINT point) override;
    void EvMouseMove(UINT keys, POINT point);
    LRESULT EvInitMenuPopup(TMessage& message);

    // Files dropped anywhere on the dialog: where they land decides what they do.
    LRESULT EvDropFiles(TMessage& message);
    void PerformDrop(TDropKind kind, const std::vector<std::string>& names, POINT screen);
    // The same targets for an OLE drag (Explorer's): the choice shown while dragging, the drop
    // carried out once the source's drag loop has ended.
    TDropChoice DragAt(POINT screen, const std::vector<std::string>& names) override;
    void DragEnded() override;
    void DropAt(POINT screen, std::vector<std::string> names) override;
    LRESULT EvPerformDrop(TMessage& message);
    void CleanupWindow() override;

    // Commands reach here through the dialog's table.
    void CmMoveUp();
    void CmMoveDown();
    void CmDelete();
    void CmClearList();
    void CmOpenList();
    void CmSaveList();
    void CmDiskDelete();
    void CmSortByName();
    void CmSortByPath();
    void CmSortByExtension();
    void CmSortBySize();
    void CmSortByModified();
    void CmReverse();
    void CmRemoveDuplicates();
    void CmUndo();
    void CmRedo();
    void CmAddFolder();
    void CmAutoDragAddFolder();
    void CmSetMainHead();
    void CmSetMainQueue();
    void CmAutoDragHelp();
    void CmAutoDragCopy();
    void CmAutoDragCopyLine();
    void CmHelpIndex();
    void CmWebPage();
    void CmAbout();
    void SaveTemplate();
    void OpenTemplate();
    LRESULT CmTemplateItem(TMessage& message);
    void HtmlImages();
    void HtmlLink();
    void CmOptions();
    void CmMoreVariables();
    LRESULT CmOutputFormatItem(TMessage& message);
    // The Output format items checked as the record has them.
    void MarkOutputFormat(HMENU menu) const;
    void CmPreview();
    // Whatever the output is made of changed: an open preview follows.
    void PreviewChanged();
    void CmCreate();
    void CmCreateAndCopy();
    void CmView();
    void CmExecute();
    void CmSetOutputFile();
    void CmCopySelectedItem();
    void CmCreateAndCopySelectedItem();
    void CmExit();
    // Shift+F10 or the context-menu key: the focused control's pop-up menu.
    void CmContextMenu();
    // Tab walks the controls in the order a person works in (keyboard_commands.cpp).
    void ArrangeTabOrder();
    LRESULT EvCopyData(HWND sender, const COPYDATASTRUCT* record);
    LRESULT EvDeliverSentName(TMessage& message);
    LRESULT EvListNotify(TMessage& message);

    // Applies a template file; false (after saying why) when nothing was changed.
    bool ApplyTemplate(const std::string& fileName);
    // Sorts the list in the order, as one step to undo.
    void SortList(TListOrder order);
    // The focused window when it is an edit field, which keeps its own Ctrl+Z.
    HWND FocusedEditField() const;

    // Save list: true when the list was written to the file the user chose.
    bool SaveList();
    // Before closing: a changed list may be saved first (Yes), left (No), or the closing
    // called off (Cancel, or a save that did not happen); true to go on closing.
    bool AskToSaveList();

    // Writes the output file in the chosen format; Failed (after saying so) when the list is
    // empty or the file could not be written, Declined when the user chose not to write a file
    // that would lose characters.
    enum class ECreated { Written, Failed, Declined };
    ECreated CreateOutput();
    // The record as a name copied alone is made: no escaping.
    TSettings BareNameSettings() const;
    // Built lines (LF breaks) with the line ends the output file has, and that line end.
    std::string AsWritten(const std::string& lines) const;
    const char* LineEnd() const;
    // The check every command that needs files makes; says so when the list is empty.
    bool CheckNotEmpty();
    int Say(const char* text, const char* caption, UINT flags);
    // Main head or Main queue edited in the input dialog.
    void EditMainText(std::string& text, const char* caption);
    // The window the foreground goes to when a drop asks something: the main window.
    void ComeForward();
    // The Templates menu, made from the program's folder, after File in the menu bar.
    void BuildTemplatesMenu();
    // The whole name of the entry under the point when the list shows it cut; empty otherwise.
    std::string CutEntryUnder(POINT screen);
    // The help text of a Templates item.
    std::string TemplateHint(UINT id) const;
    // Html images (true) or Html link: the page made and opened, the user's settings given back.
    void MakeWebPage(bool images);

    // While a web page is made: the image extensions, and the pair for the other files.
    std::string SpecialExt;
    THeadQueue AltHeadQueue;
    bool MakingWebPage = false;
    std::unique_ptr<TTemplatesMenu> Templates;
    // Names other copies handed over, waiting to be copied in the order they came.
    std::deque<std::vector<std::string>> SentNames;
    HFONT ProgramFont;   // the frame's; the input dialog shows it too
    std::unique_ptr<TSettings> SettingsRecord;
    std::unique_ptr<TProfile> Profile;
    TTipStatusBar* StatusBar;

    TQZListBox List;
    TQZEditCursor Header;
    TQZEditCursor Queue;
    TQZEditCursor RelPathField;
    TQZEditCursor OutFileField;
    TQZEditCursor MainHeadField;
    TQZEditCursor MainQueueField;
    TQZEditCursor Counter;
    TQZRadioButton FullPath;
    TQZRadioButton RelativePath;
    TQZRadioButton NoPathRadio;
    TQZRadioButton NonePath;
    TQZCheckBox InvertSlash;
    TQZCheckBox SaveLocal;
    TAutoButton CreateButton;
    TAutoButton MoveUpButton;
    TAutoButton MoveDownButton;
    TAutoButton DeleteButton;
    TAutoButton OutFileButton;
    TAutoButton MainHeadButton;
    TAutoButton MainQueueButton;
    TAutoButton AutoDragButton;

    std::unique_ptr<TListBoxFileList> ListModel;
    std::unique_ptr<TListHistory> History;
    std::unique_ptr<TListEditor> Editor;
    // OLE drops: the thread's OLE (when this dialog started it) and the window's registration.
    bool OleStarted = false;
    std::unique_ptr<TOleDropRegistration> OleDrops;
    struct TDroppedNames {
        TDropKind Kind;
        POINT Screen;
        std::vector<std::string> Names;
    };
    std::deque<TDroppedNames> DroppedNames;
    // The entries as last saved to or opened from a list file: closing asks about a list
    // that differs.
    std::vector<std::string> KeptEntries;
    std::unique_ptr<TPreviewWindow> Preview;

    DECLARE_MESSAGE_TABLE()
};

// Posted to the dialog for each hand-off of another copy.
constexpr UINT WM_DELIVERSENTNAME = WM_APP + 1;
// Posted to the dialog for each OLE drop, carried out once the drag has ended.
constexpr UINT WM_PERFORMDROP = WM_APP + 0x330;

// What Create says when the output file could not be written: the system's words for the error
// (0: none known), the file, and what to do.
std::string CreateFailedMessage(const std::string& fileName, DWORD error);

struct TUnwritable;
// Create's question when the output encoding cannot hold some names or texts: which names (the
// first few and a count), and whether to write anyway.
std::string UnwritableQuestion(const TUnwritable& unwritable);

// What the empty Header and Queue fields say they are for.
inline constexpr const char* HeaderPlaceholder = "Header: text before each name";
inline constexpr const char* QueuePlaceholder = "Queue: text after each name";

// The input dialog's title for each of the two texts it edits.
inline constexpr const char* MainHeadCaption = "Main head: text at the beginning of the output file";
inline constexpr const char* MainQueueCaption = "Main queue: text at the end of the output file";

// What the progress window says while a folder is read.
std::string FolderScanStatusText(const std::string& folder, std::size_t found);

// What Remove duplicate entries says: how many went.
std::string DuplicatesRemovedText(int removed);

// The message when a command needs files and the list has none.
inline constexpr const char* EmptyListMessage = "Please Drag and Drop some files before using this command";
