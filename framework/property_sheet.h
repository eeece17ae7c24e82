#pragma once
// Property sheets run by the system (PropertySheetW) with pages made from dialog resources.
// The sheet and each page are framework windows: their messages pass their message tables.
#include "framework/dialog.h"
#include "framework/resource_name.h"

#include <windows.h>
#include <prsht.h>

#include <vector>

class TPropertySheet;

// One page of a sheet, from a dialog resource. The system makes its window the first time
// the page is shown; set-up then binds its controls as for any dialog.
class TPropertyPage : public TDialog {
public:
    // title: the tab's text; none shows the resource's caption.
    TPropertyPage(TPropertySheet* sheet, const char* resourceName, const char* title = nullptr);
    ~TPropertyPage() override;

    TPropertySheet* GetSheet() const { return Sheet; }

    // Called when the user pressed OK (or Apply) and the page has been shown: stores what
    // the controls say. PSNRET_NOERROR lets the sheet close; PSNRET_INVALID keeps it open.
    virtual LRESULT Apply();

protected:
    LRESULT EvNotify(TMessage& message);

    DECLARE_MESSAGE_TABLE()

private:
    friend class TPropertySheet;
    PROPSHEETPAGEW Describe();
    static INT_PTR CALLBACK StaticPageProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

    TPropertySheet* Sheet;
    const char* PageTitle;
    // What the page's description points to, kept while the sheet runs.
    TResourceName WideTemplate;
    std::wstring WideTitle;
};

class TPropertySheet : public TWindow {
public:
    // flags: the PSH_ flags beyond the pages themselves (PSH_NOAPPLYNOW, say).
    TPropertySheet(TWindow* parent, const char* title, UINT startPage = 0, bool isWizard = false,
                   DWORD flags = PSH_DEFAULT);
    ~TPropertySheet() override;

    // Runs the sheet modally; true when it was closed with OK and every shown page applied.
    bool Execute();

    const std::vector<TPropertyPage*>& GetPages() const { return Pages; }

protected:
    // The pages' windows are the system's to make, not the sheet's set-up.
    void SetupWindow() override {}
    // Closing is the system's (it is the sheet's Cancel).
    LRESULT EvClose(TMessage& message);

    DECLARE_MESSAGE_TABLE()

private:
    friend class TPropertyPage;
    void AddPage(TPropertyPage& page);
    void RemovePage(TPropertyPage& page);
    static int CALLBACK SheetCallback(HWND handle, UINT message, LPARAM lParam);

    std::vector<TPropertyPage*> Pages;
    UINT StartPage;
    bool IsWizard;
    DWORD Flags;
    bool OkApplied = false;

    static thread_local TPropertySheet* Starting;
};
