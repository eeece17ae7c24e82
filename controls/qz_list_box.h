#pragma once
// The program's list box: its own cursor, the hover hint and light, a pop-up menu on the
// right button (which first acts as the left one, so the item under the pointer is
// selected), moving one item up or down, the Delete key as a command, and a horizontal
// extent kept as wide as its widest entry so long entries scroll into view.
#include "controls/qz_control.h"
#include "framework/control.h"
#include "framework/gdi.h"

#include <string>
#include <vector>

enum class TMoveDirection { Up, Down };

class TQZListBox : public TQZControl<TListBox> {
public:
    // cursorName null or empty: the arrow. menuName null: no menu. module null: the application's.
    TQZListBox(TWindow* parent, int resourceId, const char* cursorName, HINSTANCE module = nullptr,
               const char* menuName = nullptr);
    ~TQZListBox() override;

    // Moves one item one place, keeping its item data, and selects it. Index -1 takes the
    // selected item; with no selection the first item is selected and nothing moves.
    void MoveItem(TMoveDirection direction, int index);

    // The command the Delete key sends the parent (0: none).
    void SetDeleteCommand(int id) { DeleteCommand = id; }

    // Where dragged files will go: a line below the entry (-1: above the first); NoInsertMark hides it.
    static constexpr int NoInsertMark = -2;
    void ShowInsertMark(int afterIndex);
    int InsertMark() const { return MarkAfter; }

    // The width of a text in the list's font, as its items are drawn.
    int TextWidth(const std::wstring& text);
    // True when the item's text is wider than the room the list shows it in.
    bool IsItemCut(int index);

protected:
    void StringAdded(const std::wstring& text) const override { Widen(text.c_str()); }
    void Cleared() const override { SetExtent(0, {}); }

    // The keyboard's menu opens below the selected entry (where it shows), else at the top.
    POINT KeyboardMenuPoint() override;
    LRESULT EvKeyDown(TMessage& message);
    LRESULT EvListPaint(TMessage& message);
    LRESULT EvAddString(TMessage& message);
    LRESULT EvResetContent(TMessage& message);
    LRESULT EvSetFont(TMessage& message);
    LRESULT EvSetRedraw(TMessage& message);

private:
    // An entry added: the extent grows when it is the widest yet. (Const: the list's
    // operations are, and the extent only follows the items.)
    void Widen(const wchar_t* text) const;
    void SetExtent(int width, std::wstring text) const;
    void ForgetFont() const;
    int Measure(const std::wstring& text) const;
    int CharWidth(wchar_t unit) const;

    // The insertion mark's line, in client coordinates of the list; empty when none.
    RECT InsertMarkRect() const;

    int DeleteCommand = 0;
    int MarkAfter = NoInsertMark;
    // While redrawing is off (many entries at once) the list has no extent: the system would
    // update its scroll bar at every entry. The widest is kept and given when redrawing is on.
    bool Bulk = false;
    mutable int Widest = 0;              // the widest entry's width, in pixels
    mutable std::wstring WidestText;     // ... and its text, measured again in a new font
    // Measuring: a memory DC with the list's font and the advance widths of the characters
    // met so far, read 256 at a time (-1: not read yet). A text is as wide as its characters.
    mutable HDC MeasureDc = nullptr;
    mutable HGDIOBJ MeasureOldFont = nullptr;
    mutable std::vector<int> Widths;
    mutable int WidestChar = 0;   // an entry no longer than Widest / WidestChar units cannot be wider

    DECLARE_MESSAGE_TABLE()
};
