// The counts the soak judges leaks by see an object kept per action, whoever counts them (the
// system, or the process itself where the system keeps no count), and see it go when freed.
#include "support/process_resources.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int Kept = 40;

// A pen, a menu, a window and an icon each time, kept until freed.
class TKeptObjects {
public:
    explicit TKeptObjects(int times)
    {
        const BYTE andMask[32 * 4] = {}, xorMask[32 * 4] = {};
        for (int i = 0; i < times; ++i) {
            Pens.push_back(::CreatePen(PS_SOLID, i + 1, RGB(i, 0, 0)));
            Menus.push_back(::CreatePopupMenu());
            Windows.push_back(
                ::CreateWindowExW(0, L"STATIC", L"kept", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
            Icons.push_back(::CreateIcon(nullptr, 32, 32, 1, 1, andMask, xorMask));
        }
    }
    ~TKeptObjects()
    {
        for (std::size_t i = 0; i < Pens.size(); ++i) {
            ::DeleteObject(Pens[i]);
            ::DestroyMenu(Menus[i]);
            ::DestroyWindow(Windows[i]);
            ::DestroyIcon(Icons[i]);
        }
    }

private:
    std::vector<HPEN> Pens;
    std::vector<HMENU> Menus;
    std::vector<HWND> Windows;
    std::vector<HICON> Icons;
};

TEST(ProcessResources, ObjectsKeptShowInTheCountsAndGoWhenFreed)
{
    TKeptObjects{1};   // what the system makes once, at the first window, is made before counting
    const TProcessResources before = ResourcesOfThisProcess();
    TProcessResources during;
    {
        TKeptObjects kept(Kept);
        std::vector<BYTE> block(8 << 20, 1);   // memory written, so taken
        during = ResourcesOfThisProcess();
        EXPECT_GE(during.PrivateBytes, before.PrivateBytes + block.size());
    }
    EXPECT_GE(during.GdiObjects - before.GdiObjects, Kept);
    EXPECT_GE(during.UserObjects - before.UserObjects, 3 * Kept);

    const TProcessResources after = ResourcesOfThisProcess();
    EXPECT_LE(after.GdiObjects, before.GdiObjects + 2);
    EXPECT_LE(after.UserObjects, before.UserObjects + 2);
}

} // namespace
