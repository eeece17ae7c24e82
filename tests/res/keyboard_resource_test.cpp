// What the keyboard reaches through the resources: a letter on every menu item and every
// labelled control of the main dialog, no letter twice where one Alt+letter must find one item.
#include "res/resource.h"
#include "support/owned_handle.h"
#include "support/resources.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <map>
#include <set>
#include <string>

namespace {

using TMenu = TOwned<HMENU, &DestroyMenu>;

std::wstring ItemText(HMENU menu, int position)
{
    wchar_t text[256] = L"";
    GetMenuStringW(menu, static_cast<UINT>(position), text, static_cast<int>(std::size(text)), MF_BYPOSITION);
    return text;
}

// The letter after the one single "&" of a caption (0 when there is none), and how many there are.
struct TMnemonic {
    wchar_t Letter = 0;
    int Marks = 0;
};

TMnemonic MnemonicOf(const std::wstring& text)
{
    TMnemonic mnemonic;
    for (std::size_t i = 0; i + 1 < text.size() && text[i] != L'\t'; ++i) {
        if (text[i] != L'&')
            continue;
        if (text[i + 1] == L'&') {
            ++i;
            continue;
        }
        ++mnemonic.Marks;
        mnemonic.Letter = static_cast<wchar_t>(std::towupper(text[i + 1]));
    }
    return mnemonic;
}

// Every item of the menu (and of its submenus, each on its own) carries one letter, unique in its menu.
void ExpectLettersOnEveryItem(HMENU menu, const std::string& path)
{
    std::map<wchar_t, std::string> taken;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const std::wstring text = ItemText(menu, i);
        if (text.empty())
            continue;
        const std::string where = path + " > " + Narrow(text);
        const TMnemonic mnemonic = MnemonicOf(text);
        EXPECT_EQ(mnemonic.Marks, 1) << where;
        if (mnemonic.Letter) {
            const auto [at, fresh] = taken.emplace(mnemonic.Letter, where);
            EXPECT_TRUE(fresh) << where << " has the letter of " << at->second;
        }
        if (HMENU popup = GetSubMenu(menu, i))
            ExpectLettersOnEveryItem(popup, where);
    }
}

TEST(Keyboard, EveryMenuItemHasItsOwnLetter)
{
    for (const char* name : {"MENU_PROVA", "MENU_PLUGIN", "MAINLIST_MNU", "CREATE_MNU", "AUTODRAG_MNU"}) {
        TMenu menu(LoadMenuW(Module(), Wide(name).c_str()));
        ASSERT_NE(menu.get(), nullptr) << name;
        // The pop-ups shown with TrackPopupMenu have no title a person sees: only their items count.
        const bool bar = std::string(name) == "MENU_PROVA";
        ExpectLettersOnEveryItem(bar ? menu.get() : GetSubMenu(menu.get(), 0), name);
    }
}

// Alt+letter in the main dialog reaches one control, never a title of the menu bar (the bar has
// the Templates menu too, from MENU_PLUGIN).
TEST(Keyboard, TheMainDialogsLettersLeadToOneControlEach)
{
    std::map<wchar_t, std::string> taken;
    {
        TMenu bar(LoadMenuW(Module(), L"MENU_PROVA"));
        for (int i = 0; i < GetMenuItemCount(bar.get()); ++i)
            taken.emplace(MnemonicOf(ItemText(bar.get(), i)).Letter, "the menu bar's " + Narrow(ItemText(bar.get(), i)));
        TMenu plugin(LoadMenuW(Module(), L"MENU_PLUGIN"));
        taken.emplace(MnemonicOf(ItemText(GetSubMenu(plugin.get(), 0), 0)).Letter, "the menu bar's Templates");
    }
    // The dialog is a child: a hidden window holds it.
    TOwned<HWND, &DestroyWindow> parent(CreateWindowW(L"Static", L"", WS_POPUP, 0, 0, 800, 700, nullptr, nullptr, Module(), nullptr));
    HWND dialog = CreateDialogParamW(Module(), L"DLG_PROVA", parent.get(),
                                     [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(dialog, nullptr);
    // The arrows need no letter: Alt+Up and Alt+Down move the entry.
    const std::set<int> withoutLetter = {IDC_MOVEUP, IDC_MOVEDOWN};
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32] = L"";
        GetClassNameW(child, className, static_cast<int>(std::size(className)));
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        const int id = GetDlgCtrlID(child);
        // Edit fields show texts, group boxes frame the controls that have the letters.
        if (std::wstring(className) != L"Button" || (style & 0x0F) == BS_GROUPBOX || withoutLetter.count(id))
            continue;
        wchar_t text[128] = L"";
        GetWindowTextW(child, text, static_cast<int>(std::size(text)));
        const TMnemonic mnemonic = MnemonicOf(text);
        EXPECT_EQ(mnemonic.Marks, 1) << Narrow(text);
        const auto [at, fresh] = taken.emplace(mnemonic.Letter, Narrow(text));
        EXPECT_TRUE(fresh) << Narrow(text) << " has the letter of " << at->second;
    }
}

} // namespace
