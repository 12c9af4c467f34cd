// LoadStringA, LoadIconA and the icons' pixels on the test program's own
// resource tables.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "dibcanvas.h"
#include "platform/testres.h"

namespace {

HINSTANCE TestInstance()
{
    return GetModuleHandleA(NULL);
}

// "CSVファイルに正常に保存しました。" as a Japanese Windows stores it.
const char kCsvSavedCp932[] =
    "CSV\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xC9\x90\xB3\x8F\xED\x82\xC9"
    "\x95\xDB\x91\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42";

TEST(LoadStringA, JapaneseTextIsCodePage932)
{
    char buf[128];
    int n = LoadStringA(TestInstance(), IDS_CSVSAVED, buf, sizeof buf);
    ASSERT_EQ(n, static_cast<int>(sizeof kCsvSavedCp932 - 1));
    EXPECT_EQ(std::memcmp(buf, kCsvSavedCp932, sizeof kCsvSavedCp932), 0);

    n = LoadStringA(TestInstance(), IDS_TILDE, buf, sizeof buf);
    EXPECT_EQ(n, 4);
    EXPECT_STREQ(buf, "1\x81\x60" "2"); // the full-width tilde of code page 932
}

TEST(LoadStringA, TruncatesAndTerminates)
{
    char buf[8];
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(LoadStringA(TestInstance(), IDS_ASCII, buf, 4), 3);
    EXPECT_STREQ(buf, "Hel");
    EXPECT_EQ(buf[4], 'x') << "wrote past the given size";

    EXPECT_EQ(LoadStringA(TestInstance(), IDS_ASCII, buf, 1), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(LoadStringA(TestInstance(), IDS_ASCII, buf, 6), 5);
    EXPECT_STREQ(buf, "Hello");
}

TEST(LoadStringA, NeverSplitsADoubleByteCharacter)
{
    // "CSV" + 2 bytes of フ fit in 6 bytes; a 7-byte buffer leaves room for
    // one more byte only, the lead byte of ァ, which must not be copied.
    char buf[16];
    EXPECT_EQ(LoadStringA(TestInstance(), IDS_CSVSAVED, buf, 7), 5);
    EXPECT_EQ(std::memcmp(buf, "CSV\x83\x74", 6), 0);
    EXPECT_EQ(LoadStringA(TestInstance(), IDS_CSVSAVED, buf, 8), 7);
    EXPECT_EQ(std::memcmp(buf, "CSV\x83\x74\x83\x40", 8), 0);
}

TEST(LoadStringA, MissingStringsAndBadBuffers)
{
    char buf[8] = "junk";
    EXPECT_EQ(LoadStringA(TestInstance(), 999, buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(LoadStringA(TestInstance(), IDS_EMPTY, buf, sizeof buf), 0);
    EXPECT_EQ(LoadStringA(reinterpret_cast<HINSTANCE>(0x1000), IDS_ASCII, buf, sizeof buf), 0);
    EXPECT_EQ(LoadStringA(NULL, IDS_ASCII, buf, sizeof buf), 5) << "NULL means the program";

    std::strcpy(buf, "keep");
    EXPECT_EQ(LoadStringA(TestInstance(), IDS_ASCII, buf, 0), 0);
    EXPECT_EQ(LoadStringA(TestInstance(), IDS_ASCII, buf, -5), 0);
    EXPECT_STREQ(buf, "keep") << "a zero size must not write";
    EXPECT_EQ(LoadStringA(TestInstance(), IDS_ASCII, nullptr, 8), 0);
}

TEST(LoadIconA, FindsIconsByIdAndOrdinalName)
{
    HICON hIcon = LoadIconA(TestInstance(), MAKEINTRESOURCE(IDI_TEST));
    ASSERT_NE(hIcon, nullptr);
    EXPECT_EQ(LoadIconA(TestInstance(), "#101"), hIcon);
    EXPECT_EQ(LoadIconA(TestInstance(), MAKEINTRESOURCE(999)), nullptr);
    EXPECT_EQ(LoadIconA(TestInstance(), "NOSUCHICON"), nullptr);
}

// test.ico holds a 16 x 16 image of 16 colours (left half blue, right half
// masked out) and a 32 x 32 image with alpha (red where x < 16 and y < 24,
// transparent elsewhere). Drawn over white, transparent pixels stay white.
TEST(LoadIconA, DrawsTheNearestImageWithItsTransparency)
{
    const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);
    DibCanvas canvas(80, 80);
    HICON hIcon = LoadIconA(TestInstance(), MAKEINTRESOURCE(IDI_TEST));
    HICON hSmall = static_cast<HICON>(LoadImageA(TestInstance(), MAKEINTRESOURCE(IDI_TEST), IMAGE_ICON, 16, 16, 0));
    ASSERT_NE(hSmall, nullptr);
    EXPECT_TRUE(DrawIconEx(canvas.hdc, 0, 0, hIcon, 0, 0, 0, NULL, DI_NORMAL));
    EXPECT_TRUE(DrawIconEx(canvas.hdc, 40, 0, hSmall, 0, 0, 0, NULL, DI_NORMAL));
    EXPECT_TRUE(DrawIcon(canvas.hdc, 40, 40, hSmall)); // stretched to the system size
    const struct {
        int x, y;
        COLORREF cr;
    } kPixels[] = {
        {4, 4, kRed},    {4, 20, kRed},   {20, 4, kWhite}, {4, 28, kWhite}, // top-down, alpha
        {44, 4, kBlue},  {52, 4, kWhite}, {44, 20, kWhite},                  // 16 x 16, mask
        {52, 44, kBlue}, {60, 44, kWhite},                                   // stretched
    };
    for (const auto &p : kPixels)
        EXPECT_EQ(canvas.Pixel(p.x, p.y), p.cr) << "at " << p.x << "," << p.y;
    EXPECT_TRUE(DestroyIcon(hSmall));
}

TEST(ResourceTables, ComeAndGoWithTheirModule)
{
    HMODULE hModule = LoadLibraryA("RCTESTMOD.dll");
    ASSERT_NE(hModule, nullptr);
    char buf[32];
    EXPECT_EQ(LoadStringA(hModule, 1, buf, sizeof buf), 10);
    EXPECT_STREQ(buf, "\x83\x82\x83\x57\x83\x85\x81\x5B\x83\x8B"); // モジュール
    EXPECT_EQ(LoadStringA(TestInstance(), 1, buf, sizeof buf), 0) << "each module has its own table";
    EXPECT_EQ(CreateDialogParamA(TestInstance(), "MODULEDLG", NULL, NULL, 0), nullptr);
    HWND hDlg = CreateDialogParamA(hModule, "ModuleDlg", NULL, NULL, 0);
    EXPECT_NE(hDlg, nullptr);
    DestroyWindow(hDlg);

    ASSERT_TRUE(FreeLibrary(hModule));
    EXPECT_EQ(LoadStringA(hModule, 1, buf, sizeof buf), 0) << "the tables left with the module";
    EXPECT_EQ(CreateDialogParamA(hModule, "MODULEDLG", NULL, NULL, 0), nullptr);
}

} // namespace
