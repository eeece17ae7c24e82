#pragma once
// The main window as the program builds it, in this process, over a settings file the test
// writes first: real windows, real messages, the real clipboard.
#include "app/base_dlg.h"
#include "app/my_window.h"
#include "app/program_state.h"
#include "app/settings_location.h"
#include "gen/file_list.h"
#include "res/resource.h"
#include "support/box_answerer.h"
#include "support/clipboard.h"
#include "support/drop.h"
#include "support/geometry.h"
#include "support/paths.h"
#include "support/pump.h"
#include "support/window_lookup.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The main window as the program builds it, over a settings file the test writes first.
class MainDialog : public ::testing::Test {
protected:
    void StartWith(const std::string& iniBytes)
    {
        ASSERT_EQ(SettingsFileName(), "QZIni.ini");   // the Windows folder is writable here
        if (iniBytes.empty())
            ::DeleteFileW(Wide(WindowsFolderIni()).c_str());
        else
            WriteBytes(WindowsFolderIni(), iniBytes);
        Frame = BuildMainWindow();
        ASSERT_TRUE(Frame->Create());
        Dialog = Frame->GetClient();
        ASSERT_NE(Dialog, nullptr);
        PumpMessages();
    }

    void SetUp() override { PendingFile.clear(); }

    void TearDown() override
    {
        Frame.reset();
        ::DeleteFileW(Wide(WindowsFolderIni()).c_str());
        PumpMessages();
    }

    HWND Control(int id) const { return ::GetDlgItem(Dialog->GetHandle(), id); }
    std::string ControlText(int id) const { return TextOf(Control(id)); }
    void Type(int id, const std::string& text) const { ::SetWindowTextW(Control(id), Wide(text).c_str()); }
    // The Header and the Queue, the texts around every name.
    void TypeAround(const std::string& header, const std::string& queue) const
    {
        Type(IDC_HEADER, header);
        Type(IDC_QUEUE, queue);
    }
    bool Checked(int id) const { return ::SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(int id) const { ::SendMessageW(Control(id), BM_CLICK, 0, 0); }
    void Command(int id) const { Dialog->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    void Add(std::initializer_list<const char*> names) const
    {
        for (const char* name : names)
            InsertAfterSelection(Dialog->FileList(), name);
        Dialog->UpdateCounter();
    }
    void SetOutput(const std::string& name) const
    {
        Dialog->Settings().SetFileOutput(name);
        Dialog->SettingsToControls();
    }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> entries;
        for (int i = 0; i < Dialog->FileList().Count(); ++i)
            entries.push_back(Dialog->FileList().Text(i));
        return entries;
    }

    // Drops the files as the shell does, at a point of the dialog's client area.
    void DropAt(POINT client, const std::vector<std::string>& names) const
    {
        Dialog->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(names, client)), 0);
    }
    // ... on the middle of a control, found by its rectangle (so a disabled one too).
    void DropOn(int id, const std::vector<std::string>& names) const
    {
        POINT middle = Centre(Control(id));
        ::ScreenToClient(Dialog->GetHandle(), &middle);
        DropAt(middle, names);
    }

    std::unique_ptr<TMyWindow> Frame;
    BaseDlg* Dialog = nullptr;
    TTempDir Dir;
};
