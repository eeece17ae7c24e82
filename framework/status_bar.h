#pragma once
// The status bar at the bottom of a decorated frame: a message area that shows its text or,
// while there is one, a hint; then text gadgets.
#include "framework/control.h"

#include <string>
#include <vector>

class TMessageBar : public TControl {
public:
    // font: used for the bar, not owned; null keeps the system's.
    explicit TMessageBar(TWindow* parent, HFONT font = nullptr);

    // The message area's own text, shown whenever no hint is.
    void SetText(const std::string& text);
    const std::string& GetText() const { return Text; }
    // A hint replaces the text until a null hint takes it away.
    virtual void ShowHint(const char* hint);
    // What the message area shows now.
    std::string GetShownText() const;
    // Another font (a screen of another scale): the bar takes the height it needs.
    void SetFont(HFONT font);

    void SetupWindow() override;

protected:
    const char* GetClassName() const override;
    // Sets the widths of the message area and the gadgets to fit the bar.
    virtual void UpdateParts();
    void ShowMessageArea();
    void FitToFont();

    LRESULT EvSize(TMessage& message);

    HFONT Font;
    std::string Text;
    std::string Hint;
    bool HintShowing = false;

    DECLARE_MESSAGE_TABLE()
};

class TStatusBar : public TMessageBar {
public:
    enum class TBorderStyle { None, Recessed };
    enum class TAlign { Left, Right };

    TStatusBar(TWindow* parent, TBorderStyle border, unsigned modeIndicators, HFONT font);

    // A text gadget after the message area, widthInChars average characters wide.
    void AddTextGadget(int id, const std::string& text, int widthInChars, TAlign align = TAlign::Left);
    void SetGadgetText(int id, const std::string& text);
    std::string GetGadgetText(int id) const;
    int GetGadgetCount() const { return static_cast<int>(Gadgets.size()); }

protected:
    void UpdateParts() override;

private:
    struct TTextGadget {
        int Id;
        std::string Text;
        int WidthInChars;
        TAlign Align;
    };
    void ShowGadget(std::size_t index);
    int AverageCharWidth() const;

    std::vector<TTextGadget> Gadgets;
};
