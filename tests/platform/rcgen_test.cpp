// rcgen's parser: control styles as windres combines them, dialog
// statements, names and texts, and the diagnostics of broken scripts.
#include <gtest/gtest.h>

#include <string>

#include "rcscript.h"

namespace {

RcScript ParseOk(const std::string &text)
{
    RcScript script;
    std::string error;
    EXPECT_TRUE(RcParseScript(text, "t.rc", &script, &error)) << error << "\n" << text;
    return script;
}

std::string OneDialog(const std::string &controls, const std::string &statements = "")
{
    return "100 DIALOG 0, 0, 100, 50\n" + statements + "BEGIN\n" + controls + "\nEND\n";
}

// Each line, alone in a dialog, must give this class and style (the values
// windres gives; WS_CHILD | WS_VISIBLE = 0x50000000).
struct StyleCase {
    const char *pszControl;
    const char *pszClass;
    uint32_t dwStyle;
};

const StyleCase kStyleCases[] = {
    {"PUSHBUTTON \"a\", 1, 0, 0, 10, 10", "BUTTON", 0x50010000},
    {"PUSHBUTTON \"a\", 1, 0, 0, 10, 10, 0", "BUTTON", 0x50010000},
    {"DEFPUSHBUTTON \"a\", 1, 0, 0, 10, 10, NOT 0x10000", "BUTTON", 0x50000001},
    {"CHECKBOX \"a\", 1, 0, 0, 10, 10", "BUTTON", 0x50010002},
    {"AUTOCHECKBOX \"a\", 1, 0, 0, 10, 10", "BUTTON", 0x50010003},
    {"RADIOBUTTON \"a\", 1, 0, 0, 10, 10", "BUTTON", 0x50010004},
    {"RADIOBUTTON \"a\", 1, 0, 0, 10, 10, 0", "BUTTON", 0x50000004},
    {"AUTORADIOBUTTON \"a\", 1, 0, 0, 10, 10", "BUTTON", 0x50010009},
    {"GROUPBOX \"a\", 1, 0, 0, 10, 10", "BUTTON", 0x50000007},
    {"LTEXT \"a\", 1, 0, 0, 10, 10", "STATIC", 0x50020000},
    {"LTEXT \"a\", 1, 0, 0, 10, 10, 0", "STATIC", 0x50000000},
    {"LTEXT \"a\", 1, 0, 0, 10, 10, NOT 0x20000 | NOT 0x10000000", "STATIC", 0x40000000},
    {"CTEXT \"a\", 1, 0, 0, 10, 10", "STATIC", 0x50020001},
    {"RTEXT \"a\", 1, 0, 0, 10, 10", "STATIC", 0x50020002},
    {"ICON 101, 1, 0, 0", "STATIC", 0x50000003},
    {"EDITTEXT 1, 0, 0, 10, 10", "EDIT", 0x50810000},
    {"EDITTEXT 1, 0, 0, 10, 10, 0x80", "EDIT", 0x50810080},
    {"COMBOBOX 1, 0, 0, 10, 10", "COMBOBOX", 0x50010001},
    {"COMBOBOX 1, 0, 0, 10, 10, 3 | 0x200000", "COMBOBOX", 0x50200003},
    {"LISTBOX 1, 0, 0, 10, 10", "LISTBOX", 0x50800001},
    {"SCROLLBAR 1, 0, 0, 10, 10, 1", "SCROLLBAR", 0x50000001},
    {"CONTROL \"x\", 1, \"QCUSTOMTEXTBTN32\", 0x41A1, 1, 2, 3, 4", "QCUSTOMTEXTBTN32", 0x500041A1},
    {"CONTROL \"x\", 1, \"Button\", 3, 1, 2, 3, 4", "BUTTON", 0x50000003},
    {"CONTROL \"x\", 1, STATIC, (1 + 2) | (8 - 4), 1, 2, 3, 4", "STATIC", 0x50000007},
    {"CONTROL \"x\", 1, \"Q\", NOT 0x10000000 | 4, 1, 2, 3, 4", "Q", 0x40000004},
    {"CONTROL \"x\", 1, \"Q\", 4 | NOT 0x10000000, 1, 2, 3, 4", "Q", 0x40000004},
};

TEST(RcParseScript, ControlStylesCombineWithDefaultsAsWindres)
{
    for (const StyleCase &c : kStyleCases) {
        RcScript script = ParseOk(OneDialog(c.pszControl));
        ASSERT_EQ(script.dialogs.size(), 1u) << c.pszControl;
        ASSERT_EQ(script.dialogs[0].controls.size(), 1u) << c.pszControl;
        const RcControl &ctl = script.dialogs[0].controls[0];
        EXPECT_EQ(ctl.szClass, c.pszClass) << c.pszControl;
        EXPECT_EQ(ctl.dwStyle, c.dwStyle) << std::hex << c.pszControl;
    }
}

TEST(RcParseScript, DialogStyleCaptionAndFont)
{
    RcDialog d = ParseOk(OneDialog("", "CAPTION \"x\"\nFONT 9, \"MS\"\n")).dialogs.at(0);
    EXPECT_EQ(d.dwStyle, 0x80C80040u); // popup, border, system menu, caption, DS_SETFONT
    EXPECT_EQ(d.szFace, "MS");
    EXPECT_EQ(d.wPointSize, 9u);

    // STYLE replaces the default wherever CAPTION stands; the caption stays.
    d = ParseOk(OneDialog("", "CAPTION \"y\"\nSTYLE 0x80\n")).dialogs.at(0);
    EXPECT_EQ(d.dwStyle, 0x00C00080u);
    d = ParseOk(OneDialog("", "STYLE 0x40000000 | 0x4\n")).dialogs.at(0);
    EXPECT_EQ(d.dwStyle, 0x40000004u);
    EXPECT_FALSE(d.fFont);

    d = ParseOk("7 DIALOGEX DISCARDABLE 1, 2, 30, 40, 99\nEXSTYLE 0x200\n"
                "FONT 12, \"F\", 700, 1, 128\nCLASS \"MyClass\"\nMENU 5\nBEGIN\n"
                "CONTROL \"a\", -1, \"Q\", 0, 1, 2, 3, 4, 0x20, 77\nLTEXT \"b\", -1, 0, 0, 5, 5\nEND\n")
            .dialogs.at(0);
    EXPECT_TRUE(d.fEx);
    EXPECT_EQ(d.name.wId, 7u);
    EXPECT_EQ(d.x, 1);
    EXPECT_EQ(d.cy, 40);
    EXPECT_EQ(d.dwExStyle, 0x200u);
    EXPECT_EQ(d.wWeight, 700u);
    EXPECT_EQ(d.bItalic, 1u);
    EXPECT_EQ(d.bCharSet, 128u);
    EXPECT_EQ(d.szClass, "MyClass");
    ASSERT_EQ(d.controls.size(), 2u);
    EXPECT_EQ(d.controls[0].dwId, 0xFFFFFFFFu); // DIALOGEX ids are 32 bits
    EXPECT_EQ(d.controls[0].dwExStyle, 0x20u);

    d = ParseOk(OneDialog("LTEXT \"b\", -1, 0, 0, 5, 5")).dialogs.at(0);
    EXPECT_EQ(d.controls.at(0).dwId, 0xFFFFu); // DIALOG ids are 16 bits
}

TEST(RcParseScript, NamesTextsAndOrdinals)
{
    RcScript s = ParseOk("#pragma code_page(65001)\n"
                         "\"Setupdlg_Normal\" DIALOG 0, 0, 1, 1\nBEGIN\n"
                         "  ICON 101, 5, 1, 2, 20, 20\n"
                         "  LTEXT \"a\"\"b\\tc\\x41\", 6, 0, 0, 1, 1\n"
                         "  CTEXT \"～\", 7, 0, 0, 1, 1\n"
                         "END\n"
                         "named DIALOG 0, 0, 1, 1 { }\n"
                         "101 ICON \"a.ico\"\nlogo BITMAP \"b.bmp\"\n"
                         "STRINGTABLE\nBEGIN\n 9, \"nine\"\n 2 \"two\"\nEND\n");
    ASSERT_EQ(s.dialogs.size(), 2u);
    EXPECT_EQ(s.dialogs[0].name.szName, "SETUPDLG_NORMAL");
    EXPECT_EQ(s.dialogs[1].name.szName, "NAMED");
    const RcControl &icon = s.dialogs[0].controls.at(0);
    EXPECT_TRUE(icon.fTextId);
    EXPECT_EQ(icon.wTextId, 101u);
    EXPECT_EQ(icon.cx, 0); // sized by the icon, as windres leaves it
    EXPECT_EQ(s.dialogs[0].controls.at(1).szText, "a\"b\tcA");
    EXPECT_EQ(s.dialogs[0].controls.at(2).szText, "\x81\x60");
    ASSERT_EQ(s.images.size(), 2u);
    EXPECT_EQ(s.images[1].name.szName, "LOGO");
    ASSERT_EQ(s.strings.size(), 2u);
    EXPECT_EQ(s.strings[0].wId, 2u); // sorted for lookup
    EXPECT_EQ(s.strings[1].szText, "nine");
}

// Broken scripts: each must fail with this file:line at the start of the
// message (line markers of the preprocessor name the original script).
struct BrokenCase {
    const char *pszScript;
    const char *pszWhere;
};

const BrokenCase kBrokenCases[] = {
    {"STRINGTABLE\nBEGIN\n 1 \"unterminated\nEND\n", "t.rc:3:"},
    {"STRINGTABLE\nBEGIN\n 1 \"a\"\n 1 \"b\"\nEND\n", "t.rc:4:"},
    {"STRINGTABLE\nBEGIN\n 1 \"a\"\n", "t.rc:4:"},
    {"STRINGTABLE\nBEGIN\n IDS_UNDEFINED \"a\"\nEND\n", "t.rc:3:"},
    {"# 40 \"dlg.rc\"\n1 DIALOG 0, 0, 1, 1\nBEGIN\n PUSHBUTTON \"a\" 1, 0, 0, 1, 1\nEND\n", "dlg.rc:42:"},
    {"1 DIALOG 0, 0, 1\nBEGIN\nEND\n", "t.rc:2:"},
    {"1 DIALOG 0, 0, 1, 1\nBEGIN\n FANCYBUTTON \"a\", 1, 0, 0, 1, 1\nEND\n", "t.rc:3:"},
    {"1 DIALOG 0, 0, 1, 1\nWIBBLE 3\nBEGIN\nEND\n", "t.rc:2:"},
    {"1 DIALOG 0, 0, 1, 1\nBEGIN\n CONTROL \"a\", 1, 42, 0, 0, 0, 1, 1\nEND\n", "t.rc:3:"},
    {"1 DIALOG 0, 0, 1, 1\nBEGIN\nEND\n1 DIALOG 0, 0, 1, 1\nBEGIN\nEND\n", "t.rc:4:"},
    {"1 DIALOG 0, 0, 1, 1\nBEGIN\n LTEXT \"a\\q\", 1, 0, 0, 1, 1\nEND\n", "t.rc:3:"},
    {"1 DIALOG 0, 0, 1, 1\nBEGIN\n LTEXT \"\xC3\xA9\xE2\x82\xAC\", 1, 0, 0, 1, 1\nEND\n", "t.rc:3:"},
    {"1 DIALOG 0, 0, 1, 1\nBEGIN\n LTEXT \"\xFF\", 1, 0, 0, 1, 1\nEND\n", "t.rc:3:"},
    {"#pragma code_page(932)\n", "t.rc:1:"},
    {"1 MENU \"x\"\n", "t.rc:1:"},
    {"1 DIALOG 0, 0, 0x100000000, 1\nBEGIN\nEND\n", "t.rc:1:"},
    {"1 DIALOG 0, 0, 1, 1\nBEGIN\n LTEXT \"a\", 1, 0, 0, 1, 1 @\nEND\n", "t.rc:3:"},
    {"1 DIALOG 0, 0, 1, 1\nBEGIN\n", "t.rc:3:"},
    {"70000 DIALOG 0, 0, 1, 1\nBEGIN\nEND\n", "t.rc:1:"},
};

TEST(RcParseScript, BrokenScriptsNameFileAndLine)
{
    for (const BrokenCase &c : kBrokenCases) {
        RcScript script;
        std::string error;
        EXPECT_FALSE(RcParseScript(c.pszScript, "t.rc", &script, &error)) << c.pszScript;
        EXPECT_EQ(error.rfind(c.pszWhere, 0), 0u) << "got \"" << error << "\" for\n" << c.pszScript;
    }
}

TEST(RcEmitTables, EveryByteSurvivesAsALiteral)
{
    RcScript s = ParseOk("STRINGTABLE\nBEGIN\n 1 \"q\\\\?\"\"\\x01\\x7fあ\"\nEND\n");
    ASSERT_EQ(s.strings.size(), 1u);
    std::string cpp = RcEmitTables(s, "t.rc");
    // Octal escapes cannot run into the next character, and "?" cannot
    // form a trigraph.
    EXPECT_NE(cpp.find("{1, 8, \"q\\\\\\?\\\"\\001\\177\\202\\240\"}"), std::string::npos) << cpp;
    EXPECT_NE(cpp.find("PlatformRegisterResources(&g_module)"), std::string::npos);
}

} // namespace
