#pragma once
// The program's notice: a small fixed window centred on the monitor of its owner (or of the
// pointer) with a caption, the information icon and a few lines of text. It stays above other
// windows without taking the focus. One at a time, driven through ShowMex.
#include "framework/frame_window.h"

#include <memory>
#include <string>
#include <type_traits>

class TQZMex : public TFrameWindow {
public:
    TQZMex(TWindow* parent, const char* caption, const char* text, UINT style);

    bool CanClose() override { return Closable; }
    void SetClosable(bool closable) { Closable = closable; }
    // Takes a new caption, text and style and lays the window out for them.
    void Update(const char* caption, const char* text, UINT style);

    const std::string& GetText() const { return Text; }
    int GetLineCount() const { return LineCount; }
    int GetLineHeight() const { return LineHeight; }
    int GetIconWidth() const { return IconWidth; }
    int GetIconSize() const { return IconSize; }

    static constexpr std::size_t TextRoom = 1000;   // 999 characters and the terminating zero
    static constexpr UINT InformationStyle = MB_ICONINFORMATION;

protected:
    void SetupWindow() override;
    const char* GetClassName() const override { return "QZMex"; }

    LRESULT EvPaint(TMessage& message);
    LRESULT EvNcLButtonDown(TMessage& message);

private:
    void LayoutNotice();
    void Paint(HDC dc) const;

    std::string Text;
    int LineCount = 1;     // lines + 1
    int LineHeight = 0;
    int IconWidth = 0;
    int IconSize = 0;      // the information icon's side in pixels, at the screen's DPI
    int MarginSize = 10;   // the space around text and icon, at the screen's DPI
    bool Closable = true;
    UINT Style;
    std::unique_ptr<std::remove_pointer_t<HICON>, decltype(&::DestroyIcon)> Icon{nullptr, &::DestroyIcon};

    DECLARE_MESSAGE_TABLE()
};

// Shows, updates or removes the one notice. With text or caption: a notice is shown (or the
// one on the screen takes them); with waitMilliseconds of 1 or more it stays that long, the
// thread busy, and goes. With neither: the notice on the screen goes.
void ShowMex(TWindow* parent, const char* text, const char* caption, UINT style, int waitMilliseconds);

// The notice on the screen, or null.
TQZMex* CurrentNotice();

// The side of the information icon at a screen's DPI: 32 pixels at 96 DPI.
int NoticeIconSize(int dpi);
