#pragma once
// The base of every window object: a C++ object attached to one window handle, with its
// messages routed through the class's message table.
#include "framework/message_table.h"

#include <string>
#include <vector>

class TApplication;

// Creation attributes of windows the framework creates itself.
struct TWindowAttr {
    DWORD Style = WS_CHILD | WS_VISIBLE;
    DWORD ExStyle = 0;
    int X = CW_USEDEFAULT;
    int Y = CW_USEDEFAULT;
    int W = CW_USEDEFAULT;
    int H = CW_USEDEFAULT;
    int Id = 0;
};

class TWindow {
public:
    explicit TWindow(TWindow* parent = nullptr, const char* title = nullptr);
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    static const TMessageTable& ClassMessageTable();
    // The class's table; every class with a table of its own overrides it.
    virtual const TMessageTable& GetMessageTable() const;

    // Makes the window (and, through SetupWindow, its children); false when the system refused.
    virtual bool Create();
    // Runs once the window exists and is attached: children are bound or created here.
    virtual void SetupWindow();
    // Runs while the window is being destroyed, before its children go.
    virtual void CleanupWindow();
    // The close query: may the window close now?
    virtual bool CanClose();
    // A look at a queued message before it is dispatched; true when it was consumed.
    virtual bool PreProcessMsg(MSG& msg);
    // Routes one message through the table chain, then the default procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // The default procedure for the message being handled, for handlers that add to it.
    LRESULT DefaultProcessing(TMessage& message);
    LRESULT DefaultProcessing();
    // Delivers a message synchronously through this object's own routing, not the system's.
    LRESULT ReceiveMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    HWND GetHandle() const { return Handle; }
    operator HWND() const { return Handle; }
    TWindow* GetParentObject() const { return Parent; }
    int GetId() const { return Attr.Id; }
    TApplication* GetApplication() const;
    HINSTANCE GetInstance() const;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) const;
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    void Invalidate(bool erase = true) const;
    bool IsWindowVisible() const;
    bool Show(int command) const;
    // Destroys the window when the close query agrees.
    void CloseWindow();
    void Destroy();
    // Takes style bits away from the window, or from the one still to be made.
    void ClearStyle(DWORD bits);

    // The object attached to a window handle, or null.
    static TWindow* FromHandle(HWND handle);

    TWindowAttr Attr;

protected:
    // The window class the framework registers for windows it creates itself.
    virtual const char* GetClassName() const;
    // The class's attributes but its name, which Create gives it from GetClassName.
    virtual void GetWindowClass(WNDCLASSW& windowClass) const;
    // The procedure a message goes to when no table entry takes it.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // What happens to a WM_COMMAND no entry takes (frames pass it to their client).
    virtual LRESULT UnhandledCommand(TMessage& message);

    // Attaches this object to an existing window of someone else's class, routing its
    // messages through the table first and then to its own procedure.
    void Subclass(HWND handle);
    void Attach(HWND handle);
    void Detach();

    // Children bind to a control of the parent's dialog resource (BindToResource) or are
    // created by the parent's SetupWindow.
    void AddChild(TWindow* child);
    void RemoveChild(TWindow* child);
    const std::vector<TWindow*>& Children() const { return ChildList; }
    void CreateChildren();

    // The one procedure of every window the framework creates or subclasses.
    static LRESULT CALLBACK StaticWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    // Calls the object's routing; an exception is kept for the message loop, never passed on.
    static LRESULT SafeWindowProc(TWindow& window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND Handle = nullptr;
    TWindow* Parent;
    std::string Title;
    WNDPROC PreviousProc = nullptr;   // the class's own procedure of a subclassed window
    DWORD StyleToClear = 0;           // bits ClearStyle took before the window existed
    bool OwnsHandle = true;           // false for windows bound from a dialog resource
    bool BindToResource = false;      // a control of the parent's dialog resource, by Attr.Id

    LRESULT EvClose(TMessage& message);
    LRESULT EvDestroy(TMessage& message);

private:
    std::vector<TWindow*> ChildList;
    TMessage* Current = nullptr;   // the message the window is handling, innermost first
};

// Every window below this one (children, their children...), in the system's order.
std::vector<HWND> Descendants(HWND window);
