#include "tips/tip_status_bar.h"

#include "tips/tool_tip.h"

#include <string>

TTipStatusBar::TTipStatusBar(TWindow* parent, TBorderStyle border, unsigned modeIndicators, HFONT font)
    : TStatusBar(parent, border, modeIndicators, font)
{
    QZTToolTip* tip = ::GetToolTip();
    if (!tip) {
        tip = new QZTToolTip(std::make_unique<TToolTipFont>());
        OwnsTip = 1;
    }
    SavedKeepFlag = tip->GetKeepFlag();
    tip->SetKeepFlag(&UseTip);
    Tip = tip;
}

TTipStatusBar::~TTipStatusBar()
{
    if (QZTToolTip* tip = GetTip()) {
        // Only a flag still pointing here is given back: another bar may have put its own since.
        if (tip->GetKeepFlag() == &UseTip)
            tip->SetKeepFlag(SavedKeepFlag);
        if (OwnsTip)
            delete tip;   // takes its hook and the process's pointer with it
    }
    Tip = nullptr;
}

QZTToolTip* TTipStatusBar::GetTip() const
{
    // The process's tip may have gone (or been replaced) since this bar found it.
    return Tip && Tip == ::GetToolTip() ? Tip : nullptr;
}

void TTipStatusBar::ShowHint(const char* hint)
{
    QZTToolTip* tip = GetTip();
    if (!hint) {
        if (tip)
            tip->SetText(nullptr);
        TStatusBar::ShowHint(nullptr);
        return;
    }
    // Only the first line feed divides; later ones make a tip of several lines.
    std::string longPart = hint;
    std::string shortPart;
    if (std::string::size_type feed = longPart.find('\n'); feed != std::string::npos) {
        shortPart = longPart.substr(feed + 1);
        longPart.resize(feed);
    }
    if (UseTip && tip)
        tip->SetText(shortPart.c_str());
    TStatusBar::ShowHint(longPart.c_str());
}
