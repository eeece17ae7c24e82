#pragma once
// The Preview window: the output file as Create would write it, kept up to date while the user
// edits, beside the main window. It writes nothing: Copy all puts the whole output on the
// clipboard, as Create and copy does.
#include "app/preview_lines.h"
#include "framework/control.h"
#include "framework/dpi.h"
#include "framework/handles.h"
#include "framework/window.h"
#include "gen/line_builder.h"
#include "gen/output_preview.h"

#include <memory>
#include <optional>
#include <string>

class BaseDlg;

class TPreviewWindow : public TWindow {
public:
    explicit TPreviewWindow(BaseDlg& dialog);
    ~TPreviewWindow() override;

    // Shows the window, at its kept place or beside the main window, up to date.
    void Open();
    // Something the output is made of has changed: the lines follow a moment later, once for
    // a burst of changes (a word typed, a list read).
    void Changed();
    // The lines brought up to date now.
    void Rebuild();

    TPreviewLines& LinesView() { return Lines; }
    // What the totals line says; whether the whole output has been counted.
    std::string TotalsText() const { return Totals.GetWindowText(); }
    bool TotalsKnown() const { return !Counting; }

protected:
    const char* GetClassName() const override { return "StrandelPreview"; }
    void SetupWindow() override;

    LRESULT EvSize(TMessage& message);
    LRESULT EvClose(TMessage& message);
    LRESULT EvGetMinMaxInfo(TMessage& message);
    LRESULT EvDpiChanged(TMessage& message);
    void EvWindowPosChanged(const WINDOWPOS& position);
    void EvTimer(UINT_PTR id);
    void CmMarks();
    void CmCopyAll();
    void CmLineClicked();

private:
    void Layout();
    // A length meant for 96 DPI, at the window's scale.
    int Scaled(int pixels) const;
    void MakeCaptionFont();
    void KeepPlace();
    // Counts some more of the whole output; false once every entry is counted.
    bool CountSome();
    void ShowTotals();

    BaseDlg& Dialog;
    TPreviewLines Lines;
    TCheckBox Marks;
    TControl Totals;
    TFont CaptionFont;
    int Dpi = StandardDpi;
    int ShownSelection = -1;   // the list's selection the lines were last built for

    // The whole output counted in idle time, a slice at a time, with the state it was built from.
    std::optional<TLineBuilder> CountBuilder;
    std::unique_ptr<TTotalsCounter> Counter;
    std::string FormatName;
    int CountedTo = 0;
    int EntryCount = 0;
    bool Counting = false;

    DECLARE_MESSAGE_TABLE()
};

// How long after a change the lines are rebuilt: the changes of a burst come in together.
constexpr UINT PreviewDelayMs = 10;
