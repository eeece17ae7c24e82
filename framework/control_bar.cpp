#include "framework/control_bar.h"

#include "framework/decorated_frame.h"
#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/resource_name.h"
#include "framework/status_bar.h"

namespace {
constexpr int ButtonImageSize = 32;   // the pictures as drawn, for 96 DPI
constexpr COLORREF FaceColour = RGB(192, 192, 192);

// The picture at that size, every pixel copied whole (no blurred edges on pixel art).
HBITMAP ScaledPicture(HBITMAP picture, int size)
{
    if (size == ButtonImageSize)
        return picture;
    TBitmap original(picture);
    TClientDC screen(nullptr);
    TMemoryDC from(::CreateCompatibleDC(screen));
    TMemoryDC to(::CreateCompatibleDC(screen));
    HBITMAP scaled = ::CreateCompatibleBitmap(screen, size, size);
    TSelectObject source(from, original);
    TSelectObject target(to, scaled);
    ::SetStretchBltMode(to, COLORONCOLOR);
    ::StretchBlt(to, 0, 0, size, size, from, 0, 0, ButtonImageSize, ButtonImageSize, SRCCOPY);
    return scaled;
}
} // namespace

BEGIN_MESSAGE_TABLE(TControlBar, TControl)
    ON_WM_MOUSEMOVE(EvMouseMove)
    ON_MESSAGE(WM_MOUSELEAVE, EvMouseLeave)
END_MESSAGE_TABLE()

TControlBar::TControlBar(TWindow* parent, HFONT font) : TControl(parent, 0, "", 0, 0, 0, 0), Font(font)
{
    EnsureCommonControls();
    Attr.Style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_TOP | CCS_NOPARENTALIGN | CCS_NORESIZE |
                 CCS_NODIVIDER;
}

TControlBar::~TControlBar()
{
}

void TControlBar::SetupWindow()
{
    TControl::SetupWindow();
    if (Font)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(Font), FALSE);
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    MakeImages(DpiOfWindow(Handle));
    for (const TGadget& gadget : Gadgets)
        AddGadgetToWindow(gadget);
    FitToButtons();
}

void TControlBar::SetDpi(int dpi)
{
    if (!Handle || ScaledToDpi(ButtonImageSize, dpi) == ImageSize)
        return;
    MakeImages(dpi);
    // The buttons keep their places in the list: each picture is added again in their order.
    for (const TGadget& gadget : Gadgets)
        if (gadget.BitmapName)
            AddPicture(gadget.BitmapName);
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(0, 0));   // sized to the new pictures
    FitToButtons();
    Invalidate();
}

void TControlBar::MakeImages(int dpi)
{
    ImageSize = ScaledToDpi(ButtonImageSize, dpi);
    Images.Reset(::ImageList_Create(ImageSize, ImageSize, ILC_COLOR24 | ILC_MASK, 8, 4));
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(static_cast<HIMAGELIST>(Images)));
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(ImageSize, ImageSize));
}

int TControlBar::AddPicture(const char* bitmapName)
{
    TBitmap picture(static_cast<HBITMAP>(
        ::LoadImageW(GetInstance(), TResourceName(bitmapName), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!picture)
        return I_IMAGENONE;
    TBitmap scaled(ScaledPicture(picture.Release(), ImageSize));
    return ::ImageList_AddMasked(Images, scaled, FaceColour);
}

void TControlBar::FitToButtons()
{
    SendMessage(TB_AUTOSIZE);
    // The bar is as high as its buttons.
    RECT button{};
    SendMessage(TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
    RECT parent = GetParentObject() ? GetParentObject()->GetClientRect() : RECT{};
    ::MoveWindow(Handle, 0, 0, parent.right, button.bottom + 2, FALSE);
}

void TControlBar::AddButton(const char* bitmapName, int commandId)
{
    Gadgets.push_back({bitmapName, commandId, 0});
    if (Handle)
        AddGadgetToWindow(Gadgets.back());
}

void TControlBar::AddSeparator(int size)
{
    Gadgets.push_back({nullptr, 0, size});
    if (Handle)
        AddGadgetToWindow(Gadgets.back());
}

void TControlBar::AddGadgetToWindow(const TGadget& gadget)
{
    TBBUTTON button{};
    if (gadget.BitmapName) {
        button.iBitmap = AddPicture(gadget.BitmapName);
        button.idCommand = gadget.CommandId;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = TBSTYLE_BUTTON;
    } else {
        button.iBitmap = gadget.Size;
        button.fsStyle = TBSTYLE_SEP;
    }
    SendMessage(TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
}

int TControlBar::GetButtonCount() const
{
    return static_cast<int>(SendMessage(TB_BUTTONCOUNT));
}

int TControlBar::CommandAt(POINT point) const
{
    int index = static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
    if (index < 0)
        return 0;
    TBBUTTON button{};
    SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
    return (button.fsStyle & TBSTYLE_SEP) ? 0 : button.idCommand;
}

void TControlBar::ShowHintFor(int commandId)
{
    if (commandId == HintCommand)
        return;
    HintCommand = commandId;
    auto* frame = dynamic_cast<TDecoratedFrame*>(GetParentObject());
    TMessageBar* bar = frame ? frame->GetMessageBar() : nullptr;
    if (!bar)
        return;
    if (commandId)
        bar->ShowHint(LoadResourceString(GetInstance(), static_cast<UINT>(commandId)).c_str());
    else
        bar->ShowHint(nullptr);
}

void TControlBar::EvMouseMove(UINT keys, POINT point)
{
    DefaultProcessing();
    if (HintOnEnter || (keys & MK_LBUTTON)) {
        ShowHintFor(CommandAt(point));
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle, 0};
        ::TrackMouseEvent(&track);
    }
}

LRESULT TControlBar::EvMouseLeave(TMessage& message)
{
    LRESULT result = DefaultProcessing(message);
    ShowHintFor(0);
    return result;
}
