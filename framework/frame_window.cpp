#include "framework/frame_window.h"

#include "framework/gdi.h"
#include "framework/resource_name.h"

BEGIN_MESSAGE_TABLE(TFrameWindow, TWindow)
    ON_MESSAGE(WM_SIZE, EvSize)
    ON_WM_MENUSELECT(EvMenuSelect)
    ON_MESSAGE(WM_SETFOCUS, EvSetFocus)
    ON_MESSAGE(WM_DESTROY, EvDestroy)
END_MESSAGE_TABLE()

TFrameWindow::TFrameWindow(TWindow* parent, const char* title, std::unique_ptr<TWindow> client,
                           bool shrinkToClient)
    : TWindow(parent, title), ShrinkToClientFlag(shrinkToClient)
{
    Attr.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    SetClientWindow(std::move(client));
}

TFrameWindow::~TFrameWindow()
{
    // The icon is LoadIcon's, shared by the module: it is never destroyed.
    Client.reset();
}

void TFrameWindow::SetClientWindow(std::unique_ptr<TWindow> client)
{
    Client = std::move(client);
    if (Client && SetUp) {
        Client->Create();
        Layout();
    }
}

void TFrameWindow::AssignMenu(const char* menuName)
{
    Menu = ::LoadMenuW(GetInstance(), TResourceName(menuName));
    if (Handle)
        ::SetMenu(Handle, Menu);
}

void TFrameWindow::SetIcon(int iconId)
{
    Icon = ::LoadIconW(GetInstance(), MAKEINTRESOURCEW(iconId));
    if (Handle) {
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Icon));
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Icon));
    }
}

const char* TFrameWindow::GetClassName() const
{
    return "StrandelFrame";
}

void TFrameWindow::GetWindowClass(WNDCLASSW& windowClass) const
{
    TWindow::GetWindowClass(windowClass);
    windowClass.style |= CS_HREDRAW | CS_VREDRAW;
    windowClass.hIcon = Icon;
}

void TFrameWindow::SetupWindow()
{
    if (Menu)
        ::SetMenu(Handle, Menu);
    if (Icon) {
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Icon));
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Icon));
    }
    TWindow::SetupWindow();
    if (ShrinkToClientFlag && Client && Client->GetHandle())
        ShrinkToClient();
    Layout();
    SetUp = true;
}

void TFrameWindow::ShrinkToClient()
{
    // Two rounds: a menu bar that wraps differently at the new width changes the client height.
    for (int round = 0; round < 2; ++round) {
        RECT clientRect = Client->GetWindowRect();
        SIZE decorations = DecorationSize();
        int wantWidth = clientRect.right - clientRect.left + decorations.cx;
        int wantHeight = clientRect.bottom - clientRect.top + decorations.cy;
        RECT frame = GetWindowRect();
        RECT inside = GetClientRect();
        int width = (frame.right - frame.left) - (inside.right - inside.left) + wantWidth;
        int height = (frame.bottom - frame.top) - (inside.bottom - inside.top) + wantHeight;
        ::SetWindowPos(Handle, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        inside = GetClientRect();
        if (inside.right == wantWidth && inside.bottom == wantHeight)
            break;
    }
}

SIZE TFrameWindow::DecorationSize()
{
    return {0, 0};
}

void TFrameWindow::Layout()
{
    if (!Client || !Client->GetHandle())
        return;
    RECT inside = GetClientRect();
    ::MoveWindow(Client->GetHandle(), 0, 0, inside.right, inside.bottom, TRUE);
}

bool TFrameWindow::PreProcessMsg(MSG& msg)
{
    if (Client && Client->GetHandle() && Client->PreProcessMsg(msg))
        return true;
    return TWindow::PreProcessMsg(msg);
}

LRESULT TFrameWindow::UnhandledCommand(TMessage& message)
{
    if (Client && Client->GetHandle())
        return Client->SendMessage(message.Message, message.WParam, message.LParam);
    return DefaultProcessing(message);
}

void TFrameWindow::ShowHint(const char*)
{
}

LRESULT TFrameWindow::EvSize(TMessage& message)
{
    LRESULT result = DefaultProcessing(message);
    if (message.WParam != SIZE_MINIMIZED)
        Layout();
    return result;
}

void TFrameWindow::EvMenuSelect(UINT item, UINT flags, HMENU menu)
{
    if (!TrackMenuSelection) {
        DefaultProcessing();
        return;
    }
    if (MenuClosed(flags, menu)) {
        TrackedMenuItem = 0;
        ShowHint(nullptr);
    } else if ((flags & (MF_POPUP | MF_SEPARATOR)) || item == 0) {
        TrackedMenuItem = 0;
        ShowHint("");
    } else {
        TrackedMenuItem = static_cast<int>(item);
        ShowHint(LoadResourceString(GetInstance(), item).c_str());
    }
}

LRESULT TFrameWindow::EvSetFocus(TMessage& message)
{
    if (Client && Client->GetHandle())
        ::SetFocus(Client->GetHandle());
    return DefaultProcessing(message);
}

LRESULT TFrameWindow::EvDestroy(TMessage& message)
{
    LRESULT result = TWindow::EvDestroy(message);
    if (IsMainWindow)
        ::PostQuitMessage(0);
    return result;
}
