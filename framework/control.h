#pragma once
// Child controls of the system's classes: bound to a control of the parent's dialog
// resource by id, or made by the framework. Their messages pass the control's table
// first, then the system class's own procedure.
#include "framework/window.h"

#include <string>

class TControl : public TWindow {
public:
    // A control of the parent's dialog resource.
    TControl(TWindow* parent, int resourceId);
    // A control the framework makes: of a system class (subclassed), or of a class of the
    // program's own (registered from GetWindowClass).
    TControl(TWindow* parent, int id, const char* title, int x, int y, int w, int h);

    bool Create() override;

protected:
    // The window class of controls the framework makes.
    const char* GetClassName() const override { return "Static"; }
};

// The list operations ask the system's list box directly, not through the object's own
// message handling (which has nothing to add to them): a list of 100,000 entries is read and
// filled with as many calls. Called on the window's own thread, as all of a window's work is.
// With SendChangeNotices, any change of a list box's items or selection, made through the
// operations below or by messages to the window, reaches the parent as one WM_COMMAND with this
// notification code, posted once for all the changes made before it is handled.
constexpr WORD LBN_ITEMSCHANGED = 0x7F01;

class TListBox : public TControl {
public:
    using TControl::TControl;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The parent is told of every change (LBN_ITEMSCHANGED) from now on.
    void SendChangeNotices() { ChangeNotices = true; }

    int GetCount() const;
    int AddString(const std::string& text) const;
    int InsertString(const std::string& text, int index) const;
    int DeleteString(int index) const;
    void ClearList() const;
    int GetSelIndex() const;
    int SetSelIndex(int index) const;
    // The item's text, empty when there is no such item.
    std::string GetString(int index) const;
    void GetString(int index, std::string& text) const;
    LPARAM GetItemData(int index) const;
    int SetItemData(int index, LPARAM data) const;

protected:
    const char* GetClassName() const override { return "ListBox"; }
    // After an item was added through the operations above (which skip the window's own
    // routing, for speed), or every item removed: for a class that follows its items.
    virtual void StringAdded(const std::wstring&) const {}
    virtual void Cleared() const {}

private:
    LRESULT Ask(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Posts the change notice unless one is on its way.
    void NoteChange() const;

    bool ChangeNotices = false;
    mutable bool NoticePosted = false;
    mutable std::wstring Entry;   // the room an entry is read into, kept for the next read
};

// An edit field. Its limit counts UTF-16 units, as the system's edit control counts them; a
// character beyond the first plane (a pair of units) is typed or pasted whole or not at all,
// so the field never ends inside a character.
class TEdit : public TControl {
public:
    TEdit(TWindow* parent, int resourceId, int textLimit = 0);

    void SetText(const std::string& text) const { SetWindowText(text); }
    std::string GetText() const { return GetWindowText(); }
    // The text up to max characters (UTF-16 units, as the field counts them), never ending
    // inside a character.
    std::string GetText(std::size_t max) const;
    void LimitText(int limit) const;

    void SetupWindow() override;

protected:
    const char* GetClassName() const override { return "Edit"; }
    // The units the field takes still: its limit less the text that stays beside the selection.
    std::size_t Room() const;

    LRESULT EvChar(TMessage& message);
    LRESULT EvPaste(TMessage& message);

    int TextLimit;

private:
    bool RefusingLowHalf = false;   // the first half of a pair was refused: so is the second

    DECLARE_MESSAGE_TABLE()
};

class TButton : public TControl {
public:
    using TControl::TControl;

protected:
    const char* GetClassName() const override { return "Button"; }
};

class TCheckBox : public TButton {
public:
    using TButton::TButton;

    bool IsChecked() const { return GetCheck() == BST_CHECKED; }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
    void Check() const { SetCheck(BST_CHECKED); }
    void Uncheck() const { SetCheck(BST_UNCHECKED); }
};

class TRadioButton : public TCheckBox {
public:
    using TCheckBox::TCheckBox;
};
