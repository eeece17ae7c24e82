#pragma once
// The lines of the output in the Preview window, drawn in a fixed-pitch font: the names in
// colour (red where the output encoding cannot hold them), line breaks and tabs as marks when
// asked, the selected entry's lines set apart. A click on a line selects its entry.
#include "framework/handles.h"
#include "framework/window.h"
#include "gen/output_preview.h"

#include <string>
#include <vector>

class TPreviewLines : public TWindow {
public:
    TPreviewLines(TWindow* parent, int id);

    // The lines to show; crLf: the output ends its lines with CR LF (else LF).
    void SetLines(std::vector<TPreviewLine> lines, bool crLf);
    const std::vector<TPreviewLine>& Lines() const { return Shown; }
    void ShowMarks(bool show);
    bool MarksShown() const { return Marks; }
    // The entry whose lines are set apart (-1: none); scrollTo brings its first line into view.
    void SetSelectedEntry(int entry, bool scrollTo);
    int SelectedEntry() const { return Selected; }
    // The entry whose line is at a point of the window; -1 for none.
    int EntryAt(POINT client) const;
    // The lines shown, each with the line end the output gives it, a gap on a line of its own:
    // the window's text (WM_GETTEXT), as the output file holds it where nothing is left out.
    std::string ShownText() const;
    int TopLine() const { return Top; }
    // The font at a scale: ten points on a screen of that many dots per inch.
    void SetDpi(int dpi);
    int LineHeight() const { return CharHeight; }

protected:
    const char* GetClassName() const override { return "StrandelPreviewLines"; }
    void GetWindowClass(WNDCLASSW& windowClass) const override;
    void SetupWindow() override;

    LRESULT EvPaint(TMessage& message);
    LRESULT EvSize(TMessage& message);
    LRESULT EvVScroll(TMessage& message);
    LRESULT EvHScroll(TMessage& message);
    LRESULT EvMouseWheel(TMessage& message);
    LRESULT EvKeyDown(TMessage& message);
    void EvLButtonDown(UINT keys, POINT point);
    LRESULT EvContextMenu(TMessage& message);
    LRESULT EvGetText(TMessage& message);
    LRESULT EvGetTextLength(TMessage& message);
    LRESULT EvGetDlgCode(TMessage& message);

private:
    void UpdateScrollBars();
    void ScrollTo(int line, int column);
    int VisibleLines() const;
    int VisibleColumns() const;

    std::vector<TPreviewLine> Shown;
    TFont Font;
    int CharWidth = 8;
    int CharHeight = 16;
    int Top = 0;        // the first line in view
    int Left = 0;       // the first column in view
    int Widest = 0;     // the longest line, in columns
    int Selected = -1;
    bool Marks = false;
    bool CrLf = true;

    DECLARE_MESSAGE_TABLE()
};

// A preview line as drawn: runs of text of one kind, tabs expanded to the next multiple of 8
// columns (with a mark when marks are shown), the line end's mark last.
struct TDrawnRun {
    enum class TKind { Text, Name, Unwritable, Mark, Gap } Kind;
    std::wstring Text;
};
std::vector<TDrawnRun> DrawnRuns(const TPreviewLine& line, bool marks, bool crLf);
