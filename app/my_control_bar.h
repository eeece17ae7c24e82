#pragma once
// The main window's tool bar: a 10-point font, hints as soon as the pointer enters a button,
// and its nine gadgets (Create, View, Execute | Html images, Html link, Preview | Clear list).
#include "framework/control_bar.h"

class TMyControlBar : public TControlBar {
public:
    explicit TMyControlBar(TWindow* parent);
};
