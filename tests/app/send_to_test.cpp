// Several files sent at once, as Explorer sends them: the record they travel in, what the main
// dialog makes of it (every name on the clipboard, one notice that says how many), and what
// the main window lets through when the program runs as administrator.
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

// How a copy that knows only the one-name record reads any record: up to the first zero
// within its length.
std::string ReadByAnOlderCopy(const COPYDATASTRUCT& record)
{
    const char* data = static_cast<const char*>(record.lpData);
    return std::string(data, strnlen(data, record.cbData));
}

TEST(SendToRecord, OneNameGoesAsAlwaysAndSeveralReadAsTheFirstByAnOlderCopy)
{
    struct TCase {
        Names Sent;
        ULONG_PTR Tag;
        std::string Bytes;
    } cases[] = {
        {{"C:\\one.txt"}, 0, "C:\\one.txt\0"s},
        {{"C:\\a.txt", "C:\\Ωμέγα\\b.txt"}, SendToNamesTag, "C:\\a.txt\0C:\\Ωμέγα\\b.txt\0"s},
        {{"C:\\a", "C:\\b", "C:\\c"}, SendToNamesTag, "C:\\a\0C:\\b\0C:\\c\0"s},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Sent.size());
        const TSendToRecord record(c.Sent);
        const COPYDATASTRUCT& data = *record.Data();
        EXPECT_EQ(data.dwData, c.Tag);
        EXPECT_EQ(std::string(static_cast<const char*>(data.lpData), data.cbData), c.Bytes);
        EXPECT_EQ(ReadByAnOlderCopy(data), c.Sent.front());
        EXPECT_EQ(NamesOfRecord(data, WesternCodePage), c.Sent);
    }
}

TEST(SendToRecord, NamesAreReadWithinTheRecordAndOlderBytesInTheLegacyCodePage)
{
    // An older copy's name: code page 1252, no UTF-8.
    char older[] = "C:\\caf\xe9.txt";
    COPYDATASTRUCT one{0, sizeof older, older};
    EXPECT_EQ(NamesOfRecord(one, WesternCodePage), Names{"C:\\café.txt"});

    // Several, the last one not ended, empty pieces skipped, nothing read beyond the length.
    char several[] = "C:\\a\0\0C:\\b\0C:\\cJUNK";
    COPYDATASTRUCT record{SendToNamesTag, 15, several};
    EXPECT_EQ(NamesOfRecord(record, WesternCodePage), (Names{"C:\\a", "C:\\b", "C:\\c"}));
    COPYDATASTRUCT none{SendToNamesTag, 3, const_cast<char*>("\0\0\0")};
    EXPECT_EQ(NamesOfRecord(none, WesternCodePage), Names{});
    COPYDATASTRUCT noData{SendToNamesTag, 10, nullptr};
    EXPECT_EQ(NamesOfRecord(noData, WesternCodePage), Names{});

    // The command line: every argument after the program's path, empty ones left out.
    EXPECT_EQ(NamesOfArguments({"strandel.exe", "C:\\a", "", "C:\\b"}), (Names{"C:\\a", "C:\\b"}));
    EXPECT_EQ(NamesOfArguments({"strandel.exe"}), Names{});
}

TEST(SendToRecord, TheNoticeSaysHowManyArrivedAndShowsTheFirst)
{
    EXPECT_EQ(CopyingNoticeText({"C:\\only.txt"}), "C:\\only.txt");
    EXPECT_EQ(CopyingNoticeText({"C:\\a", "C:\\b"}), "2 names:\nC:\\a\nC:\\b");
    Names many;
    for (int i = 1; i <= 500; ++i)
        many.push_back("C:\\f" + std::to_string(i));
    EXPECT_EQ(CopyingNoticeText(many), "500 names:\nC:\\f1\nC:\\f2\nC:\\f3\nC:\\f4\nC:\\f5\nC:\\f6\nC:\\f7\n... and 493 more");
}

// The notice on the screen while the dialog delivers, seen from another thread as a person
// sees it: its text, whether it stays above other windows, whether it took the focus.
class TNoticeWatch {
public:
    TNoticeWatch()
        : Watcher([this] {
              HWND notice = nullptr;
              for (int waited = 0; !notice && waited < 10000; waited += 5) {
                  notice = ::FindWindowW(L"QZMex", L"Copying...");
                  ::Sleep(5);
              }
              if (!notice)
                  return;
              // Answered by the dialog's thread while it waits: the notice is laid out by then.
              DWORD_PTR ignored = 0;
              ::SendMessageTimeoutW(notice, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
              Text = CurrentNotice() ? CurrentNotice()->GetText() : "";
              Topmost = (::GetWindowLongPtrW(notice, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
              Active = ::GetForegroundWindow() == notice;
          })
    {
    }
    ~TNoticeWatch() { Wait(); }
    void Wait()
    {
        if (Watcher.joinable())
            Watcher.join();
    }

    std::string Text;
    bool Topmost = false;
    bool Active = false;

private:
    std::thread Watcher;
};

TEST_F(MainDialog, SeveralSentNamesGoToTheClipboardALineEachUnderOneNotice)
{
    StartWith("[Strandel]\r\nSendToIndex=0\r\nCheckIndex=2\r\n");
    const Names sent{"C:\\Folder\\first.txt", "C:\\Folder\\second one.txt", "D:\\third.doc"};
    const TSendToRecord record(sent);
    {
        TNoticeWatch notice;
        EXPECT_EQ(Frame->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(record.Data())), 1);
        notice.Wait();
        EXPECT_EQ(notice.Text, "3 names:\nC:\\Folder\\first.txt\nC:\\Folder\\second one.txt\nD:\\third.doc");
        EXPECT_TRUE(notice.Topmost);
        EXPECT_FALSE(notice.Active);
    }
    EXPECT_EQ(ClipboardText(), "first.txt\r\nsecond one.txt\r\nthird.doc");

    // Whole lines, numbered as they came, each ended once.
    Dialog->Settings().SendToIndex = 1;
    for (const auto& [queue, copied] : std::vector<std::pair<std::string, std::string>>{
             {">", "1 <first.txt>\r\n2 <second one.txt>\r\n3 <third.doc>"},
             {">\r\n", "1 <first.txt>\r\n2 <second one.txt>\r\n3 <third.doc>\r\n"}}) {
        TypeAround("QZ_GETSELINDEX <", queue);
        Dialog->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(record.Data()));
        EXPECT_EQ(ClipboardText(), copied);
    }
    EXPECT_EQ(Dialog->FileListBox().GetCount(), 0);
    EXPECT_EQ(PendingFile, "");
}

TEST_F(MainDialog, RunAsAdministratorTheWindowsStillTakeHandOffsAndDrops)
{
    StartWith("");
    // The frame takes the other copies' record; the dialog takes Explorer's drops.
    EXPECT_EQ(MessagesLetThrough(Frame->GetHandle()), std::vector<UINT>{WM_COPYDATA});
    EXPECT_EQ(MessagesLetThrough(Dialog->GetHandle()), (std::vector<UINT>{WM_DROPFILES, WM_COPYDATA, WM_COPYGLOBALDATA}));
    // Nothing more: no control takes drops itself.
    for (HWND child = ::GetWindow(Dialog->GetHandle(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        EXPECT_EQ(MessagesLetThrough(child), std::vector<UINT>{}) << ::GetDlgCtrlID(child);
}

} // namespace
