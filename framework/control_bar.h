#pragma once
// The tool bar at the top of a decorated frame: command buttons with pictures and separators.
// The hint of the button under the pointer goes to the frame's message bar.
#include "framework/control.h"
#include "framework/handles.h"

#include <commctrl.h>

#include <vector>

class TControlBar : public TControl {
public:
    explicit TControlBar(TWindow* parent, HFONT font = nullptr);
    ~TControlBar() override;

    // A button that sends the command, showing the bitmap resource (32 x 32; silver shows the face).
    void AddButton(const char* bitmapName, int commandId);
    void AddSeparator(int size);
    // Hints are shown as soon as the pointer enters a button, not only when it is pressed.
    void SetHintModeEnter(bool enter) { HintOnEnter = enter; }
    int GetButtonCount() const;
    // The pictures drawn again for a screen of another scale, and the bar sized to them.
    void SetDpi(int dpi);
    int GetImageSize() const { return ImageSize; }
    // The command of the button at a point of the bar, 0 for none.
    int CommandAt(POINT point) const;

    void SetupWindow() override;

protected:
    const char* GetClassName() const override { return TOOLBARCLASSNAMEA; }
    void EvMouseMove(UINT keys, POINT point);
    LRESULT EvMouseLeave(TMessage& message);

    DECLARE_MESSAGE_TABLE()

private:
    struct TGadget {
        const char* BitmapName;   // null for a separator
        int CommandId;
        int Size;
    };
    void AddGadgetToWindow(const TGadget& gadget);
    void MakeImages(int dpi);
    // The picture of the bitmap resource in the image list (its index; I_IMAGENONE for none).
    int AddPicture(const char* bitmapName);
    void FitToButtons();
    void ShowHintFor(int commandId);

    HFONT Font;
    TImageList Images;
    int ImageSize = 32;   // the buttons' pictures on this screen
    std::vector<TGadget> Gadgets;
    bool HintOnEnter = false;
    int HintCommand = 0;
};
