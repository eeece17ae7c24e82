// The pictures: tool-bar bitmaps, the program icon and the two cursors.
#include "res/resource.h"
#include "support/resources.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct TNamed {
    LPCWSTR Name;
    std::string Label;
};

const std::vector<TNamed> ToolBarBitmaps = {
    {MAKEINTRESOURCEW(IDB_CLEARLIST), "101 Clear List"},
    {MAKEINTRESOURCEW(IDB_CREATE), "102 Create"},
    {MAKEINTRESOURCEW(IDB_VIEW), "104 View"},
    {MAKEINTRESOURCEW(IDB_EXECUTE), "1012 Execute"},
    {L"BMP_URL", "BMP_URL"},
    {L"BMP_URLLINK", "BMP_URLLINK"},
    {MAKEINTRESOURCEW(IDB_PREVIEW), "3101 Preview"},
};

// Palette indexes used by a 4-bit bitmap of the given size.
std::set<int> IndexesUsed(const BITMAPINFOHEADER& header)
{
    const BYTE* pixels = reinterpret_cast<const BYTE*>(&header) + header.biSize + 16 * sizeof(RGBQUAD);
    const int stride = (header.biWidth * 4 + 31) / 32 * 4;
    std::set<int> used;
    for (int y = 0; y < header.biHeight; ++y)
        for (int x = 0; x < header.biWidth; ++x) {
            const BYTE pair = pixels[y * stride + x / 2];
            used.insert(x % 2 ? pair & 0x0F : pair >> 4);
        }
    return used;
}

TEST(ImageResource, ToolBarBitmapsAre32By32In16Colours)
{
    for (const TNamed& bitmap : ToolBarBitmaps) {
        SCOPED_TRACE(bitmap.Label);
        const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(ResourceBytes(bitmap.Name, RT_BITMAP));
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->biWidth, 32);
        EXPECT_EQ(header->biHeight, 32);
        EXPECT_EQ(header->biBitCount, 4);
        EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
        EXPECT_GE(IndexesUsed(*header).size(), 4u) << "hardly a picture";

        HBITMAP loaded = LoadBitmapW(Module(), bitmap.Name);
        ASSERT_NE(loaded, nullptr);
        BITMAP info{};
        GetObjectW(loaded, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, 32);
        EXPECT_EQ(info.bmHeight, 32);
        DeleteObject(loaded);
    }
}

#pragma pack(push, 2)
struct TGroupEntry {     // one image of an icon or cursor group resource
    BYTE Width, Height, Colors, Reserved;
    WORD Planes, BitCount;
    DWORD Bytes;
    WORD Id;
};
struct TGroupHeader {
    WORD Reserved, Type, Count;
    TGroupEntry Entries[1];
};
#pragma pack(pop)

TEST(ImageResource, ProgramIconHas32And16PixelImagesIn16Colours)
{
    const auto* group = reinterpret_cast<const TGroupHeader*>(ResourceBytes(MAKEINTRESOURCEW(IDI_STRANDEL), RT_GROUP_ICON));
    ASSERT_NE(group, nullptr);
    std::set<int> sizes;
    for (int i = 0; i < group->Count; ++i) {
        const TGroupEntry& entry = group->Entries[i];
        EXPECT_EQ(entry.BitCount, 4) << "image " << i;
        sizes.insert(entry.Width);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));

    HICON icon = LoadIconW(Module(), MAKEINTRESOURCEW(IDI_STRANDEL));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    HANDLE small = LoadImageW(Module(), MAKEINTRESOURCEW(IDI_STRANDEL), IMAGE_ICON, 16, 16, 0);
    EXPECT_NE(small, nullptr);
    DestroyIcon(static_cast<HICON>(small));
}

struct TCursor {
    LPCWSTR Name;
    int HotX, HotY;
};

// A cursor resource: the hot spot, then a DIB of twice the height (the
// colour plane, then the AND mask).
struct TCursorImage {
    WORD HotX, HotY;
    BITMAPINFOHEADER Header;
};

bool MaskBit(const TCursorImage& image, int x, int y)
{
    const int width = image.Header.biWidth, height = image.Header.biHeight / 2;
    const int stride = (width + 31) / 32 * 4;
    const BYTE* bits = reinterpret_cast<const BYTE*>(&image.Header) + image.Header.biSize + 2 * sizeof(RGBQUAD);
    const BYTE* mask = bits + stride * height;
    const int row = height - 1 - y; // bottom-up
    return mask[row * stride + x / 8] & (0x80 >> (x % 8));
}

TEST(ImageResource, CursorsAreMonochrome32By32AndPointWithADrawnPixel)
{
    for (const TCursor& cursor : {TCursor{L"CUR_NORMAL", 0, 0}, TCursor{L"CUR_MANO", 6, 1}}) {
        SCOPED_TRACE(Narrow(cursor.Name));
        const auto* group = reinterpret_cast<const TGroupHeader*>(ResourceBytes(cursor.Name, RT_GROUP_CURSOR));
        ASSERT_NE(group, nullptr);
        ASSERT_EQ(group->Count, 1);
        const auto* image = reinterpret_cast<const TCursorImage*>(
            ResourceBytes(MAKEINTRESOURCEW(group->Entries[0].Id), RT_CURSOR));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->Header.biWidth, 32);
        EXPECT_EQ(image->Header.biHeight, 64);
        EXPECT_EQ(image->Header.biBitCount, 1);
        EXPECT_EQ(image->HotX, cursor.HotX);
        EXPECT_EQ(image->HotY, cursor.HotY);
        EXPECT_FALSE(MaskBit(*image, image->HotX, image->HotY)) << "the hot spot is transparent";

        HCURSOR loaded = LoadCursorW(Module(), cursor.Name);
        ASSERT_NE(loaded, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(loaded, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(static_cast<int>(info.xHotspot), cursor.HotX);
        EXPECT_EQ(static_cast<int>(info.yHotspot), cursor.HotY);
        EXPECT_EQ(info.hbmColor, nullptr) << "not a two-colour cursor";
        BITMAP mask{};
        GetObjectW(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, 32);
        EXPECT_EQ(mask.bmHeight, 64);
        DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
    }
}

TEST(ProgramResource, ManifestAsksForCommonControls6)
{
    DWORD size = 0;
    const BYTE* manifest = ResourceBytes(MAKEINTRESOURCEW(1), RT_MANIFEST, &size);
    ASSERT_NE(manifest, nullptr);
    const std::string text(reinterpret_cast<const char*>(manifest), size);
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
    // The UTF-8 code page is asked for only where the build says so; the program needs it not.
    EXPECT_EQ(text.find("<activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">UTF-8</activeCodePage>") !=
                  std::string::npos,
              STRANDEL_UTF8_MANIFEST != 0);
    EXPECT_EQ(::GetACP(), STRANDEL_UTF8_MANIFEST ? static_cast<UINT>(CP_UTF8) : 1252u);
}

} // namespace
