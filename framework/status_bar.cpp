#include "framework/status_bar.h"

#include "framework/gdi.h"
#include "text/wide_text.h"

#include <commctrl.h>

BEGIN_MESSAGE_TABLE(TMessageBar, TControl)
    ON_MESSAGE(WM_SIZE, EvSize)
END_MESSAGE_TABLE()

TMessageBar::TMessageBar(TWindow* parent, HFONT font) : TControl(parent, 0, "", 0, 0, 0, 0), Font(font)
{
    EnsureCommonControls();
    Attr.Style = WS_CHILD | WS_VISIBLE | CCS_BOTTOM | CCS_NOPARENTALIGN | CCS_NORESIZE;
}

const char* TMessageBar::GetClassName() const
{
    return STATUSCLASSNAMEA;
}

void TMessageBar::SetupWindow()
{
    TControl::SetupWindow();
    FitToFont();
    ShowMessageArea();
}

void TMessageBar::SetFont(HFONT font)
{
    Font = font;
    if (!Handle)
        return;
    FitToFont();
    Invalidate();
}

void TMessageBar::FitToFont()
{
    if (Font)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(Font), FALSE);
    // The bar's height follows its font: the text's height and a border above and below.
    TClientDC dc(Handle);
    TSelectObject select(dc, Font ? Font : reinterpret_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    SendMessage(SB_SETMINHEIGHT, static_cast<WPARAM>(metrics.tmHeight + 4));
    RECT parent = GetParentObject() ? GetParentObject()->GetClientRect() : RECT{};
    ::MoveWindow(Handle, 0, 0, parent.right, metrics.tmHeight + 8, FALSE);
    UpdateParts();
}

void TMessageBar::SetText(const std::string& text)
{
    Text = text;
    ShowMessageArea();
}

void TMessageBar::ShowHint(const char* hint)
{
    HintShowing = hint != nullptr;
    Hint = hint ? hint : "";
    ShowMessageArea();
}

std::string TMessageBar::GetShownText() const
{
    return HintShowing ? Hint : Text;
}

void TMessageBar::ShowMessageArea()
{
    if (Handle)
        SendMessage(SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(GetShownText()).c_str()));
}

void TMessageBar::UpdateParts()
{
    int right = -1;
    SendMessage(SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
}

LRESULT TMessageBar::EvSize(TMessage& message)
{
    LRESULT result = DefaultProcessing(message);
    UpdateParts();
    return result;
}

// ---- TStatusBar ----

TStatusBar::TStatusBar(TWindow* parent, TBorderStyle border, unsigned, HFONT font) : TMessageBar(parent, font)
{
    if (border == TBorderStyle::Recessed)
        Attr.ExStyle |= WS_EX_STATICEDGE;
}

void TStatusBar::AddTextGadget(int id, const std::string& text, int widthInChars, TAlign align)
{
    Gadgets.push_back({id, text, widthInChars, align});
    if (Handle) {
        UpdateParts();
        ShowGadget(Gadgets.size() - 1);
    }
}

void TStatusBar::SetGadgetText(int id, const std::string& text)
{
    for (std::size_t i = 0; i < Gadgets.size(); ++i)
        if (Gadgets[i].Id == id) {
            Gadgets[i].Text = text;
            ShowGadget(i);
        }
}

std::string TStatusBar::GetGadgetText(int id) const
{
    for (const TTextGadget& gadget : Gadgets)
        if (gadget.Id == id)
            return gadget.Text;
    return {};
}

int TStatusBar::AverageCharWidth() const
{
    TClientDC dc(Handle);
    TSelectObject select(dc, Font ? Font : reinterpret_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    return metrics.tmAveCharWidth;
}

void TStatusBar::UpdateParts()
{
    if (!Handle)
        return;
    RECT bar = GetClientRect();
    int charWidth = AverageCharWidth();
    std::vector<int> rights(Gadgets.size() + 1);
    int right = bar.right;
    for (std::size_t i = Gadgets.size(); i-- > 0;) {
        rights[i + 1] = right;
        right -= Gadgets[i].WidthInChars * charWidth + 8;   // text and the border's margins
    }
    rights[0] = right;
    if (!Gadgets.empty())
        rights.back() = -1;
    SendMessage(SB_SETPARTS, static_cast<WPARAM>(rights.size()), reinterpret_cast<LPARAM>(rights.data()));
    ShowMessageArea();
    for (std::size_t i = 0; i < Gadgets.size(); ++i)
        ShowGadget(i);
}

void TStatusBar::ShowGadget(std::size_t index)
{
    if (!Handle)
        return;
    const TTextGadget& gadget = Gadgets[index];
    // Text after two tabs is right-aligned in its part.
    std::string shown = gadget.Align == TAlign::Right ? "\t\t" + gadget.Text : gadget.Text;
    SendMessage(SB_SETTEXTW, index + 1, reinterpret_cast<LPARAM>(Wide(shown).c_str()));
}
