#include "framework/decorated_frame.h"

#include "framework/status_bar.h"

TDecoratedFrame::TDecoratedFrame(TWindow* parent, const char* title, std::unique_ptr<TWindow> client,
                                 bool trackMenuSelection)
    : TFrameWindow(parent, title, std::move(client))
{
    SetTrackMenuSelection(trackMenuSelection);
}

TDecoratedFrame::~TDecoratedFrame()
{
    Decorations.clear();
}

void TDecoratedFrame::Insert(std::unique_ptr<TWindow> decoration, TLocation location)
{
    if (auto* bar = dynamic_cast<TMessageBar*>(decoration.get()))
        MessageBar = bar;
    TWindow* window = decoration.get();
    Decorations.push_back({std::move(decoration), location});
    if (Handle) {
        window->Create();
        Layout();
    }
}

int TDecoratedFrame::DecorationHeight(const TWindow& decoration) const
{
    if (!decoration.GetHandle() || !::IsWindowVisible(decoration.GetHandle()))
        return 0;
    RECT rect = decoration.GetWindowRect();
    return rect.bottom - rect.top;
}

SIZE TDecoratedFrame::DecorationSize()
{
    SIZE size = TFrameWindow::DecorationSize();
    for (const TDecoration& decoration : Decorations)
        size.cy += DecorationHeight(*decoration.Window);
    return size;
}

void TDecoratedFrame::Layout()
{
    RECT inside = GetClientRect();
    int top = 0;
    int bottom = inside.bottom;
    for (const TDecoration& decoration : Decorations) {
        HWND window = decoration.Window->GetHandle();
        if (!window)
            continue;
        // Bars size themselves to the frame's width; their height is their own.
        decoration.Window->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(inside.right, inside.bottom));
        int height = DecorationHeight(*decoration.Window);
        if (decoration.Location == TLocation::Top) {
            ::MoveWindow(window, 0, top, inside.right, height, TRUE);
            top += height;
        } else {
            bottom -= height;
            ::MoveWindow(window, 0, bottom, inside.right, height, TRUE);
        }
    }
    if (Client && Client->GetHandle()) {
        int height = bottom - top;
        ::MoveWindow(Client->GetHandle(), 0, top, inside.right, height > 0 ? height : 0, TRUE);
    }
}

void TDecoratedFrame::ShowHint(const char* hint)
{
    if (MessageBar)
        MessageBar->ShowHint(hint);
}
