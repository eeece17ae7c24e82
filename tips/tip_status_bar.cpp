#include "tips/tip_status_bar.h"

#include "tips/tool_tip.h"

THintParts SplitHint(std::string_view hint)
{
    const std::size_t feed = hint.find('\n');
    if (feed == std::string_view::npos)
        return {std::string(hint), {}};
    return {std::string(hint.substr(0, feed)), std::string(hint.substr(feed + 1))};
}

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
    const THintParts parts = SplitHint(hint);
    if (UseTip && tip)
        tip->SetText(parts.Tip.c_str());
    TStatusBar::ShowHint(parts.StatusLine.c_str());
    // A screen reader reads the hint as the bar's new name.
    if (GetHandle())
        ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, GetHandle(), OBJID_CLIENT, CHILDID_SELF);
}
