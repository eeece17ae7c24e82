// Several files sent at once, as Explorer sends them: the record they travel in, what the main
// dialog makes of it, and what the main window lets through when run as administrator.
#include "app/elevated_messages.h"
#include "app/send_to_record.h"
#include "controls/notice_window.h"
#include "main_dialog_fixture.h"
#include "text/legacy_text.h"

#include <cstring>
#include <thread>

namespace {

using Names = std::vector<std::string>;
using namespace std::string_literals;

TEST(SendToRecord, OneNameGoesAsAlwaysAndAnOlderCopyReadsSeveralAsTheFirst)
{
    const std::pair<Names, std::string> cases[] = {
        {{"C:\\one.txt"}, "C:\\one.txt\0"s},
        {{"C:\\a.txt", "C:\\Ωμέγα\\b.txt", "C:\\c"}, "C:\\a.txt\0C:\\Ωμέγα\\b.txt\0C:\\c\0"s},
    };
    for (const auto& [sent, bytes] : cases) {
        const TSendToRecord record(sent);
        const COPYDATASTRUCT& data = *record.Data();
        EXPECT_EQ(data.dwData, sent.size() == 1 ? 0 : SendToNamesTag);
        EXPECT_EQ(std::string(static_cast<const char*>(data.lpData), data.cbData), bytes);
        // An older copy reads up to the first zero within the length.
        EXPECT_EQ(std::string(static_cast<const char*>(data.lpData), strnlen(static_cast<const char*>(data.lpData), data.cbData)),
                  sent.front());
        EXPECT_EQ(NamesOfRecord(data, WesternCodePage), sent);
    }
    // An older copy's bytes; the last name not ended, empty ones skipped, nothing read beyond.
    char older[] = "C:\\caf\xe9.txt";
    EXPECT_EQ(NamesOfRecord({0, sizeof older, older}, WesternCodePage), Names{"C:\\café.txt"});
    char several[] = "C:\\a\0\0C:\\bJUNK";
    EXPECT_EQ(NamesOfRecord({SendToNamesTag, 10, several}, WesternCodePage), (Names{"C:\\a", "C:\\b"}));
    EXPECT_EQ(NamesOfArguments({"strandel.exe", "C:\\a", "", "C:\\b"}), (Names{"C:\\a", "C:\\b"}));
    // How many arrived, first: a command line Windows cut short still says how many came.
    Names many;
    for (char c = 'a'; c <= 'z'; ++c)
        many.push_back(std::string(1, c));
    EXPECT_EQ(CopyingNoticeText(many), "26 names:\na\nb\nc\nd\ne\nf\ng\n... and 19 more");
}

TEST_F(MainDialog, SeveralSentNamesGoToTheClipboardALineEachUnderOneNotice)
{
    StartWith("[Strandel]\r\nSendToIndex=0\r\nCheckIndex=2\r\n");
    const TSendToRecord record({"C:\\Folder\\first.txt", "C:\\Folder\\second one.txt", "D:\\third.doc"});
    // The notice as a person sees it while the dialog waits: from another thread.
    std::string text;
    bool topmost = false, active = true;
    std::thread watcher([&] {
        HWND notice = nullptr;
        for (int waited = 0; !notice && waited < 10000; waited += 5, ::Sleep(5))
            notice = ::FindWindowW(L"QZMex", L"Copying...");
        DWORD_PTR ignored = 0;   // answered by the waiting dialog's thread: the notice is up
        ::SendMessageTimeoutW(notice, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
        text = CurrentNotice() ? CurrentNotice()->GetText() : "";
        topmost = (::GetWindowLongPtrW(notice, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        active = ::GetForegroundWindow() == notice;
    });
    EXPECT_EQ(Frame->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(record.Data())), 1);
    watcher.join();
    EXPECT_EQ(text, "3 names:\nC:\\Folder\\first.txt\nC:\\Folder\\second one.txt\nD:\\third.doc");
    EXPECT_TRUE(topmost);
    EXPECT_FALSE(active);
    EXPECT_EQ(ClipboardText(), "first.txt\r\nsecond one.txt\r\nthird.doc");

    // Whole lines, numbered as they came, each ended once.
    Dialog->Settings().SendToIndex = 1;
    for (const auto& [queue, copied] : {std::pair<std::string, std::string>{">", "1 <first.txt>\r\n2 <second one.txt>\r\n3 <third.doc>"},
                                        {">\r\n", "1 <first.txt>\r\n2 <second one.txt>\r\n3 <third.doc>\r\n"}}) {
        TypeAround("QZ_GETSELINDEX <", queue);
        Dialog->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(record.Data()));
        EXPECT_EQ(ClipboardText(), copied);
    }
    EXPECT_EQ(Dialog->FileListBox().GetCount(), 0);
}

TEST_F(MainDialog, RunAsAdministratorTheWindowsStillTakeHandOffsAndDrops)
{
    StartWith("");
    EXPECT_EQ(MessagesLetThrough(Frame->GetHandle()), std::vector<UINT>{WM_COPYDATA});
    EXPECT_EQ(MessagesLetThrough(Dialog->GetHandle()), (std::vector<UINT>{WM_DROPFILES, WM_COPYDATA, WM_COPYGLOBALDATA}));
    // No control takes drops itself, nor anything else.
    for (HWND child = ::GetWindow(Dialog->GetHandle(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        EXPECT_EQ(MessagesLetThrough(child), std::vector<UINT>{}) << ::GetDlgCtrlID(child);
}

} // namespace
