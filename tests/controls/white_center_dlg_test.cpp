#include "controls/white_center_dlg.h"
#include "framework/font.h"
#include "framework/frame_window.h"
#include "framework/gdi.h"
#include "support/menu_picker.h"
#include "support/input.h"
#include "support/message_log.h"
#include "support/popup_window.h"
#include "support/resources.h"
#include "support/timer_script.h"
#include "support/window_lookup.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int ListId = 301;
constexpr int DropDownListId = 302;
constexpr int DropDownId = 303;
constexpr int SimpleComboId = 304;
constexpr int EditId = 305;
constexpr int ButtonId = 306;
constexpr int FixedId = 1000;   // a control of the dialog itself with a combo box's inner id
constexpr int OwnerDrawnListId = 307;   // its items as high as the dialog's own font makes them

// ---- the dialog under test, observed ----

class TLayoutDlg : public TWhiteCenterDlg {
public:
    using TWhiteCenterDlg::TWhiteCenterDlg;

    // The presses it takes (a right one acting as the left comes as WM_LBUTTONDOWN too), the
    // caption presses it turns them into, its menu loops.
    TMessageLog Log;

protected:
    void SetupWindow() override
    {
        // An owner-drawn list with items lower than any font's letters.
        ::SendDlgItemMessageW(Handle, OwnerDrawnListId, LB_SETITEMHEIGHT, 0, 8);
        TWhiteCenterDlg::SetupWindow();
    }
    void EvLButtonDown(UINT keys, POINT point) override
    {
        Log.Note(Handle, WM_LBUTTONDOWN, keys, MAKELPARAM(point.x, point.y));
        TWhiteCenterDlg::EvLButtonDown(keys, point);
    }
    LRESULT EvNcLButtonDown(TMessage& message)
    {
        Log.Note(Handle, message.Message, message.WParam, message.LParam);
        return DefaultProcessing(message);
    }
    LRESULT EvEnterMenuLoop(TMessage& message)
    {
        Log.Note(Handle, message.Message, message.WParam, message.LParam);
        return DefaultProcessing(message);
    }

    DECLARE_MESSAGE_TABLE()
};

BEGIN_MESSAGE_TABLE(TLayoutDlg, TWhiteCenterDlg)
    ON_MESSAGE(WM_NCLBUTTONDOWN, EvNcLButtonDown)
    ON_MESSAGE(WM_ENTERMENULOOP, EvEnterMenuLoop)
END_MESSAGE_TABLE()

// ---- reading windows ----

struct TRecord {
    HWND Window = nullptr;
    RECT Rect{};   // left, top, right, bottom from fields 2 to 5
    int SelectionHeight = 0;
    int ItemHeight = 0;
};

std::vector<TRecord> Records(HWND dialog)
{
    std::vector<TRecord> records;
    HWND store = ::GetDlgItem(dialog, 2001);
    int count = static_cast<int>(::SendMessageW(store, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t wide[256] = L"";
        ::SendMessageW(store, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        const std::string line = Narrow(wide);
        const char* text = line.c_str();
        unsigned long long handle = 0;
        TRecord record;
        int width = 0, height = 0;
        int fields = std::sscanf(text, "%llu,%ld,%ld,%d,%d,%d,%d", &handle, &record.Rect.left, &record.Rect.top,
                                 &width, &height, &record.SelectionHeight, &record.ItemHeight);
        EXPECT_EQ(fields, 7) << text;
        EXPECT_EQ(std::string(text).find(' '), std::string::npos) << text;
        record.Window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle));
        record.Rect.right = record.Rect.left + width;
        record.Rect.bottom = record.Rect.top + height;
        records.push_back(record);
    }
    return records;
}

const TRecord* RecordOf(const std::vector<TRecord>& records, HWND window)
{
    for (const TRecord& record : records)
        if (record.Window == window)
            return &record;
    return nullptr;
}

bool IsCombo(HWND window)
{
    return ClassOf(window) == "ComboBox";
}

// A window's rectangle in its parent's client area; a combo box's with its list dropped down.
RECT PlaceOf(HWND window)
{
    if (!IsCombo(window))
        return PlaceInParent(window);
    RECT rect{};
    ::SendMessageW(window, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rect));
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int CharacterHeight(HWND window, HFONT font)
{
    TClientDC dc(window);
    TSelectObject selected(dc, font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight - metrics.tmInternalLeading;
}

HFONT FontOf(HWND window)
{
    return reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
}

// A client size times a factor, as the dialog is zoomed to it.
int Truncated(long value, float scale)
{
    return static_cast<int>(static_cast<float>(value) * scale);
}

// The font the dialog's controls show: its own copy of the font it was given, at its zoom.
HFONT DialogFontOf(HWND dialog)
{
    return FontOf(::GetDlgItem(dialog, EditId));
}

// Where a person finds a few controls of LAYOUT_CHILD_DLG at a zoom of the dialog, in its
// client coordinates: a button, the list box, and the closed drop-down list and drop-down as
// they drop down (they never reach further down when the dialog grows, but less far when it
// shrinks).
struct TZoomed {
    const char* Zoom;
    RECT Button;
    RECT List;
    RECT DropDownList;
    RECT DropDown;
};
constexpr TZoomed Zooms[] = {
    {"as made", {9, 135, 93, 156}, {9, 8, 160, 98}, {168, 8, 319, 74}, {168, 33, 319, 100}},
    {"twice", {18, 270, 186, 312}, {18, 16, 320, 196}, {336, 16, 638, 82}, {336, 66, 638, 133}},
    {"half again", {13, 202, 138, 233}, {13, 11, 239, 145}, {251, 11, 477, 77}, {251, 49, 477, 116}},
    {"three quarters", {6, 100, 68, 115}, {6, 5, 118, 72}, {125, 5, 237, 54}, {125, 24, 237, 74}},
};

std::vector<std::string> MenuItems(HMENU menu)
{
    std::vector<std::string> items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
        items.push_back(MenuItemAsRead(menu, i));
    return items;
}

HFONT MakeArial(int height)
{
    LOGFONTW description{};
    description.lfHeight = height;
    description.lfWeight = FW_NORMAL;
    SetFaceName(description, "Arial");
    return ::CreateFontIndirectW(&description);
}

// ---- set-up: records, widening, centring, fonts ----

class DialogSetUp : public ::testing::Test {
protected:
    void SetUp() override
    {
        Font.Reset(MakeArial(-16));
        Dialog = std::make_unique<TLayoutDlg>(nullptr, "LAYOUT_POPUP_DLG", nullptr, Font.Get());
        ASSERT_TRUE(Dialog->Create());
        // The same resource as it comes, with the font the dialog gives its controls.
        Plain = std::make_unique<TDialog>(nullptr, "LAYOUT_POPUP_DLG");
        ASSERT_TRUE(Plain->Create());
        for (HWND child : Descendants(Plain->GetHandle()))
            ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(Font.Get()), FALSE);
    }
    void TearDown() override
    {
        Dialog.reset();
        Plain.reset();
        PumpMessages();
    }

    HWND Control(int id) const { return ::GetDlgItem(Dialog->GetHandle(), id); }
    HWND PlainControl(int id) const { return ::GetDlgItem(Plain->GetHandle(), id); }

    TFont Font;
    std::unique_ptr<TLayoutDlg> Dialog;
    std::unique_ptr<TDialog> Plain;
};

TEST_F(DialogSetUp, OneRecordPerDescendantWithItsWidenedPlaceAndItemHeights)
{
    const HWND dialog = Dialog->GetHandle();
    const std::vector<TRecord> records = Records(dialog);

    // Every descendant but the store and a combo box's list and edit, each once.
    std::vector<HWND> expected;
    for (HWND child : Descendants(dialog)) {
        int id = ::GetDlgCtrlID(child);
        if (id != 2001 && id != 1000 && id != 1001)
            expected.push_back(child);
    }
    ASSERT_EQ(records.size(), expected.size());
    for (HWND child : expected)
        EXPECT_NE(RecordOf(records, child), nullptr) << "control " << ::GetDlgCtrlID(child);

    for (int id : {ListId, DropDownListId, DropDownId, SimpleComboId, EditId, ButtonId}) {
        SCOPED_TRACE("control " + std::to_string(id));
        const TRecord* record = RecordOf(records, Control(id));
        ASSERT_NE(record, nullptr);
        // Set-up left each control where its record says.
        EXPECT_EQ(PlaceOf(Control(id)), record->Rect);
    }
    // Widened: wider than the resource makes them, as high.
    EXPECT_EQ(PlaceOf(PlainControl(ButtonId)), (RECT{8, 135, 83, 156}));
    EXPECT_EQ(RecordOf(records, Control(ButtonId))->Rect, (RECT{9, 135, 93, 156}));
    EXPECT_EQ(RecordOf(records, Control(ListId))->Rect, (RECT{9, 8, 160, 98}));

    // Item heights: list box in field 7; combo boxes their selection field and list items.
    const TRecord* list = RecordOf(records, Control(ListId));
    EXPECT_EQ(list->SelectionHeight, 0);
    EXPECT_EQ(list->ItemHeight, ::SendMessageW(PlainControl(ListId), LB_GETITEMHEIGHT, 0, 0));
    for (int id : {DropDownListId, DropDownId, SimpleComboId}) {
        const TRecord* combo = RecordOf(records, Control(id));
        EXPECT_EQ(combo->SelectionHeight, ::SendMessageW(PlainControl(id), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
        EXPECT_EQ(combo->ItemHeight, ::SendMessageW(PlainControl(id), CB_GETITEMHEIGHT, 0, 0));
        EXPECT_GT(combo->Rect.bottom - combo->Rect.top, combo->SelectionHeight) << "the dropped-down height";
    }
    for (int id : {EditId, ButtonId}) {
        const TRecord* other = RecordOf(records, Control(id));
        EXPECT_EQ(other->SelectionHeight, 0);
        EXPECT_EQ(other->ItemHeight, 0);
    }
}

TEST_F(DialogSetUp, TheStoreIsAnInvisibleListBoxOutOfSight)
{
    HWND store = Control(2001);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(ClassOf(store), "ListBox");
    EXPECT_FALSE(::GetWindowLongPtrW(store, GWL_STYLE) & WS_VISIBLE);
    RECT place = PlaceOf(store);
    EXPECT_EQ(place, (RECT{-2, -2, -2, -2}));
    EXPECT_EQ(RecordOf(Records(Dialog->GetHandle()), store), nullptr);
    // The combo boxes' own windows have no records either.
    const auto records = Records(Dialog->GetHandle());
    HWND innerEdit = ::GetDlgItem(Control(DropDownId), 1001);
    ASSERT_NE(innerEdit, nullptr);
    EXPECT_EQ(RecordOf(records, innerEdit), nullptr);
    HWND innerList = ::GetDlgItem(Control(SimpleComboId), 1000);
    ASSERT_NE(innerList, nullptr);
    EXPECT_EQ(RecordOf(records, innerList), nullptr);
}

TEST_F(DialogSetUp, TheDialogIsWidenedAndCentredOnTheDesktop)
{
    EXPECT_EQ(Plain->GetWindowRect(), (RECT{0, 0, 306, 250}));
    // On the 1280 by 1024 screen of the tests.
    EXPECT_EQ(Dialog->GetWindowRect(), (RECT{468, 387, 812, 637}));
}

TEST_F(DialogSetUp, EveryControlShowsTheDialogsOwnCopyOfTheFont)
{
    HFONT font = DialogFontOf(Dialog->GetHandle());
    ASSERT_NE(font, nullptr);
    EXPECT_NE(font, Font.Get());
    for (int id : {ListId, DropDownListId, EditId, ButtonId, FixedId})
        EXPECT_EQ(FontOf(Control(id)), font) << "control " << id;
    LOGFONTW shown{};
    ::GetObjectW(font, sizeof shown, &shown);
    EXPECT_STREQ(shown.lfFaceName, L"Arial");
    // Asked for by its character height since the first layout: the same letters.
    EXPECT_EQ(shown.lfHeight, -CharacterHeight(Dialog->GetHandle(), Font.Get()));
    // The given font stays the caller's.
    LOGFONTW given{};
    EXPECT_EQ(::GetObjectW(Font.Get(), sizeof given, &given), static_cast<int>(sizeof given));
}

TEST(DialogWithoutFont, ShowsItsControlsInTheSystemFont)
{
    TLayoutDlg dialog(nullptr, "LAYOUT_POPUP_DLG");
    ASSERT_TRUE(dialog.Create());
    LOGFONTW system{};
    ::GetObjectW(::GetStockObject(SYSTEM_FONT), sizeof system, &system);

    HFONT shown = FontOf(::GetDlgItem(dialog.GetHandle(), EditId));
    EXPECT_EQ(FontOf(::GetDlgItem(dialog.GetHandle(), ButtonId)), shown);
    LOGFONTW description{};
    ::GetObjectW(shown, sizeof description, &description);
    EXPECT_STREQ(description.lfFaceName, system.lfFaceName);
    EXPECT_EQ(CharacterHeight(dialog.GetHandle(), shown),
              CharacterHeight(dialog.GetHandle(), static_cast<HFONT>(::GetStockObject(SYSTEM_FONT))));
}

TEST(HiddenDialog, StaysHiddenThroughItsLayouts)
{
    TLayoutDlg dialog(nullptr, "LAYOUT_POPUP_DLG");
    ASSERT_TRUE(dialog.Create());   // the resource has no WS_VISIBLE
    EXPECT_FALSE(::GetWindowLongPtrW(dialog.GetHandle(), GWL_STYLE) & WS_VISIBLE);
    RECT own = dialog.GetWindowRect();
    ::SetWindowPos(dialog.GetHandle(), nullptr, 0, 0, (own.right - own.left) * 3 / 2, (own.bottom - own.top) * 3 / 2,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(::GetWindowLongPtrW(dialog.GetHandle(), GWL_STYLE) & WS_VISIBLE);
    // Laid out all the same: the button half as wide again.
    EXPECT_EQ(PlaceInParent(::GetDlgItem(dialog.GetHandle(), ButtonId)), (RECT{13, 210, 139, 242}));
}

// ---- rescaling, with the dialog as a frame's client ----

class DialogInFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        Font.Reset(MakeArial(-16));
        Frame = MakeFrame(Dialog);
        ASSERT_NE(Dialog, nullptr);
        Natural = Dialog->GetClientRect();
        RecordsAtSetUp = Records(Dialog->GetHandle());
        ASSERT_FALSE(RecordsAtSetUp.empty());
    }
    void TearDown() override
    {
        Frame.reset();
        Second.reset();
        PumpMessages();
    }

    std::unique_ptr<TFrameWindow> MakeFrame(TLayoutDlg*& dialog)
    {
        auto frame = std::make_unique<TFrameWindow>(nullptr, "Layout");
        auto client = std::make_unique<TLayoutDlg>(frame.get(), "LAYOUT_CHILD_DLG", nullptr, Font.Get());
        dialog = client.get();
        frame->SetClientWindow(std::move(client));
        frame->SetShrinkToClient(true);
        EXPECT_TRUE(frame->Create());
        frame->Show(SW_SHOW);
        PumpMessages();
        return frame;
    }

    // Sizes the frame so that its client dialog gets this client size.
    static void ResizeDialog(TFrameWindow& frame, TLayoutDlg& dialog, int width, int height, UINT flags = 0)
    {
        RECT outer = frame.GetWindowRect();
        RECT inside = dialog.GetClientRect();
        ::SetWindowPos(frame.GetHandle(), nullptr, 0, 0, outer.right - outer.left + width - inside.right,
                       outer.bottom - outer.top + height - inside.bottom,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
        RECT now = dialog.GetClientRect();
        EXPECT_EQ(now.right, width);
        EXPECT_EQ(now.bottom, height);
    }
    void ResizeDialog(int width, int height) { ResizeDialog(*Frame, *Dialog, width, height); }
    void Scale(float factor)
    {
        ResizeDialog(Truncated(Natural.right, factor), Truncated(Natural.bottom, factor));
    }

    HWND Control(int id) const { return ::GetDlgItem(Dialog->GetHandle(), id); }

    // The dialog's size now over its size at set-up.
    float ScaleXNow() const { return static_cast<float>(Dialog->GetClientRect().right) / Natural.right; }
    float ScaleYNow() const { return static_cast<float>(Dialog->GetClientRect().bottom) / Natural.bottom; }

    // The few known controls where a person finds them at this zoom.
    void ExpectPlaces(std::string_view zoom)
    {
        for (const TZoomed& zoomed : Zooms) {
            if (zoomed.Zoom != zoom)
                continue;
            SCOPED_TRACE(zoomed.Zoom);
            EXPECT_EQ(PlaceInParent(Control(ButtonId)), zoomed.Button);
            EXPECT_EQ(PlaceInParent(Control(ListId)), zoomed.List);
            EXPECT_EQ(PlaceOf(Control(DropDownListId)), zoomed.DropDownList);
            EXPECT_EQ(PlaceOf(Control(DropDownId)), zoomed.DropDown);
            return;
        }
        ADD_FAILURE() << "no known places " << zoom;
    }
    HFONT DialogFont() const { return DialogFontOf(Dialog->GetHandle()); }
    // Every recorded control where set-up left it.
    void ExpectEveryControlUnmoved()
    {
        for (const TRecord& record : RecordsAtSetUp) {
            SCOPED_TRACE("control " + std::to_string(::GetDlgCtrlID(record.Window)));
            EXPECT_EQ(PlaceOf(record.Window), record.Rect);
        }
    }

    TFont Font;
    std::unique_ptr<TFrameWindow> Frame;
    TLayoutDlg* Dialog = nullptr;
    std::unique_ptr<TFrameWindow> Second;
    RECT Natural{};
    std::vector<TRecord> RecordsAtSetUp;
};

TEST_F(DialogInFrame, TwiceTheSizeDoublesPlacesSizesAndTheFont)
{
    ExpectPlaces("as made");
    const int heightBefore = CharacterHeight(Dialog->GetHandle(), DialogFont());
    Scale(2.0f);
    ExpectPlaces("twice");

    HFONT font = DialogFont();
    const int heightAfter = CharacterHeight(Dialog->GetHandle(), font);
    EXPECT_NEAR(heightAfter, 2 * heightBefore, 2);
    for (int id : {ListId, DropDownListId, SimpleComboId, EditId, ButtonId})
        EXPECT_EQ(FontOf(Control(id)), font) << "control " << id;

    // List items no lower than the characters; twice the recorded height where that is more.
    const TRecord* list = RecordOf(RecordsAtSetUp, Control(ListId));
    const int listItems = static_cast<int>(::SendMessageW(Control(ListId), LB_GETITEMHEIGHT, 0, 0));
    EXPECT_GE(listItems, heightAfter);
    EXPECT_EQ(listItems, std::max(2 * list->ItemHeight, heightAfter));
    EXPECT_GE(::SendMessageW(Control(DropDownListId), CB_GETITEMHEIGHT, 0, 0), heightAfter);

    // Items drawn smaller than the letters are made as high as the letters.
    const TRecord* small = RecordOf(RecordsAtSetUp, Control(OwnerDrawnListId));
    ASSERT_EQ(small->ItemHeight, 8);
    EXPECT_EQ(::SendMessageW(Control(OwnerDrawnListId), LB_GETITEMHEIGHT, 0, 0), heightAfter);

    // Drawing is back on: the dialog is still shown.
    EXPECT_TRUE(::IsWindowVisible(Dialog->GetHandle()));

    // Back to the start: every control where set-up left it.
    Scale(1.0f);
    ExpectEveryControlUnmoved();
    EXPECT_NEAR(CharacterHeight(Dialog->GetHandle(), DialogFont()), heightBefore, 1);
}

TEST_F(DialogInFrame, WithCtrlHeldTheControlsMoveButTheFontStays)
{
    HFONT font = DialogFont();
    const LRESULT listItems = ::SendMessageW(Control(ListId), LB_GETITEMHEIGHT, 0, 0);
    const LRESULT comboItems = ::SendMessageW(Control(DropDownListId), CB_GETITEMHEIGHT, 0, 0);
    {
        THeldKeys keys{VK_CONTROL, VK_LCONTROL};
        Scale(2.0f);
    }
    ExpectPlaces("twice");
    EXPECT_EQ(DialogFont(), font);
    EXPECT_EQ(FontOf(Control(EditId)), font);
    EXPECT_EQ(::SendMessageW(Control(ListId), LB_GETITEMHEIGHT, 0, 0), listItems);
    EXPECT_EQ(::SendMessageW(Control(DropDownListId), CB_GETITEMHEIGHT, 0, 0), comboItems);
}

TEST_F(DialogInFrame, WithCtrlAndShiftHeldNothingMoves)
{
    HFONT font = DialogFont();
    const SIZE last = TWhiteCenterDlg::GetLastLayoutSize();
    {
        THeldKeys keys{VK_CONTROL, VK_LCONTROL, VK_SHIFT, VK_LSHIFT};
        Scale(2.0f);
    }
    ExpectEveryControlUnmoved();
    EXPECT_EQ(DialogFont(), font);
    EXPECT_EQ(TWhiteCenterDlg::GetLastLayoutSize().cx, last.cx);
    EXPECT_EQ(TWhiteCenterDlg::GetLastLayoutSize().cy, last.cy);
    // Letting go and resizing again lays the controls out.
    Scale(1.5f);
    ExpectPlaces("half again");
}

TEST_F(DialogInFrame, TheSameSizeIsLaidOutOnce)
{
    Scale(2.0f);
    HFONT font = DialogFont();
    // Someone moves a control; the dialog is moved and sized again to the same size.
    HWND button = Control(ButtonId);
    ::MoveWindow(button, 3, 4, 20, 10, FALSE);
    RECT own = Dialog->GetWindowRect();
    ::MapWindowPoints(nullptr, Frame->GetHandle(), reinterpret_cast<POINT*>(&own), 2);
    ::MoveWindow(Dialog->GetHandle(), own.left, own.top, own.right - own.left, own.bottom - own.top, TRUE);
    ::MoveWindow(Dialog->GetHandle(), own.left + 1, own.top, own.right - own.left, own.bottom - own.top, TRUE);
    EXPECT_EQ(DialogFont(), font);
    EXPECT_EQ(PlaceOf(button), (RECT{3, 4, 23, 14}));
    // Another size is laid out again.
    Scale(1.5f);
    EXPECT_NE(DialogFont(), font);
    ExpectPlaces("half again");
}

TEST_F(DialogInFrame, AnotherDialogsLastSizeDoesNotKeepThisOneFromItsLayout)
{
    TLayoutDlg* other = nullptr;
    Second = MakeFrame(other);
    ASSERT_NE(other, nullptr);
    // This dialog lays out at twice the size; then the other one is sized the same.
    Scale(2.0f);
    ResizeDialog(*Second, *other, 2 * Natural.right, 2 * Natural.bottom);
    const std::vector<TRecord> otherRecords = Records(other->GetHandle());
    for (const TRecord& record : otherRecords) {
        RECT now = PlaceOf(record.Window);
        EXPECT_EQ(now.left, 2 * record.Rect.left) << "control " << ::GetDlgCtrlID(record.Window);
        EXPECT_EQ(now.top, 2 * record.Rect.top) << "control " << ::GetDlgCtrlID(record.Window);
    }
}

TEST_F(DialogInFrame, AClosedComboBoxNeverGrowsTallerButShrinks)
{
    const struct {
        float Factor;
        const char* Zoom;
    } zooms[] = {{2.0f, "twice"}, {0.75f, "three quarters"}, {1.0f, "as made"}};
    for (const auto& [factor, zoom] : zooms) {
        Scale(factor);
        ExpectPlaces(zoom);
    }
}

TEST_F(DialogInFrame, TheStoreAndTheComboBoxesOwnWindowsAreNeverMoved)
{
    HWND fixed = Control(FixedId);
    const RECT fixedAtSetUp = PlaceOf(fixed);
    HWND innerEdit = ::GetDlgItem(Control(DropDownId), 1001);
    ASSERT_NE(innerEdit, nullptr);
    Scale(2.0f);
    EXPECT_EQ(PlaceOf(Control(2001)), (RECT{-2, -2, -2, -2}));
    EXPECT_EQ(PlaceOf(fixed), fixedAtSetUp);
    EXPECT_EQ(::GetParent(innerEdit), Control(DropDownId));
    // The edit stays inside its combo box, as the combo box itself places it.
    RECT edit = PlaceOf(innerEdit);
    RECT comboClient{};
    ::GetClientRect(Control(DropDownId), &comboClient);
    EXPECT_GE(edit.left, 0);
    EXPECT_LE(edit.right, comboClient.right);
}

TEST_F(DialogInFrame, RecordsThatNoLongerFitAWindowOfTheDialogAreLeftAlone)
{
    HWND store = Control(2001);
    const std::string frameRecord = std::to_string(reinterpret_cast<std::uintptr_t>(Frame->GetHandle())) + ",0,0,10,10,0,0";
    for (const char* text : {"not a record", "12,3", "1,2,3,4,5,6,x", frameRecord.c_str()})
        ::SendMessageW(store, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
    HWND gone = Control(ButtonId);
    ::DestroyWindow(gone);

    Scale(2.0f);
    RECT frame = Frame->GetWindowRect();
    EXPECT_GT(frame.right - frame.left, 2 * Natural.right);   // not made 10 by 10
    for (const TRecord& record : RecordsAtSetUp) {
        if (record.Window == gone)
            continue;
        RECT now = PlaceOf(record.Window);
        EXPECT_EQ(now.left, 2 * record.Rect.left) << "control " << ::GetDlgCtrlID(record.Window);
        EXPECT_EQ(now.top, 2 * record.Rect.top) << "control " << ::GetDlgCtrlID(record.Window);
    }
}

TEST(DialogWithoutRoom, KeepsItsControlsWhereTheyAre)
{
    auto frame = std::make_unique<TFrameWindow>(nullptr, "Empty");
    auto client = std::make_unique<TLayoutDlg>(frame.get(), "LAYOUT_EMPTY_DLG");
    TLayoutDlg* dialog = client.get();
    frame->SetClientWindow(std::move(client));
    ASSERT_TRUE(frame->Create());
    frame->Show(SW_SHOW);
    PumpMessages();
    HWND button = ::GetDlgItem(dialog->GetHandle(), ButtonId);
    const std::vector<TRecord> records = Records(dialog->GetHandle());
    const TRecord* record = RecordOf(records, button);
    ASSERT_NE(record, nullptr);

    ::SetWindowPos(frame->GetHandle(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_GT(dialog->GetClientRect().right, 0);
    EXPECT_EQ(PlaceOf(button), record->Rect);
    frame.reset();
    PumpMessages();
}

// ---- the mouse on the background ----

class DialogOnScreen : public ::testing::Test {
protected:
    void Open(const char* menuName)
    {
        Dialog = std::make_unique<TLayoutDlg>(nullptr, "LAYOUT_POPUP_DLG", menuName);
        ASSERT_TRUE(Dialog->Create());
        Dialog->Show(SW_SHOW);
        ::SetForegroundWindow(Dialog->GetHandle());
        ::UpdateWindow(Dialog->GetHandle());
        PumpMessages();
    }
    void TearDown() override
    {
        Dialog.reset();
        PumpMessages();
    }

    // Presses the left button on the background and, once the system's drag has taken the
    // mouse, moves the pointer by (dx, dy) and lets go.
    void DragBackground(int dx, int dy)
    {
        Start = BackgroundPoint(Dialog->GetHandle());
        PointerTo(Start, TEcho::Input);
        PumpMessages();
        const POINT end{Start.x + dx, Start.y + dy};
        TTimerScript mover({[&](int) {
                               if (::GetCapture() != Dialog->GetHandle())
                                   return false;
                               PointerTo(end, TEcho::Input);
                               ReleaseButton();
                               return true;
                           }},
                           [](const std::string&) { ReleaseButton(); });
        PressButton();
        mover.PumpUntilEnded();
        EXPECT_TRUE(mover.Completed());
        PumpMessagesFor(50);
    }

    std::unique_ptr<TLayoutDlg> Dialog;
    POINT Start{};
};

TEST_F(DialogOnScreen, TheLeftButtonDragsTheDialogByItsBackground)
{
    Open(nullptr);
    RECT before = Dialog->GetWindowRect();
    DragBackground(40, 30);
    // The press becomes a press on the caption, at its point on the screen.
    const TExpectedMessage drag[] = {{WM_LBUTTONDOWN}, {WM_NCLBUTTONDOWN, WParamIs | LParamIs, HTCAPTION, MAKELPARAM(Start.x, Start.y)}};
    EXPECT_TRUE(HoldsSequence(Dialog->Log, drag));
    RECT after = Dialog->GetWindowRect();
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 30);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
}

TEST_F(DialogOnScreen, WithoutAMenuTheRightButtonActsAsTheLeft)
{
    Open(nullptr);
    RECT before = Dialog->GetWindowRect();
    const POINT start = BackgroundPoint(Dialog->GetHandle());
    const POINT end{start.x - 24, start.y - 16};   // still over the dialog
    PointerTo(start, TEcho::Input);
    PumpMessages();
    // Should the drag outlive the right button, a left release ends it and the test fails.
    TTimerScript watchdog({[&](int) { return !Dialog->Log.Of(WM_LBUTTONDOWN).empty() && ::GetCapture() == nullptr; }},
                          [](const std::string&) { ::PostMessageW(::GetCapture(), WM_LBUTTONUP, 0, 0); });
    PressButton(TMouseButton::Right);
    PointerTo(end, TEcho::Input);
    ReleaseButton(TMouseButton::Right);
    watchdog.PumpUntilEnded();
    EXPECT_FALSE(watchdog.GaveUp()) << "the drag went on after the right button was let go";
    PumpMessagesFor(50);

    POINT client = start;
    ::ScreenToClient(Dialog->GetHandle(), &client);
    RECT after = Dialog->GetWindowRect();
    // The press, in the client coordinates the dialog had before it moved, became a caption
    // press; no menu loop.
    const TExpectedMessage drag[] = {
        {WM_LBUTTONDOWN, LParamIs, 0, MAKELPARAM(client.x + after.left - before.left, client.y + after.top - before.top)},
        {WM_NCLBUTTONDOWN, WParamIs, HTCAPTION}};
    EXPECT_TRUE(HoldsSequence(Dialog->Log, drag));
    EXPECT_TRUE(Dialog->Log.Of(WM_ENTERMENULOOP).empty());
    // Dragged while the right button was down; letting it go ended the drag.
    EXPECT_EQ(after.left - before.left, -24);
    EXPECT_EQ(after.top - before.top, -16);
    EXPECT_EQ(::GetCapture(), nullptr);
    PointerTo({end.x - 10, end.y - 10}, TEcho::Input);
    PumpMessagesFor(50);
    RECT later = Dialog->GetWindowRect();
    EXPECT_EQ(later, after);
}

TEST_F(DialogOnScreen, WithAMenuTheRightButtonOpensItAtThePointer)
{
    Open("MENU_PROVA");
    RECT before = Dialog->GetWindowRect();
    POINT start = BackgroundPoint(Dialog->GetHandle());
    PointerTo(start, TEcho::Input);
    PumpMessages();

    std::vector<std::string> items;
    RECT menuRect{};
    TTimerScript closer({[&](int) {
                            HWND menu = ShownMenu();
                            if (!menu)
                                return false;
                            menuRect = WindowRect(menu);
                            items = MenuItems(reinterpret_cast<HMENU>(::SendMessageW(menu, MN_GETHMENU, 0, 0)));
                            ::EndMenu();
                            return true;
                        }},
                        [](const std::string&) { ::EndMenu(); });
    PressButton(TMouseButton::Right);
    ReleaseButton(TMouseButton::Right);
    closer.PumpUntilEnded();
    ASSERT_TRUE(closer.Completed());

    EXPECT_EQ(items, (std::vector<std::string>{"File", "Auto", "Help"}));
    EXPECT_NEAR(menuRect.left, start.x, 2);
    EXPECT_NEAR(menuRect.top, start.y, 2);
    // The dialog owns the menu; no press came.
    constexpr TExpectedMessage menuLoop[] = {{WM_ENTERMENULOOP}};
    EXPECT_TRUE(HoldsSequence(Dialog->Log, menuLoop));
    EXPECT_TRUE(Dialog->Log.Of(WM_LBUTTONDOWN).empty());
    RECT after = Dialog->GetWindowRect();
    EXPECT_EQ(after, before);
}

TEST_F(DialogOnScreen, ARightReleaseWithoutAPressOnTheDialogOpensNoMenu)
{
    Open("MENU_PROVA");
    // Pressed on another window, released over the dialog.
    TPopupWindow elsewhere("elsewhere", {0, 0, 80, 80}, WS_POPUP | WS_VISIBLE | WS_BORDER);
    ASSERT_TRUE(elsewhere.Create());
    PumpMessages();
    PointerTo({40, 40}, TEcho::Input);
    PumpMessages();
    PressButton(TMouseButton::Right);
    PumpMessages();
    PointerTo(BackgroundPoint(Dialog->GetHandle()), TEcho::Input);
    bool menuShown = false;
    TTimerScript watcher({[&](int) {
        if (ShownMenu()) {
            menuShown = true;
            ::EndMenu();
        }
        return false;
    }});
    ReleaseButton(TMouseButton::Right);
    PumpMessagesFor(200);
    EXPECT_FALSE(menuShown);
    EXPECT_TRUE(Dialog->Log.Of(WM_ENTERMENULOOP).empty());
}

TEST_F(DialogOnScreen, TheHandIsShownOverTheBackgroundOnly)
{
    Open(nullptr);
    HCURSOR hand = ProgramCursor("CUR_MANO");
    ASSERT_NE(hand, nullptr);
    PointerTo(BackgroundPoint(Dialog->GetHandle()), TEcho::Input);
    PumpMessagesFor(50);
    EXPECT_EQ(::GetCursor(), hand);
    PointerTo(Centre(::GetDlgItem(Dialog->GetHandle(), EditId)), TEcho::Input);
    PumpMessagesFor(50);
    EXPECT_NE(::GetCursor(), hand);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_IBEAM));
}

TEST_F(DialogOnScreen, WithCtrlAndShiftHeldAResizeOnlyRepaints)
{
    Open(nullptr);
    const std::vector<TRecord> records = Records(Dialog->GetHandle());
    ::UpdateWindow(Dialog->GetHandle());
    RECT own = Dialog->GetWindowRect();
    {
        THeldKeys keys{VK_CONTROL, VK_SHIFT};
        ::SetWindowPos(Dialog->GetHandle(), nullptr, 0, 0, (own.right - own.left) * 2, (own.bottom - own.top) * 2,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    RECT dirty{};
    EXPECT_TRUE(::GetUpdateRect(Dialog->GetHandle(), &dirty, FALSE));
    for (const TRecord& record : records) {
        RECT now = PlaceOf(record.Window);
        EXPECT_EQ(now.left, record.Rect.left);
        EXPECT_EQ(now.right, record.Rect.right);
    }
}

} // namespace
