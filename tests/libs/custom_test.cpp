/*
 * The custom-control library: its classes as the library registers them,
 * the text display's colour and text, the text button's clicks and check
 * state as its parent sees them. Their look is in ccdraw_test.cpp.
 */
#include <gtest/gtest.h>

#include "automation.h"
#include "custom/qcustom.h"
#include "notelog.h"

namespace {

typedef BOOL(WINAPI *DLLMAINPROC)(HINSTANCE, DWORD, LPVOID);

// The library's own entry point, when it is reachable by name (Linux).
DLLMAINPROC CustomDllMain(void)
{
    return (DLLMAINPROC)(void *)GetProcAddress(GetModuleHandleA("QCUSTOM.dll"), "DllMain");
}

class CustomTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_hwndParent = NoteCreateParent();
        NoteStart();
    }
    void TearDown() override
    {
        DestroyWindow(m_hwndParent);
        NoteStart();
    }
    // Created with the program's instance: the classes are global.
    HWND Create(LPCSTR pszClass, LPCSTR pszText, DWORD dwStyle, int id)
    {
        return CreateWindowExA(0, pszClass, pszText, dwStyle, 10, 10, 80, 24, m_hwndParent,
                               (HMENU)(INT_PTR)id, GetModuleHandleA(NULL), NULL);
    }

    HWND m_hwndParent = NULL;
};

TEST_F(CustomTest, ClassesAreGlobalClassesOfTheLibrary)
{
    HINSTANCE hLib = GetModuleHandleA("QCUSTOM.dll");
    for (LPCSTR pszClass : {CC_STATIC_CLASS, CC_TEXTBTN_CLASS}) {
        WNDCLASSA wc{};
        ASSERT_TRUE(GetClassInfoA(hLib, pszClass, &wc)) << pszClass;
        EXPECT_EQ(wc.hInstance, hLib) << pszClass;
        EXPECT_TRUE(wc.style & CS_GLOBALCLASS) << pszClass;
        EXPECT_FALSE(wc.style & CS_DBLCLKS) << pszClass << ": a quick second click is a click";
    }
}

TEST_F(CustomTest, DetachUnregistersAndAttachRegistersAgain)
{
    DLLMAINPROC pfnMain = CustomDllMain();
    ASSERT_NE(pfnMain, nullptr);
    HINSTANCE hLib = GetModuleHandleA("QCUSTOM.dll");
    WNDCLASSA wc{};
    pfnMain(hLib, DLL_PROCESS_DETACH, NULL);
    EXPECT_FALSE(GetClassInfoA(hLib, CC_STATIC_CLASS, &wc));
    EXPECT_EQ(Create(CC_TEXTBTN_CLASS, "x", WS_CHILD, 1), nullptr);
    pfnMain(hLib, DLL_PROCESS_ATTACH, NULL);
    EXPECT_TRUE(pfnMain(hLib, DLL_PROCESS_ATTACH, NULL)) << "a second attach is harmless";
    EXPECT_NE(Create(CC_TEXTBTN_CLASS, "x", WS_CHILD, 1), nullptr);
}

TEST_F(CustomTest, StaticKeepsTextColourAndFont)
{
    // The styles the analysis window and its status line use.
    for (DWORD dwStyle : {0x500000B5u, 0x500001A0u, 0x500001A1u, 0x500001A3u, 0x500001A5u}) {
        HWND hwnd = Create(CC_STATIC_CLASS, "Count ", dwStyle, 1011);
        ASSERT_NE(hwnd, nullptr) << std::hex << dwStyle;
        EXPECT_EQ(COLORREF(SendMessageA(hwnd, CSM_GETTEXTCOLOR, 0, 0)), GetSysColor(COLOR_WINDOWTEXT));
        for (COLORREF cr : {0x0000FFu, 0xFF0000u}) {
            EXPECT_TRUE(SendMessageA(hwnd, CSM_SETTEXTCOLOR, 0, cr));
            EXPECT_EQ(COLORREF(SendMessageA(hwnd, CSM_GETTEXTCOLOR, 0, 0)), cr);
        }
        EXPECT_FALSE(SendMessageA(hwnd, CSM_SETTEXTCOLOR, 1, 0x00FF00));
        EXPECT_EQ(COLORREF(SendMessageA(hwnd, CSM_GETTEXTCOLOR, 0, 0)), 0xFF0000u);
        EXPECT_EQ(COLORREF(SendMessageA(hwnd, CSM_GETTEXTCOLOR, 1, 0)), CLR_INVALID);

        EXPECT_EQ(SendMessageA(hwnd, WM_GETFONT, 0, 0), 0);
        HFONT hFont = (HFONT)GetStockObject(ANSI_VAR_FONT);
        SendMessageA(hwnd, WM_SETFONT, (WPARAM)hFont, 0);
        EXPECT_EQ((HFONT)SendMessageA(hwnd, WM_GETFONT, 0, 0), hFont);

        ValidateRect(hwnd, NULL);
        EXPECT_TRUE(SetWindowTextA(hwnd, "YET"));
        char sz[16];
        GetWindowTextA(hwnd, sz, sizeof(sz));
        EXPECT_STREQ(sz, "YET");
        EXPECT_TRUE(GetUpdateRect(hwnd, NULL, FALSE)) << "new text is shown";
    }
}

TEST_F(CustomTest, ButtonKeepsBothColours)
{
    HWND hwnd = Create(CC_TEXTBTN_CLASS, "CLEAR", 0x500042A0, 1022);
    EXPECT_EQ(COLORREF(SendMessageA(hwnd, CBM_GETCOLOR, CB_COLOR_FACE, 0)), GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(SendMessageA(hwnd, CBM_SETCOLOR, CB_COLOR_FACE, 0xF0C8A0));
    EXPECT_TRUE(SendMessageA(hwnd, CBM_SETCOLOR, CB_COLOR_CHECKED, 0x00FFFF));
    EXPECT_FALSE(SendMessageA(hwnd, CBM_SETCOLOR, 2, 0x123456));
    EXPECT_EQ(COLORREF(SendMessageA(hwnd, CBM_GETCOLOR, CB_COLOR_FACE, 0)), 0xF0C8A0u);
    EXPECT_EQ(COLORREF(SendMessageA(hwnd, CBM_GETCOLOR, CB_COLOR_CHECKED, 0)), 0x00FFFFu);
    EXPECT_EQ(COLORREF(SendMessageA(hwnd, CBM_GETCOLOR, 2, 0)), CLR_INVALID);
}

TEST_F(CustomTest, EachClickSendsExactlyOneCommand)
{
    HWND hwnd = Create(CC_TEXTBTN_CLASS, "ADD (F1)", 0x500042A0, 1021);
    ASSERT_TRUE(AutoClick(hwnd));
    ASSERT_TRUE(AutoClick(hwnd));
    const NOTE two[] = {{MAKEWPARAM(1021, BN_CLICKED), hwnd}, {MAKEWPARAM(1021, BN_CLICKED), hwnd}, {}};
    NOTE_CHECK(two, "two clicks");
    EXPECT_EQ(GetCapture(), nullptr) << "the click releases the mouse";
}

TEST_F(CustomTest, NoCommandWithoutAWholeClickInsideAnEnabledButton)
{
    HWND hwnd = Create(CC_TEXTBTN_CLASS, "Save..", 0x500042A0, 1024);
    const NOTE none[] = {{}};

    EnableWindow(hwnd, FALSE);
    EXPECT_FALSE(AutoClick(hwnd));
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    NOTE_CHECK(none, "disabled");
    EnableWindow(hwnd, TRUE);

    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(200, 5));
    NOTE_CHECK(none, "released outside");

    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    NOTE_CHECK(none, "release without a press");

    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EnableWindow(hwnd, FALSE);
    EnableWindow(hwnd, TRUE);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    NOTE_CHECK(none, "disabled between press and release");
}

TEST_F(CustomTest, CheckStateIsTheOwnersAndSurvivesClicks)
{
    // The display switches and "Coherence" show what the owner sets.
    static const struct {
        WPARAM wSet;
        LRESULT lGet;
    } states[] = {{BST_CHECKED, BST_CHECKED}, {BST_UNCHECKED, BST_UNCHECKED}, {2, BST_CHECKED}, {0, 0}};
    for (DWORD dwStyle : {0x500041A1u, 0x500042A1u}) {
        HWND hwnd = Create(CC_TEXTBTN_CLASS, "FFT Monitor", dwStyle, 1014);
        EXPECT_EQ(SendMessageA(hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        for (const auto &s : states) {
            SendMessageA(hwnd, BM_SETCHECK, s.wSet, 0);
            EXPECT_EQ(SendMessageA(hwnd, BM_GETCHECK, 0, 0), s.lGet) << s.wSet;
        }
        SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        ASSERT_TRUE(AutoClick(hwnd));
        EXPECT_EQ(SendMessageA(hwnd, BM_GETCHECK, 0, 0), BST_CHECKED) << "a click leaves the state alone";
        DestroyWindow(hwnd);
    }
}

TEST_F(CustomTest, OwnerMayDestroyTheButtonWhileItIsNotified)
{
    HWND hwnd = Create(CC_TEXTBTN_CLASS, "Coherence", 0x500042A1, 1023);
    NoteStart([](const NOTE &note) { DestroyWindow(note.hwndFrom); });
    ASSERT_TRUE(AutoClick(hwnd));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(NoteLog().size(), 1u);
}

}  // namespace
