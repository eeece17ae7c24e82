#include "framework/property_sheet.h"

#include "framework/application.h"
#include "framework/gdi.h"

#include <commctrl.h>

#include <algorithm>

// ---- TPropertyPage ----

BEGIN_MESSAGE_TABLE(TPropertyPage, TDialog)
    ON_MESSAGE(WM_NOTIFY, EvNotify)
END_MESSAGE_TABLE()

TPropertyPage::TPropertyPage(TPropertySheet* sheet, const char* resourceName, const char* title)
    : TDialog(sheet, resourceName),
      Sheet(sheet),
      PageTitle(title),
      WideTemplate(resourceName),
      WideTitle(Wide(title ? title : ""))
{
    if (Sheet)
        Sheet->AddPage(*this);
}

TPropertyPage::~TPropertyPage()
{
    if (Sheet)
        Sheet->RemovePage(*this);
}

LRESULT TPropertyPage::Apply()
{
    return PSNRET_NOERROR;
}

PROPSHEETPAGEW TPropertyPage::Describe()
{
    PROPSHEETPAGEW page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT | (PageTitle ? PSP_USETITLE : 0);
    page.hInstance = GetInstance();
    page.pszTemplate = WideTemplate;
    page.pszTitle = PageTitle ? WideTitle.c_str() : nullptr;
    page.pfnDlgProc = &TPropertyPage::StaticPageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

LRESULT TPropertyPage::EvNotify(TMessage& message)
{
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    if (!header)
        return DefaultProcessing(message);
    switch (header->code) {
    case PSN_APPLY: {
        LRESULT result = Apply();
        // The sheet reads a page's answer from the dialog's message result.
        ::SetWindowLongPtrW(Handle, DWLP_MSGRESULT, result);
        const auto* notify = reinterpret_cast<const PSHNOTIFY*>(header);
        if (Sheet && notify->lParam)   // the OK button's apply, not Apply Now's
            Sheet->OkApplied = result == PSNRET_NOERROR;
        return result;
    }
    case PSN_RESET:
        if (Sheet)
            Sheet->OkApplied = false;
        return DefaultProcessing(message);
    default:
        return DefaultProcessing(message);
    }
}

INT_PTR CALLBACK TPropertyPage::StaticPageProc(HWND handle, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;   // everything else reaches the object through its subclassed procedure
    const auto* description = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
    auto* page = description ? reinterpret_cast<TPropertyPage*>(description->lParam) : nullptr;
    if (!page)
        return TRUE;
    page->Subclass(handle);
    try {
        page->SetupWindow();
        return page->EvInitDialog(nullptr);
    } catch (...) {
        TApplication::KeepException(std::current_exception());
        return TRUE;
    }
}

// ---- TPropertySheet ----

thread_local TPropertySheet* TPropertySheet::Starting = nullptr;

BEGIN_MESSAGE_TABLE(TPropertySheet, TWindow)
    ON_MESSAGE(WM_CLOSE, EvClose)
END_MESSAGE_TABLE()

TPropertySheet::TPropertySheet(TWindow* parent, const char* title, UINT startPage, bool isWizard, DWORD flags)
    : TWindow(parent, title), StartPage(startPage), IsWizard(isWizard), Flags(flags)
{
}

TPropertySheet::~TPropertySheet()
{
    for (TPropertyPage* page : Pages)
        page->Sheet = nullptr;
}

void TPropertySheet::AddPage(TPropertyPage& page)
{
    Pages.push_back(&page);
}

void TPropertySheet::RemovePage(TPropertyPage& page)
{
    Pages.erase(std::remove(Pages.begin(), Pages.end(), &page), Pages.end());
}

bool TPropertySheet::Execute()
{
    if (Handle || Pages.empty())
        return false;
    std::vector<PROPSHEETPAGEW> descriptions;
    descriptions.reserve(Pages.size());
    for (TPropertyPage* page : Pages)
        descriptions.push_back(page->Describe());

    const std::wstring caption = Wide(Title);
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = Flags | PSH_PROPSHEETPAGE | PSH_USECALLBACK | (IsWizard ? PSH_WIZARD : 0);
    header.hwndParent = GetParentObject() ? GetParentObject()->GetHandle() : nullptr;
    header.hInstance = GetInstance();
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(descriptions.size());
    header.nStartPage = StartPage < header.nPages ? StartPage : 0;
    header.ppsp = descriptions.data();
    header.pfnCallback = &TPropertySheet::SheetCallback;

    EnsureCommonControls();
    OkApplied = false;
    TPropertySheet* outer = Starting;
    Starting = this;
    INT_PTR result = ::PropertySheetW(&header);
    Starting = outer;
    TApplication::RethrowKeptException();
    return result != -1 && OkApplied;
}

int CALLBACK TPropertySheet::SheetCallback(HWND handle, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && Starting && !Starting->Handle) {
        TPropertySheet* sheet = Starting;
        sheet->Subclass(handle);
        try {
            sheet->SetupWindow();
        } catch (...) {
            TApplication::KeepException(std::current_exception());
        }
    }
    return 0;
}

LRESULT TPropertySheet::EvClose(TMessage& message)
{
    return DefaultProcessing(message);
}
