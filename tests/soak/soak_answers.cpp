// How the person answers what the program shows: its boxes, its dialogs, its menus, and the
// windows of the programs it launched.
#include "soak/soak_session.h"
#include "support/menu_picker.h"

#include "app/base_dlg.h"

#include "res/resource.h"
#include "soak/soak_windows.h"
#include "text/wide_text.h"

#include <prsht.h>

namespace {

constexpr UINT MenuGetHandle = 0x01E1;   // MN_GETHMENU: the menu a pop-up menu window shows

void PressDialogButton(HWND dialog, int id)
{
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// The boxes of the program: their caption and how their text starts.
struct TKnownBox {
    const char* Caption;
    const char* TextStart;
};
const TKnownBox KnownBoxes[] = {
    {"Tarvik Strandel", "Do you want set Relative path to:"},
    {"Tarvik Strandel", "Can't set a Folder like Output File"},
    {"Tarvik Strandel", "Drag a single file over Auto Drag button"},
    {"Tarvik Strandel", "Are you sure you want to delete:"},
    {"Tarvik Strandel", "Are you sure you want to move to the Recycle Bin:"},
    {"Tarvik Strandel", "The output encoding (ANSI) cannot hold some characters"},
    {"Tarvik Strandel", "DISK DELETE deletes only files"},
    {"Tarvik Strandel", "The file could not be deleted:"},
    {"Tarvik Strandel", "The list of "},
    {"Tarvik Strandel", "The file "},
    {"Tarvik Strandel", "Please restart the program to changes take effect"},
    {"Tarvik Strandel", "The help page could not be opened"},
    {"Tarvik Strandel", "The template "},
    {"Tarvik Strandel", "The font could not be saved"},
    {"Tarvik Strandel", "The image extensions could not be saved"},
    {"Tarvik Strandel", "The settings could not be saved"},
    {"Warning", "Do you want set Output file to:"},
    {"Info", "Please Drag and Drop some files before using this command"},
    {"Invalid output file name", ""},
    {"Invalid file name", ""},
    {"Tarvik Strandel", "The list names no file twice"},
    {"Tarvik Strandel", "No name in "},
    {"Tarvik Strandel", "The folder cannot be found"},
    {"Tarvik Strandel", "Add folder contents needs a folder"},
    {"Add folder contents", ""},
};

// Boxes whose text starts with a number: what they say after it.
const TKnownBox CountingBoxes[] = {
    {"Tarvik Strandel", " duplicate entr"},
    {"Tarvik Strandel", " subfolder"},
};

// The program's file dialogs, by title.
const char* const FileDialogTitles[] = {"Open List", "Save List", "File", "Save Head & Queue"};

bool IsFileDialog(HWND dialog)
{
    const std::string caption = TextOf(dialog);
    for (const char* title : FileDialogTitles)
        if (caption == title)
            return ::GetDlgItem(dialog, 1148) || ::GetDlgItem(dialog, 1152);
    return false;
}

bool IsFontDialog(HWND dialog)
{
    return TextOf(dialog) == "Font" && ::GetDlgItem(dialog, 1136);
}

} // namespace

void TSoakSession::CloseForeign(HWND window, DWORD)
{
    TAnswered& answered = Answered[window];
    if (answered.Times && TClock::now() - answered.When < AnswerAgainAfter)
        return;
    const std::string caption = TextOf(window);
    if (caption == "Program Error" || TextOf(::GetDlgItem(window, 0xFFFF)).find("serious problem") != std::string::npos)
        return Fail("a program crashed: " + Describe(window));
    // A program the program launched (Notepad on the output, say): the person closes it.
    if (!answered.Times) {
        ++ForeignWindowsClosed;
        Note("closed \"" + caption + "\" (" + ClassOf(window) + ") of a program launched");
    }
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    answered = {TClock::now(), answered.Times + 1};
    LastProgress = TClock::now();
}

void TSoakSession::AnswerMenu(HWND menuWindow)
{
    TAnswered& answered = Answered[menuWindow];
    if (answered.Times && TClock::now() - answered.When < AnswerAgainAfter)
        return;
    answered = {TClock::now(), answered.Times + 1};
    LastProgress = TClock::now();
    const HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MenuGetHandle, 0, 0));
    struct TItem {
        int Position;
        std::string Text;
    };
    std::vector<TItem> items;
    const int count = menu ? ::GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        if (std::string text = MenuItemAsRead(menu, i); !text.empty())
            items.push_back({i, text});
    }
    // A menu that stays after a click, or that nobody wants anything of, is closed with Escape.
    const TItem* chosen = nullptr;
    if (answered.Times == 1 && !items.empty() && (!Ending || !WantedItems.empty())) {
        std::vector<const TItem*> choices;
        if (!WantedItems.empty()) {
            for (const TItem& item : items)
                if (WantedItems.front()(item.Text))
                    choices.push_back(&item);
            WantedItems.erase(WantedItems.begin());
        } else if (!Chance(0.08)) {
            for (const TItem& item : items)
                if (item.Text != "Exit")
                    choices.push_back(&item);
        }
        if (!choices.empty())
            chosen = Pick(choices);
    }
    if (!chosen) {
        WantedItems.clear();
        Note("menu closed (" + std::to_string(items.size()) + " items, times " + std::to_string(answered.Times) + ", menu " + std::to_string((UINT_PTR)menu) + ")");
        ::PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 1);
        ::PostMessageW(menuWindow, WM_KEYUP, VK_ESCAPE, 0xC0000001);
        return;
    }
    Note("menu item \"" + chosen->Text + "\"");
    RECT r{};
    ::GetMenuItemRect(nullptr, menu, static_cast<UINT>(chosen->Position), &r);
    Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void TSoakSession::AnswerDialog(HWND dialog)
{
    TAnswered& answered = Answered[dialog];
    if (answered.Times && TClock::now() - answered.When < AnswerAgainAfter)
        return;
    const int times = answered.Times;
    answered = {TClock::now(), times + 1};
    LastProgress = TClock::now();
    const std::string caption = TextOf(dialog);
    HWND boxText = ::GetDlgItem(dialog, 0xFFFF);
    if (caption == "Tarvik Strandel" && ::GetDlgItem(dialog, IDC_ABOUT_WEB)) {
        Note("about: OK");
        PressDialogButton(dialog, IDOK);
    } else if (caption == "Add folder contents" && ::GetDlgItem(dialog, IDC_ADDFOLDER_PATTERN)) {
        // The soak's own output folder, read alone: a few names, never a tree of the system's.
        if (times == 0 && !Ending && Chance(0.6)) {
            ::SetDlgItemTextW(dialog, IDC_ADDFOLDER_FOLDER, Wide(World.OutputFolder()).c_str());
            ::CheckDlgButton(dialog, IDC_ADDFOLDER_SUBFOLDERS, BST_UNCHECKED);
            Note("add folder: OK");
            PressDialogButton(dialog, IDOK);
        } else {
            Note("add folder: Cancel");
            PressDialogButton(dialog, IDCANCEL);
        }
    } else if (caption == "Strandel" && ::GetDlgItem(dialog, IDC_PROGRESS_BAR)) {
        // A long piece of work: now and then stopped, else left to end.
        if (Ending || Chance(0.3)) {
            Note("progress: Cancel");
            PressDialogButton(dialog, IDCANCEL);
        }
    } else if (boxText && ClassOf(boxText) == "Static") {
        AnswerMessageBox(dialog, caption, TextOf(boxText));
    } else if (::GetDlgItem(dialog, IDC_MLINPUT_TEXT)) {   // titled Main head or Main queue
        if (times == 0 && !Ending && Chance(0.6)) {
            const std::string text = TSoakWorld::RandomText(Random, Chance(0.1) ? 2100 : 200);
            ::SetDlgItemTextW(dialog, IDC_MLINPUT_TEXT, Wide(text).c_str());
            Note("input: " + std::to_string(text.size()) + " bytes, OK");
            PressDialogButton(dialog, IDOK);
        } else {
            Note("input: Cancel");
            PressDialogButton(dialog, IDCANCEL);
        }
    } else if (caption == "Options") {
        AnswerOptions(dialog);
    } else if (IsFontDialog(dialog)) {
        const bool ok = times == 0 && !Ending && Chance(0.5);
        Note(ok ? "font: OK" : "font: Cancel");
        PressDialogButton(dialog, ok ? IDOK : IDCANCEL);
    } else if (IsFileDialog(dialog)) {
        AnswerFileDialog(dialog, caption, times);
    } else if (Ending) {
        PressDialogButton(dialog, IDCANCEL);
    } else {
        Fail("a dialog that is none of the program's: " + Describe(dialog));
    }
}

void TSoakSession::AnswerMessageBox(HWND box, const std::string& caption, const std::string& text)
{
    // A question of a system dialog the program opened (a file dialog's "replace it?") is its own.
    HWND owner = ::GetWindow(box, GW_OWNER);
    bool known = owner && (IsFileDialog(owner) || IsFontDialog(owner));
    for (const TKnownBox& kind : KnownBoxes)
        known = known || (caption == kind.Caption && StartsWith(text, kind.TextStart));
    // A file another program holds is named first.
    known = known || text.find("\nis open in another program") != std::string::npos;
    const std::size_t afterCount = text.find_first_not_of("0123456789");
    for (const TKnownBox& kind : CountingBoxes)
        known = known || (caption == kind.Caption && afterCount > 0 && afterCount != std::string::npos &&
                          StartsWith(text.substr(afterCount), kind.TextStart));
    if (!known && !Ending)
        return Fail("a message box that is none of the program's: caption \"" + caption + "\", text \"" + text + "\"");

    std::vector<int> buttons;
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO})
        if (::GetDlgItem(box, id))
            buttons.push_back(id);
    if (buttons.empty())
        buttons.push_back(IDCANCEL);
    int button = Pick(buttons);
    // The program's data stays safe: only the soak's own files are deleted or written.
    const std::string outputQuestion = "Do you want set Output file to:\n\n";
    for (const std::string deleteQuestion : {"Are you sure you want to delete:\n",
                                             "Are you sure you want to move to the Recycle Bin:\n"})
        if (StartsWith(text, deleteQuestion) && !World.IsMadeForDeletion(text.substr(deleteQuestion.size())))
            button = IDNO;
    if (StartsWith(text, outputQuestion) &&
        !World.IsOutputFile(text.substr(outputQuestion.size(), text.find("\n\nWarning") - outputQuestion.size())))
        button = IDNO;
    // Closing at the end: a changed list is left unsaved (Yes would open Save List, which the
    // end cancels, and the window would stay).
    if (Ending)
        button = StartsWith(text, "The list of ") ? IDNO : ::GetDlgItem(box, IDYES) ? IDYES : buttons.front();
    static const std::map<int, const char*> names{{IDOK, "OK"}, {IDCANCEL, "Cancel"}, {IDYES, "Yes"}, {IDNO, "No"}};
    Note("box \"" + caption + "\": \"" + FirstLine(text) + "\" " + names.at(button));
    PressDialogButton(box, button);
}

void TSoakSession::AnswerFileDialog(HWND dialog, const std::string& caption, int times)
{
    if (times > 0 || Ending || Chance(0.25)) {
        Note("file dialog \"" + caption + "\": Cancel");
        PressDialogButton(dialog, IDCANCEL);
        return;
    }
    const std::string& name = caption == "File"                ? Pick(World.OutputFiles())
                              : caption == "Save Head & Queue" ? Pick(World.TemplateFiles())
                                                               : Pick(World.ListFiles());
    Note("file dialog \"" + caption + "\": " + name);
    ::SetDlgItemTextW(dialog, ::GetDlgItem(dialog, 1148) ? 1148 : 1152, Wide(name).c_str());
    PressDialogButton(dialog, IDOK);
}

void TSoakSession::AnswerOptions(HWND sheet)
{
    if (Answered[sheet].Times > 1 || Ending) {
        Note("options: Cancel");
        ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        return;
    }
    const int pageIndex = Uniform(0, 1);   // "Send To", "Various"
    ::SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(pageIndex), 0);
    HWND page = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (pageIndex == 0) {
        HWND radio = ::GetDlgItem(page, Chance(0.5) ? IDC_SENDTO_NAME : IDC_SENDTO_LINE);
        ::SendMessageW(radio, BM_CLICK, 0, 0);
        Note("options: Send To \"" + TextOf(radio) + "\"");
    } else {
        if (Chance(0.3))
            ::SendMessageW(::GetDlgItem(page, IDC_USETIP), BM_CLICK, 0, 0);
        static const std::vector<std::string> extensions{".gif;.jpg;.png", ".JPG;.jpeg;.webp;.bmp", "", ".фото;.图片"};
        const std::string& typed = Pick(extensions);
        ::SetDlgItemTextW(page, IDC_IMAGEEXT, Wide(typed).c_str());
        Note("options: tips " + std::string(::IsDlgButtonChecked(page, IDC_USETIP) ? "on" : "off") + ", images \"" +
             typed + "\"");
    }
    const bool ok = Chance(0.7);
    Note(ok ? "options: OK" : "options: Cancel");
    ::PostMessageW(sheet, PSM_PRESSBUTTON, ok ? PSBTN_OK : PSBTN_CANCEL, 0);
}
