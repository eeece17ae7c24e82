// Names in any script, from every way in to every way out: the list, Send To, list files, the
// output file, the clipboard's Unicode text and the web pages; files of older copies, written
// in the system's legacy code page, read as it.
#include "app/my_app.h"
#include "app/program_names.h"
#include "app/settings_location.h"
#include "gen/list_file.h"
#include "main_dialog_fixture.h"
#include "support/input.h"

#include <prsht.h>

#include <functional>
#include <thread>

namespace {

using Names = std::vector<std::string>;

const std::vector<std::string> ScriptNames = {
    "C:\\报告\\季度 报告.txt",
    "C:\\Ωμέγα\\Αλφάβητο.doc",
    "C:\\Фото\\😀 улыбка.jpg",
    "C:\\Mixed\\报告 Ωμέγα 😀.txt",
};

TEST_F(MainDialog, NamesInAnyScriptKeepEveryCharacter)
{
    StartWith("[Strandel]\r\nCheckIndex=2\r\nHeader=<[>\r\nQueue=<]#QZ_BR#>\r\n");
    // Whatever code page the system's ANSI functions speak: the program never goes through them.
    ASSERT_EQ(::GetACP(), STRANDEL_UTF8_MANIFEST ? static_cast<UINT>(CP_UTF8) : 1252u);
    for (const std::string& name : ScriptNames) {
        SCOPED_TRACE(name);
        const std::string bare = name.substr(name.rfind('\\') + 1);
        Dialog->FileList().Clear();
        DropOn(IDC_FILELIST, {name});
        EXPECT_EQ(Entries(), Names{name});

        Command(IDM_COPYITEM);
        EXPECT_EQ(ClipboardText(), bare);

        COPYDATASTRUCT record{0, static_cast<DWORD>(name.size() + 1), const_cast<char*>(name.c_str())};
        Frame->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
        EXPECT_EQ(ClipboardText(), bare);

        // (Names are put together as bytes: the standard library's paths read them otherwise.)
        const std::string output = Dir.Folder().string() + "\\out 报告.txt";
        SetOutput(output);
        Command(IDM_CREATEANDCOPY);
        EXPECT_EQ(ReadBytes(output), "[" + bare + "]\r\n");
        EXPECT_EQ(ClipboardText(), "[" + bare + "]\r\n");

        WriteBytes(Dir.File("names.lst"), name + "\r\n");
        Dialog->FileList().Clear();
        Dialog->AppendListFile(Dir.File("names.lst"));
        EXPECT_EQ(Entries(), Names{name});
    }

    // The pages name every file as it is.
    const std::string kept = ProgramFolder;
    ProgramFolder = Dir.Folder().string() + "\\";
    Dialog->FileList().Clear();
    for (const std::string& name : ScriptNames)
        AppendEntry(Dialog->FileList(), name);
    Command(IDM_HTMLLINK);
    const std::string page = ReadBytes(Dir.File("dragtmp.htm"));
    ProgramFolder = kept;
    for (const std::string& name : ScriptNames)
        EXPECT_NE(page.find(" Click here to open: " + name.substr(name.rfind('\\') + 1) + " "), std::string::npos);
}

TEST_F(MainDialog, FilesOfOlderCopiesAreReadInTheLegacyCodePage)
{
    ASSERT_EQ(LegacyCodePage(), 1252);
    // "Café déjà vu" and a name with "ü" as an older copy wrote them, in code page 1252.
    StartWith("[Strandel]\r\nHeader=<Caf\xE9 d\xE9j\xE0 vu>\r\nFileOutput=C:\\M\xFCller\\out.txt\r\n");
    EXPECT_EQ(ControlText(IDC_HEADER), "Café déjà vu");
    EXPECT_EQ(ControlText(IDC_OUTFILE), "C:\\Müller\\out.txt");

    WriteBytes(Dir.File("old.hqd"), "[Strandel]\r\nQueue=<\xAB\xBB \xA9 2001>\r\nMainHead=<na\xEFve>\r\n");
    Dialog->LoadTemplate(Dir.File("old.hqd"));
    EXPECT_EQ(ControlText(IDC_QUEUE), "«» © 2001");
    EXPECT_EQ(Dialog->Settings().MainHead, "naïve");

    // A list of old and new lines together: each read as what it is.
    WriteBytes(Dir.File("old.lst"), "C:\\Musik\\D\xE9j\xE0 vu.mp3\r\nC:\\报告.txt");
    Dialog->AppendListFile(Dir.File("old.lst"));
    EXPECT_EQ(Entries(), (Names{"C:\\Musik\\Déjà vu.mp3", "C:\\报告.txt"}));

    // Saved again, it is UTF-8.
    Frame->SendMessage(WM_CLOSE);
    const std::string ini = ReadBytes(WindowsFolderIni());
    EXPECT_NE(ini.find("FileOutput=C:\\Müller\\out.txt\r\n"), std::string::npos) << ini.substr(0, 300);
    EXPECT_NE(ini.find("Queue=<«» © 2001>\r\n"), std::string::npos) << ini.substr(0, 300);
}

// ---- Texts typed and pasted into every field, through the program's own message loop ----

// Where a field is: on the main dialog, in the input dialog of Main head or Main queue, or on
// the second page of the options sheet.
enum class TPlace { MainDialog, InputDialog, OptionsSheet };

struct TTypedField {
    const char* Name;
    TPlace Place;
    int Command;           // the command that opens the field's dialog
    int Id;
    std::string Text;      // Greek, Cyrillic, CJK and an emoji (a surrogate pair) in each
    std::string Stored;    // the settings file's line that keeps it
};

const std::vector<TTypedField> TypedFields = {
    {"Header", TPlace::MainDialog, 0, IDC_HEADER, "<li>Ωμέγα Фото 报告 😀", "Header=<<li>Ωμέγα Фото 报告 😀>"},
    {"Queue", TPlace::MainDialog, 0, IDC_QUEUE, "</li> αβγ жук 季度 🎉", "Queue=<</li> αβγ жук 季度 🎉>"},
    {"Main head", TPlace::InputDialog, IDM_SETMAINHEAD, IDC_MLINPUT_TEXT, "<ul>Ελλάδα Москва 東京 👍",
     "MainHead=<<ul>Ελλάδα Москва 東京 👍>"},
    {"Main queue", TPlace::InputDialog, IDM_SETMAINQUEUE, IDC_MLINPUT_TEXT, "</ul>λόγος мир 中文 🚀",
     "MainQueue=<</ul>λόγος мир 中文 🚀>"},
    {"Image extensions", TPlace::OptionsSheet, IDM_OPTIONS, IDC_IMAGEEXT, "jpg;φωτο;фото;图片;🖼",
     "ImageExt=jpg;φωτο;фото;图片;🖼"},
};

enum class TEntry { Typed, Pasted };

bool WaitFor(const std::function<bool()>& condition, int deadlineMs = 15000)
{
    for (int waited = 0; !condition(); waited += 20) {
        if (waited >= deadlineMs)
            return false;
        ::Sleep(20);
    }
    return true;
}

HWND FocusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

// A person at the keyboard, on a thread of their own while the program runs its own loop: clicks
// into each field, types its text (or pastes it), reads back what the field shows and closes the
// field's dialog with OK; at the end closes the program. What each field showed, in order.
std::vector<std::string> EnterEveryField(TEntry how)
{
    std::vector<std::string> shown;
    const DWORD process = ::GetCurrentProcessId();
    HWND main = nullptr;
    HWND dialog = nullptr;
    // The frame shows before its dialog is made: the person waits for the fields.
    if (!WaitFor([&] {
            main = FindShownWindow(process, MainWindowClass);
            dialog = main ? ::FindWindowExW(main, nullptr, L"#32770", nullptr) : nullptr;
            return dialog && ::IsWindowVisible(::GetDlgItem(dialog, IDC_HEADER));
        }))
        return shown;
    for (const TTypedField& field : TypedFields) {
        HWND box = dialog;
        if (field.Place != TPlace::MainDialog) {
            ::PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(field.Command), 0);
            const char* caption = field.Place == TPlace::OptionsSheet       ? "Options"
                                  : field.Command == IDM_SETMAINHEAD ? MainHeadCaption
                                                                     : MainQueueCaption;
            if (!WaitFor([&] { return (box = FindShownWindow(process, "#32770", caption)) != nullptr; }))
                break;
        }
        HWND page = box;
        if (field.Place == TPlace::OptionsSheet) {
            ::SendMessageW(box, PSM_SETCURSEL, 1, 0);
            page = reinterpret_cast<HWND>(::SendMessageW(box, PSM_GETCURRENTPAGEHWND, 0, 0));
        }
        HWND edit = ::GetDlgItem(page, field.Id);
        // The window comes forward first, as a person's click would bring it; then the click.
        HWND window = box == dialog ? main : box;
        ::SetForegroundWindow(window);
        WaitFor([&] { return ::GetForegroundWindow() == window; });
        ::Sleep(200);
        ClickAt(Centre(edit));
        if (WaitFor([&] { return FocusOf(edit) == edit; })) {
            ::SendMessageW(edit, EM_SETSEL, 0, -1);
            if (how == TEntry::Typed) {
                SendText(field.Text);
            } else {
                SetClipboardText(field.Text);
                SendChord({VK_CONTROL, 'V'});
            }
            WaitFor([&] { return TextOf(edit) == field.Text; }, 5000);
        }
        shown.push_back(TextOf(edit));
        if (box != dialog) {
            ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, IDOK)));
            WaitFor([&] { return !::IsWindow(box); });
        }
    }
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    return shown;
}

class TypedAndPasted : public ::testing::TestWithParam<TEntry> {
protected:
    void TearDown() override { ::DeleteFileW(Wide(WindowsFolderIni()).c_str()); }
};

TEST_P(TypedAndPasted, TextsInAnyScriptReachEveryFieldAndTheSettingsWhole)
{
    WriteBytes(WindowsFolderIni(), "[Strandel]\r\nUseTip=0\r\n");
    std::vector<std::string> shown;
    {
        std::thread person([&] { shown = EnterEveryField(GetParam()); });
        TMyApp application(SW_SHOWNORMAL);
        application.Run();
        person.join();
    }
    // What each field showed (read as the system holds it, UTF-16), then what the program read
    // of it: the settings saved on close, the image extensions when the options sheet closed.
    std::vector<std::string> texts;
    for (const TTypedField& field : TypedFields)
        texts.push_back(field.Text);
    EXPECT_EQ(shown, texts);
    const std::string ini = ReadBytes(WindowsFolderIni());
    for (const TTypedField& field : TypedFields)
        EXPECT_NE(ini.find(field.Stored + "\r\n"), std::string::npos) << field.Name << " in\n" << ini;
}

INSTANTIATE_TEST_SUITE_P(Keyboard, TypedAndPasted, ::testing::Values(TEntry::Typed, TEntry::Pasted),
                         [](const ::testing::TestParamInfo<TEntry>& info) {
                             return info.param == TEntry::Typed ? "Typed" : "Pasted";
                         });


// ---- Fields filled to their limits: what a field shows is what is kept ----

// A text of so many UTF-16 units in one script; an odd count of emoji units starts with an "a".
std::string Filled(const std::string& character, std::size_t units)
{
    const bool pairs = character == "😀";
    std::string text = pairs && units % 2 ? "a" : "";
    for (std::size_t i = 0; i < (pairs ? units / 2 : units); ++i)
        text += character;
    return text;
}

// Pastes the text over the whole of a field, as Ctrl+V over a selection does.
void PasteInto(HWND field, const std::string& text)
{
    SetClipboardText(text);
    ::SendMessageW(field, EM_SETSEL, 0, -1);
    ::SendMessageW(field, WM_PASTE, 0, 0);
}

// The fields and how much of each is kept: the Header, Main head, the image extensions.
struct TLimitedField {
    const char* Name;
    std::size_t Limit;
};

const TLimitedField LimitedFields[] = {
    {"Header", FieldTextMax},
    {"Main head", MainTextMax},
    {"Image extensions", ImageExtRoom - 1},
};

TEST_F(MainDialog, FieldsFilledToTheirLimitsKeepWhatTheyShowThroughSaveAndRestart)
{
    for (const std::string script : {"Ω", "报", "😀"}) {
        for (const std::size_t past : {0, 1}) {
            SCOPED_TRACE(script + (past ? " one past the limits" : " at the limits"));
            Frame.reset();
            StartWith("[Strandel]\r\nUseTip=0\r\n");
            // Every field pasted over: the Header, then Main head and the image extensions in their dialogs.
            std::vector<std::string> shown(std::size(LimitedFields)), kept;
            // One more Greek or CJK character is refused; an emoji that would be cut in two too.
            for (const TLimitedField& field : LimitedFields)
                kept.push_back(Filled(script, past && script == "😀" ? field.Limit - 1 : field.Limit));
            PasteInto(Control(IDC_HEADER), Filled(script, LimitedFields[0].Limit + past));
            shown[0] = ControlText(IDC_HEADER);
            {
                TBoxAnswerer person(IDOK, MainHeadCaption, 15000, [&](HWND box) {
                    PasteInto(::GetDlgItem(box, IDC_MLINPUT_TEXT), Filled(script, LimitedFields[1].Limit + past));
                    shown[1] = TextOf(::GetDlgItem(box, IDC_MLINPUT_TEXT));
                });
                Command(IDM_SETMAINHEAD);
                ASSERT_TRUE(person.Answered());
            }
            {
                TBoxAnswerer person(IDOK, "Options", 15000, [&](HWND sheet) {
                    ::SendMessageW(sheet, PSM_SETCURSEL, 1, 0);
                    HWND page = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
                    PasteInto(::GetDlgItem(page, IDC_IMAGEEXT), Filled(script, LimitedFields[2].Limit + past));
                    shown[2] = TextOf(::GetDlgItem(page, IDC_IMAGEEXT));
                });
                Command(IDM_OPTIONS);
                ASSERT_TRUE(person.Answered());
            }
            EXPECT_EQ(shown, kept);

            // The settings file holds what the fields showed; the next start shows it again.
            Frame->SendMessage(WM_CLOSE);
            const std::string ini = ReadBytes(WindowsFolderIni());
            EXPECT_NE(ini.find("Header=<" + kept[0] + ">\r\n"), std::string::npos);
            EXPECT_NE(ini.find("MainHead=<" + kept[1] + ">\r\n"), std::string::npos);
            EXPECT_NE(ini.find("ImageExt=" + kept[2] + "\r\n"), std::string::npos);
            Frame.reset();
            StartWith(ini);
            EXPECT_EQ((std::vector<std::string>{ControlText(IDC_HEADER), Dialog->Settings().MainHead,
                                                Dialog->Settings().ImageExt}),
                      kept);
        }
    }

    // Typed, too: with room for one unit, an emoji is refused whole and a letter still goes in.
    Frame.reset();
    StartWith("[Strandel]\r\nUseTip=0\r\n");
    const std::string almost = Filled("Ω", FieldTextMax - 1);
    PasteInto(Control(IDC_HEADER), almost);
    GiveKeyboardTo(Control(IDC_HEADER));
    ::SendMessageW(Control(IDC_HEADER), EM_SETSEL, FieldTextMax, FieldTextMax);
    SendText("😀");
    PumpMessagesFor(200);
    EXPECT_EQ(ControlText(IDC_HEADER), almost);
    SendText("b");
    PumpMessagesFor(200);
    EXPECT_EQ(ControlText(IDC_HEADER), almost + "b");
}

} // namespace
