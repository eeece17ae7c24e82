#include "app/my_window.h"

#include "app/base_dlg.h"
#include "app/elevated_messages.h"
#include "app/my_control_bar.h"
#include "app/program_font.h"
#include "app/program_state.h"
#include "app/readable_memory.h"
#include "app/settings_location.h"
#include "app/templates_menu.h"
#include "framework/choose_font_dialog.h"
#include "framework/dpi.h"
#include "framework/font.h"
#include "framework/message_box.h"
#include "res/resource.h"
#include "settings/profile.h"
#include "settings/settings.h"
#include "tips/tip_status_bar.h"

#include "text/wide_text.h"

#include <exception>
#include <map>
#include <optional>

const UINT TMyWindow::HandOffMessage = ::RegisterWindowMessageW(Wide(MainWindowClass).c_str());

BEGIN_MESSAGE_TABLE(TMyWindow, TDecoratedFrame)
    ON_WM_COPYDATA(EvCopyData)
    ON_REGISTERED(TMyWindow::HandOffMessage, EvHandOff)
    ON_WM_MENUSELECT(EvMenuSelect)
    ON_MESSAGE(WM_INITMENUPOPUP, EvInitMenuPopup)
    ON_COMMAND(IDM_CHANGEFONT, CmChangeFont)
    ON_MESSAGE(WM_DPICHANGED, EvDpiChanged)
END_MESSAGE_TABLE()

LRESULT TMyWindow::EvDpiChanged(TMessage& message)
{
    // Moved to a monitor of another scale: the system's rectangle keeps the window where it was
    // on the screen at the new scale, and the dialog zooms its controls and fonts to the new size.
    // The bars are not zoomed: their pictures and font are made again for the new scale.
    const auto* suggested = reinterpret_cast<const RECT*>(message.LParam);
    if (!suggested)
        return DefaultProcessing(message);
    const int dpi = HIWORD(message.WParam);
    if (StatusBar)
        StatusBar->SetFont(StatusBarFont(dpi));
    if (ToolBar)
        ToolBar->SetDpi(dpi);
    const RECT before = GetWindowRect();
    ::SetWindowPos(Handle, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (::EqualRect(&before, suggested))
        Layout();   // the same size: no WM_SIZE lays the bars out
    return 0;
}

HFONT StatusBarFont(int dpi)
{
    static std::map<int, TFont> fonts;   // one per scale the window has been shown at
    TFont& font = fonts[dpi];
    if (!font) {
        if (const std::optional<LOGFONTW> system = SystemStatusBarFont(dpi))
            font.Reset(::CreateFontIndirectW(&*system));
        else
            font.Reset(PointFont("MS Sans Serif", 9));
    }
    return font;
}

TMyWindow::TMyWindow(TWindow* parent, const char* title) : TDecoratedFrame(parent, title, nullptr, true)
{
    SetShrinkToClient(true);
}

void TMyWindow::SetupWindow()
{
    try {
        ProgramFont.Reset(BuildProgramFont(*MakeProgramProfile(), SettingsFileName(), DefaultSectionName));
        auto client = std::make_unique<BaseDlg>(this, "DLG_PROVA", ProgramFont, StatusBar);
        Client = client.get();
        Client->ClearStyle(WS_BORDER);
        SetClientWindow(std::move(client));
    } catch (const std::exception& error) {
        MessageBoxText(nullptr, error.what(), "Exception QZ", MB_OK);
    }

    // A shortcut set to run minimised passes SW_SHOWMINNOACTIVE; the window is restored
    // here and minimised again at the first idle moment.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    if (startup.wShowWindow == SW_SHOWMINNOACTIVE)
        Show(SW_RESTORE);
    Show(SW_SHOW);

    // Makes the client and the bars; the client's set-up then runs with the window shown.
    TDecoratedFrame::SetupWindow();
    // Started on a monitor of another scale than the system's: the status bar's font of that scale.
    if (const int dpi = DpiOfWindow(Handle); StatusBar && dpi != SystemDpi()) {
        StatusBar->SetFont(StatusBarFont(dpi));
        Layout();
    }

    // Run as administrator, the window still takes files from Explorer and other copies.
    LetHandOffAndDropsThrough(Handle);
}

bool TMyWindow::PreProcessMsg(MSG& msg)
{
    // Templates-menu items go to the client before their normal dispatch, and only there:
    // dispatched too, the frame would pass them on to the client a second time.
    if (msg.message == WM_COMMAND && msg.hwnd == Handle && Client && Client->GetHandle() &&
        IsTemplateItem(LOWORD(msg.wParam))) {
        Client->SendMessage(msg.message, msg.wParam, msg.lParam);
        return true;
    }
    return TDecoratedFrame::PreProcessMsg(msg);
}

LRESULT TMyWindow::EvCopyData(HWND sender, const COPYDATASTRUCT* record)
{
    if (!Client || !Client->GetHandle())
        return -1;
    return Client->SendMessage(WM_COPYDATA, reinterpret_cast<WPARAM>(sender), reinterpret_cast<LPARAM>(record));
}

LRESULT TMyWindow::EvHandOff(TMessage& message)
{
    // The record is an address in this process: sent from another thread or process, or
    // posted, it could point anywhere, so it is read only when sent from this thread and
    // only where this process may read.
    const auto* record = reinterpret_cast<const COPYDATASTRUCT*>(message.LParam);
    if (::InSendMessageEx(nullptr) != ISMEX_NOSEND || !IsReadableMemory(record, sizeof *record) ||
        !IsReadableMemory(record->lpData, record->cbData))
        return 0;
    if (Client && Client->GetHandle())
        Client->ReceiveFile(record, message.WParam);
    return 0;
}

void TMyWindow::CmChangeFont()
{
    const std::unique_ptr<TProfile> settings = MakeProgramProfile();
    TProfile& profile = *settings;
    const std::string& file = SettingsFileName();
    TChooseFontDialog::TData data;
    data.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_FORCEFONTEXIST;
    // At this screen's size: the dialog shows the points the font was chosen in.
    data.LogFont = FontForScreen(profile, file, DefaultSectionName, FontDialogHeight, SystemDpi());
    data.FontType = SCREEN_FONTTYPE;
    if (TChooseFontDialog(this, data).Execute() != IDOK)
        return;
    if (WriteFontKeys(profile, file, DefaultSectionName, data.LogFont, data.PointSize))
        MessageBoxText(Handle, "Please restart the program to changes take effect", ProgramTitle, MB_OK);
    else
        MessageBoxText(Handle, "The font could not be saved in " + file + ".", ProgramTitle, MB_OK | MB_ICONWARNING);
}

void TMyWindow::EvMenuSelect(UINT item, UINT flags, HMENU menu)
{
    // A Templates item's hint is the client's to find: it goes through the client's own routing.
    if (IsTemplateItem(item) && Client && Client->GetHandle())
        Client->ReceiveMessage(WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(menu));
    else
        TDecoratedFrame::EvMenuSelect(item, flags, menu);
}

LRESULT TMyWindow::EvInitMenuPopup(TMessage& message)
{
    LRESULT result = DefaultProcessing(message);
    if (StatusBar)
        StatusBar->ShowHint(nullptr);
    TrackedMenuItem = 0;
    return result;
}

std::unique_ptr<TMyWindow> BuildMainWindow()
{
    auto frame = std::make_unique<TMyWindow>(nullptr, ProgramTitle);
    frame->SetIcon(IDI_STRANDEL);
    frame->AssignMenu("MENU_PROVA");

    auto statusBar =
        std::make_unique<TTipStatusBar>(frame.get(), TStatusBar::TBorderStyle::None, 0, StatusBarFont(SystemDpi()));
    statusBar->AddTextGadget(0, "Ready", 5, TStatusBar::TAlign::Right);
    MainStatusBar = statusBar.get();
    frame->SetStatusBar(statusBar.get());
    frame->Insert(std::move(statusBar), TDecoratedFrame::TLocation::Bottom);

    auto toolBar = std::make_unique<TMyControlBar>(frame.get());
    frame->SetToolBar(toolBar.get());
    frame->Insert(std::move(toolBar), TDecoratedFrame::TLocation::Top);
    return frame;
}
