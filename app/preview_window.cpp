#include "app/preview_window.h"

#include "app/base_dlg.h"
#include "app/program_font.h"
#include "framework/monitor_area.h"
#include "gen/file_list.h"
#include "res/resource.h"
#include "text/wide_text.h"

#include <algorithm>
#include <chrono>

namespace {

enum : UINT_PTR { RebuildTimer = 1, CountTimer = 2 };
constexpr int CountSliceMs = 8;   // counting gives the user's messages a turn this often

std::string FormatDescription(const TOutputFormat& format)
{
    std::string encoding;
    switch (format.Encoding) {
    case TOutputEncoding::Utf8: encoding = "UTF-8"; break;
    case TOutputEncoding::Utf8Bom: encoding = "UTF-8 with BOM"; break;
    case TOutputEncoding::Ansi: encoding = "ANSI (code page " + std::to_string(format.CodePage) + ")"; break;
    case TOutputEncoding::Utf16Le: encoding = "UTF-16 LE"; break;
    }
    return encoding + (format.LineEnds == TLineEnds::CrLf ? ", CR LF" : ", LF");
}

std::string Plural(std::uint64_t count, const char* one, const char* many)
{
    return GroupedCount(count) + " " + (count == 1 ? one : many);
}

} // namespace

BEGIN_MESSAGE_TABLE(TPreviewWindow, TWindow)
    ON_MESSAGE(WM_SIZE, EvSize)
    ON_MESSAGE(WM_CLOSE, EvClose)
    ON_MESSAGE(WM_GETMINMAXINFO, EvGetMinMaxInfo)
    ON_MESSAGE(WM_DPICHANGED, EvDpiChanged)
    ON_WM_WINDOWPOSCHANGED(EvWindowPosChanged)
    ON_WM_TIMER(EvTimer)
    ON_CONTROL(BN_CLICKED, IDC_PREVIEW_MARKS, CmMarks)
    ON_CONTROL(LBN_SELCHANGE, IDC_PREVIEW_LINES, CmLineClicked)
    ON_COMMAND(IDM_PREVIEW_COPYALL, CmCopyAll)
END_MESSAGE_TABLE()

TPreviewWindow::TPreviewWindow(BaseDlg& dialog)
    : TWindow(nullptr, "Preview"),
      Dialog(dialog),
      Lines(this, IDC_PREVIEW_LINES),
      Marks(this, IDC_PREVIEW_MARKS, "Show line breaks and tabs", 0, 0, 10, 10),
      Totals(this, IDC_PREVIEW_TOTALS, "", 0, 0, 10, 10)
{
    Attr.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    Attr.ExStyle = WS_EX_TOOLWINDOW;
    Marks.Attr.Style |= BS_AUTOCHECKBOX | WS_TABSTOP;
    Totals.Attr.Style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_ENDELLIPSIS;
}

TPreviewWindow::~TPreviewWindow() = default;

void TPreviewWindow::SetupWindow()
{
    TWindow::SetupWindow();
    Dpi = DpiOfWindow(Handle);
    MakeCaptionFont();
    Layout();
}

int TPreviewWindow::Scaled(int pixels) const
{
    return ScaledToDpi(pixels, Dpi);
}

void TPreviewWindow::MakeCaptionFont()
{
    if (const std::optional<NONCLIENTMETRICSW> metrics = NonClientMetricsForDpi(Dpi))
        CaptionFont.Reset(::CreateFontIndirectW(&metrics->lfMessageFont));
    for (const TWindow* control : {static_cast<const TWindow*>(&Marks), static_cast<const TWindow*>(&Totals)})
        control->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(CaptionFont.Get()), TRUE);
}

LRESULT TPreviewWindow::EvDpiChanged(TMessage& message)
{
    // On a monitor of another scale: the suggested place, and every font and margin at the scale.
    const auto* suggested = reinterpret_cast<const RECT*>(message.LParam);
    if (!suggested)
        return DefaultProcessing(message);
    Dpi = HIWORD(message.WParam);
    MakeCaptionFont();
    Lines.SetDpi(Dpi);
    ::SetWindowPos(Handle, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
    return 0;
}

void TPreviewWindow::Open()
{
    if (!Handle) {
        // Owned by the main window: above it, minimised and closed with it.
        HWND frame = ::GetAncestor(Dialog.GetHandle(), GA_ROOT);
        Dpi = DpiOfWindow(frame);
        const TSettings& settings = Dialog.Settings();
        if (settings.PreviewWidth > 0 && settings.PreviewHeight > 0) {
            Attr.X = settings.PreviewLeft;
            Attr.Y = settings.PreviewTop;
            Attr.W = settings.PreviewWidth;
            Attr.H = settings.PreviewHeight;
        } else {
            // Beside the main window, on the side with room; narrower where neither side has enough.
            RECT main{};
            ::GetWindowRect(frame, &main);
            const RECT work = MonitorAreaOfWindow(frame).Work;
            const int roomRight = work.right - main.right, roomLeft = main.left - work.left;
            Attr.W = std::max(Scaled(320), std::min<int>(Scaled(560), std::max(roomRight, roomLeft)));
            Attr.H = std::max<int>(main.bottom - main.top, Scaled(400));
            if (roomRight >= Attr.W || roomRight >= roomLeft)
                Attr.X = std::min<int>(main.right, work.right - Attr.W);
            else
                Attr.X = std::max<int>(work.left, main.left - Attr.W);
            Attr.Y = main.top;
        }
        if (!Create())
            return;
        ::SetWindowLongPtrW(Handle, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(frame));
        // A place kept from a screen that is gone: on the nearest monitor again.
        RECT place = GetWindowRect();
        const RECT work = MonitorAreaOfWindow(Handle).Work;
        RECT seen{};
        if (!::IntersectRect(&seen, &place, &work)) {
            const POINT corner = CentredIn(work, {place.right - place.left, place.bottom - place.top});
            ::SetWindowPos(Handle, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    Show(SW_SHOWNORMAL);
    Rebuild();
    KeepPlace();
}

void TPreviewWindow::Changed()
{
    if (!Handle || !IsWindowVisible())
        return;
    // What is being counted is about to change: the count starts again after the rebuild.
    ::KillTimer(Handle, CountTimer);
    ::SetTimer(Handle, RebuildTimer, PreviewDelayMs, nullptr);
}

void TPreviewWindow::Rebuild()
{
    if (!Handle)
        return;
    ::KillTimer(Handle, RebuildTimer);
    Dialog.ControlsToSettings();
    const TSettings& settings = Dialog.Settings();
    const TFileList& list = Dialog.FileList();
    const TOutputFormat format = OutputFormatOf(settings);
    const int selected = list.Selected();
    SetWindowText("Preview (not written yet): " + settings.FileOutput);

    EntryCount = list.Count();
    CountBuilder.reset();
    Counter.reset();
    FormatName = FormatDescription(format);
    if (EntryCount == 0) {
        TPreviewLine empty;
        empty.Gap = true;
        empty.Text = "The list is empty: drop files on Strandel to see the lines Create writes for them.";
        std::vector<TPreviewLine> lines;
        lines.push_back(std::move(empty));
        Lines.SetLines(std::move(lines), format.LineEnds == TLineEnds::CrLf);
        Counting = false;
        ::KillTimer(Handle, CountTimer);
        Totals.SetWindowText("No files in the list: Create writes nothing.");
        return;
    }
    TLineBuilder builder = Dialog.MakeLineBuilder();
    Lines.SetLines(BuildPreview(builder, list, format, selected), format.LineEnds == TLineEnds::CrLf);
    Lines.SetSelectedEntry(selected, selected != ShownSelection);
    ShownSelection = selected;

    // The totals: counted after the lines are on the screen, a slice at a time.
    CountBuilder.emplace(Dialog.MakeLineBuilder());
    Counter = std::make_unique<TTotalsCounter>(format);
    Counter->Add(CountBuilder->BuildMainHead());
    CountedTo = 0;
    Counting = true;
    // A list shown whole is counted at once; a longer one after the lines are on the screen.
    if (EntryCount <= 2 * TPreviewShape{}.Edge && !CountSome())
        return;
    Totals.SetWindowText(Plural(static_cast<std::uint64_t>(EntryCount), "entry", "entries") +
                         ": counting the lines and bytes...");
    ::SetTimer(Handle, CountTimer, 1, nullptr);
}

bool TPreviewWindow::CountSome()
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(CountSliceMs);
    std::string line;
    while (CountedTo < EntryCount) {
        // A check of the clock every few lines: each costs little.
        for (int i = 0; i < 64 && CountedTo < EntryCount; ++i, ++CountedTo) {
            CountBuilder->BuildLine(CountedTo, nullptr, line);
            Counter->Add(line);
        }
        if (std::chrono::steady_clock::now() >= end)
            return true;
    }
    Counter->Add(CountBuilder->BuildMainQueue());
    Counting = false;
    ::KillTimer(Handle, CountTimer);
    ShowTotals();
    return false;
}

void TPreviewWindow::ShowTotals()
{
    const TOutputTotals totals = Counter->Totals();
    Totals.SetWindowText(Plural(static_cast<std::uint64_t>(EntryCount), "entry", "entries") + ": " +
                         Plural(totals.Lines, "line", "lines") + ", " + Plural(totals.Bytes, "byte", "bytes") +
                         " in " + FormatName);
}

void TPreviewWindow::EvTimer(UINT_PTR id)
{
    if (id == RebuildTimer) {
        Rebuild();
        return;
    }
    if (id == CountTimer && Counting)
        CountSome();
}

void TPreviewWindow::Layout()
{
    if (!Handle)
        return;
    const RECT client = GetClientRect();
    const int pad = Scaled(4);
    const int bar = Scaled(22);
    const int boxWidth = Scaled(190);
    ::MoveWindow(Totals.GetHandle(), pad, pad + Scaled(3), std::max<int>(0, client.right - boxWidth - 3 * pad), bar - Scaled(3), TRUE);
    ::MoveWindow(Marks.GetHandle(), std::max<int>(pad, client.right - boxWidth - pad), pad, boxWidth, bar, TRUE);
    const int top = bar + 2 * pad;
    ::MoveWindow(Lines.GetHandle(), 0, top, client.right, std::max<int>(0, client.bottom - top), TRUE);
}

LRESULT TPreviewWindow::EvSize(TMessage& message)
{
    Layout();
    return DefaultProcessing(message);
}

LRESULT TPreviewWindow::EvGetMinMaxInfo(TMessage& message)
{
    auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
    info->ptMinTrackSize = {Scaled(300), Scaled(160)};
    return 0;
}

void TPreviewWindow::EvWindowPosChanged(const WINDOWPOS& position)
{
    DefaultProcessing();
    if (!(position.flags & SWP_NOMOVE) || !(position.flags & SWP_NOSIZE))
        KeepPlace();
}

// The place of a normal window goes to the settings, which the main window saves on closing.
void TPreviewWindow::KeepPlace()
{
    if (!Handle || !IsWindowVisible() || ::IsIconic(Handle) || ::IsZoomed(Handle))
        return;
    const RECT place = GetWindowRect();
    TSettings& settings = Dialog.Settings();
    settings.PreviewLeft = place.left;
    settings.PreviewTop = place.top;
    settings.PreviewWidth = place.right - place.left;
    settings.PreviewHeight = place.bottom - place.top;
}

// Closing hides the window: F5 brings it back as it was.
LRESULT TPreviewWindow::EvClose(TMessage&)
{
    KeepPlace();
    ::KillTimer(Handle, RebuildTimer);
    ::KillTimer(Handle, CountTimer);
    Counting = false;
    Show(SW_HIDE);
    return 0;
}

void TPreviewWindow::CmMarks()
{
    Lines.ShowMarks(Marks.IsChecked());
}

void TPreviewWindow::CmCopyAll()
{
    Dialog.CopyAllOutput();
}

void TPreviewWindow::CmLineClicked()
{
    const int entry = Lines.SelectedEntry();
    if (entry < 0 || entry >= Dialog.FileList().Count())
        return;
    ShownSelection = entry;   // the list follows the lines: no scrolling back
    Dialog.FileList().Select(entry);
    Dialog.UpdateCounter();
}
