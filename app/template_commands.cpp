// Templates: saved sets of texts and options, opened from a file dialog or the Templates menu.
#include "app/base_dlg.h"

#include "app/program_names.h"
#include "app/program_state.h"
#include "app/templates_menu.h"
#include "app/write_failure.h"
#include "controls/notice_window.h"
#include "framework/file_dialog.h"
#include "framework/gdi.h"
#include "framework/resource_name.h"
#include "gen/list_history.h"
#include "res/resource.h"
#include "settings/profile.h"
#include "settings/template_file.h"
#include "text/utf16_text.h"

namespace {

constexpr std::size_t TemplateNameRoom = 260;   // 259 characters of a template's name
constexpr int MenuTitleRoom = 31;               // the Templates menu's title, 30 characters
constexpr std::size_t DescriptionMax = 899;     // characters of a template's h_menuhelp

TOpenSaveDialog::TData TemplateDialog(DWORD extraFlags)
{
    TOpenSaveDialog::TData data;
    data.Filter = "Head&Queue\0*.hqd\0";
    data.Title = "Save Head & Queue";
    data.DefExt = "hqd";
    data.InitialDir = ProgramFolder;
    data.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_CREATEPROMPT | extraFlags;
    data.NameRoom = TemplateNameRoom;
    return data;
}

} // namespace

void BaseDlg::SaveTemplate()
{
    ControlsToSettings();
    TOpenSaveDialog::TData data = TemplateDialog(OFN_OVERWRITEPROMPT);
    data.FileName = SettingsRecord->TemplateFile;
    if (!TOpenSaveDialog(this, TOpenSaveDialog::TKind::Save, data).Execute())
        return;
    // Loaded back only when written whole: a failed save would empty the fields.
    const TWriteResult written = WriteTemplateFile(*SettingsRecord, *Profile, data.FileName,
                                                   Header.GetText(FieldTextMax), Queue.GetText(FieldTextMax));
    if (!written) {
        const std::string text = written.IsInUse() ? OpenInAnotherProgramText(data.FileName)
                                                   : "The template could not be saved in " + data.FileName + ".";
        Say(text.c_str(), ProgramTitle, MB_OK | MB_ICONWARNING);
        return;
    }
    ApplyTemplate(data.FileName);
    // A new template in the program's folder is on the Templates menu at once.
    BuildTemplatesMenu();
}

void BaseDlg::OpenTemplate()
{
    TOpenSaveDialog::TData data = TemplateDialog(0);
    if (TOpenSaveDialog(this, TOpenSaveDialog::TKind::Open, data).Execute())
        LoadTemplate(data.FileName);
}

namespace {

// The texts and settings on one side of a template choice, put back by Undo or Redo.
class TTemplateChoice : public THistoryState {
public:
    TTemplateChoice(BaseDlg& dialog, TDialogTexts texts) : Dialog(dialog), Texts(std::move(texts)) {}
    void Restore() const override { Dialog.RestoreTexts(Texts); }
    std::size_t MemoryBytes() const override
    {
        const TSettings& s = Texts.Settings;
        return sizeof *this + Texts.Header.capacity() + Texts.Queue.capacity() + Texts.Caption.capacity() +
               s.FileOutput.capacity() + s.TemplateFile.capacity() + s.RelPath.capacity() + s.MainHead.capacity() +
               s.MainQueue.capacity() + s.ImageExt.capacity();
    }

private:
    BaseDlg& Dialog;
    TDialogTexts Texts;
};

std::string CaptionOf(HWND window)
{
    if (!window)
        return {};
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

} // namespace

TDialogTexts BaseDlg::CaptureTexts()
{
    ControlsToSettings();
    HWND frame = ::GetParent(Handle);
    return {*SettingsRecord, Header.GetText(FieldTextMax), Queue.GetText(FieldTextMax),
            CaptionOf(frame)};
}

void BaseDlg::RestoreTexts(const TDialogTexts& texts)
{
    *SettingsRecord = texts.Settings;
    Header.SetText(texts.Header);
    Queue.SetText(texts.Queue);
    if (HWND frame = ::GetParent(Handle))
        ::SetWindowTextW(frame, Wide(texts.Caption).c_str());
    SettingsToControls();
}

void BaseDlg::LoadTemplate(const std::string& fileName)
{
    TDialogTexts before = CaptureTexts();
    if (!ApplyTemplate(fileName))
        return;
    History->RecordState(std::make_unique<TTemplateChoice>(*this, std::move(before)),
                         std::make_unique<TTemplateChoice>(*this, CaptureTexts()));
}

bool BaseDlg::ApplyTemplate(const std::string& fileName)
{
    ControlsToSettings();
    // A template gone since the menu was made would only empty the user's texts.
    if (::GetFileAttributesW(Wide(fileName).c_str()) == INVALID_FILE_ATTRIBUTES) {
        Say(("The template " + fileName + " is not there any more.").c_str(), ProgramTitle, MB_OK | MB_ICONWARNING);
        return false;
    }
    // A file that is not a template would only empty the user's texts: it changes nothing.
    std::string header, queue;
    if (!ReadTemplateFile(*SettingsRecord, *Profile, fileName, header, queue)) {
        Say(("The file " + fileName + " holds no template; nothing was changed.").c_str(), ProgramTitle,
            MB_OK | MB_ICONWARNING);
        return false;
    }
    SettingsRecord->TemplateFile = fileName;
    ::SetWindowTextW(::GetParent(Handle), Wide(std::string(ProgramTitle) + " - " + TemplateTitle(fileName)).c_str());
    Header.SetText(header);
    Queue.SetText(queue);
    SettingsToControls();
    return true;
}

LRESULT BaseDlg::CmTemplateItem(TMessage& message)
{
    const std::string file = Templates ? Templates->FileOf(static_cast<UINT>(message.CommandId())) : "";
    if (!file.empty())
        LoadTemplate(file);
    return 0;
}

void BaseDlg::BuildTemplatesMenu()
{
    TMenuHandle resource(::LoadMenuW(GetInstance(), L"MENU_PLUGIN"));
    TMenuHandle popup(resource ? ::GetSubMenu(resource, 0) : nullptr);
    if (!popup)
        return;
    ::RemoveMenu(resource, 0, MF_BYPOSITION);   // the popup is ours now, not the resource's
    wchar_t title[MenuTitleRoom] = L"";
    ::GetMenuStringW(popup, 0, title, MenuTitleRoom, MF_BYPOSITION);
    ::DeleteMenu(popup, 0, MF_BYPOSITION);

    const std::string section = SettingsRecord->SectionName;
    auto describe = [this, section](const std::string& file) {
        return std::string(CutToUtf16Units(
            Profile->ReadString(file, section, "h_menuhelp", "", DescriptionMax * 3 + 1), DescriptionMax));
    };
    auto templates = std::make_unique<TTemplatesMenu>(popup, IDM_TEMPLATE_FIRST, describe);
    // Without a program folder there is nothing to offer (the scan would start at the drive's root).
    if (!ProgramFolder.empty())
        templates->AddFolderToMenu(ProgramFolder, nullptr, ".hqd", IDM_TEMPLATE_FIRST);
    templates->RemoveEmptySubmenus();

    HWND frame = ::GetParent(Handle);
    HMENU bar = frame ? ::GetMenu(frame) : nullptr;
    // Made again (after Save Template): the new menu takes the old one's place.
    UINT position = 1;
    if (bar && Templates)
        for (int i = ::GetMenuItemCount(bar) - 1; i >= 0; --i)
            if (::GetSubMenu(bar, i) == Templates->Menu()) {
                ::DeleteMenu(bar, static_cast<UINT>(i), MF_BYPOSITION);
                position = static_cast<UINT>(i);
            }
    Templates = std::move(templates);
    if (bar && ::InsertMenuW(bar, position, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(HMENU(popup)), title)) {
        popup.Release();   // the menu bar owns it
        ::DrawMenuBar(frame);
    }
}

std::string BaseDlg::TemplateHint(UINT id) const
{
    return std::string(CutToUtf16Units(Templates ? Templates->HelpOf(id) : std::string(), 1990));
}
