// qfftana dialogs: a picture of each dialog, the size the plug-in's
// template gives it, and of the setup panel at either width.
#include <gtest/gtest.h>

#include <windows.h>

#include <cairo.h>

#include "hosttest.h"
#include "hostproto.h"

namespace {

// Width and height from a PNG's header; 0 x 0 for anything else.
SIZE PngSize(const std::string &strBytes)
{
    static const char achSignature[] = "\x89PNG\r\n\x1a\n";
    if (strBytes.size() < 24 || strBytes.compare(0, 8, achSignature, 8) != 0)
        return SIZE{0, 0};
    auto be32 = [&](size_t n) {
        const unsigned char *p = (const unsigned char *)strBytes.data() + n;
        return (LONG)((p[0] << 24) | (p[1] << 16) | (p[2] << 8) | p[3]);
    };
    return SIZE{be32(16), be32(20)};
}

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The client size the plug-in's template gives a dialog, in a parent for
// the panel's child templates.
SIZE TemplateSize(HMODULE hPlugin, LPCSTR pszTemplate, HWND hParent)
{
    HWND hDlg = CreateDialogParamA(hPlugin, pszTemplate, hParent, PlainDialog, 0);
    RECT rc = {0, 0, 0, 0};
    if (hDlg != NULL) {
        GetClientRect(hDlg, &rc);
        DestroyWindow(hDlg);
    }
    return SIZE{rc.right, rc.bottom};
}

TEST(CliDialogs, EachDialogDrawnAtItsTemplateSize)
{
    TempFolder tmp;
    RUNOUTPUT out = RunHost("dialogs --pictures " + tmp.Path("pictures") + " --settings " + tmp.Path("settings")
                            + " --out " + tmp.Path("out") + " --quiet");
    ASSERT_EQ(out.nExit, 0) << out.strErr;
    HMODULE hPlugin = LoadLibraryA(QP_PLUGIN_MODULE);
    ASSERT_NE(hPlugin, nullptr);
    HWND hParent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 800, 800, NULL, NULL, NULL, NULL);
    const struct {
        const char *pszFile;
        LPCSTR pszTemplate;
        bool bWholeHeight;   // the panel takes the analysis window's height
    } aCases[] = {
        {"ABOUT.png", MAKEINTRESOURCEA(500), true},
        {"DETAILSETUP_JP.png", "DETAILSETUP_JP", true},
        {"DETAILSETUP_EG.png", "DETAILSETUP_EG", true},
        {"FREQBANDSETUP.png", "FREQBANDSETUP", true},
        {"SETUPDLG_NORMAL.png", "SETUPDLG_NORMAL", false},
        {"SETUPDLG_SMALL.png", "SETUPDLG_SMALL", false},
    };
    for (const auto &c : aCases) {
        SIZE sizePng = PngSize(ReadWhole(tmp.Path("pictures/") + c.pszFile));
        SIZE sizeTemplate = TemplateSize(hPlugin, c.pszTemplate, c.bWholeHeight ? NULL : hParent);
        EXPECT_GT(sizeTemplate.cx, 0) << c.pszFile;
        EXPECT_EQ(sizePng.cx, sizeTemplate.cx) << c.pszFile;
        if (c.bWholeHeight)
            EXPECT_EQ(sizePng.cy, sizeTemplate.cy) << c.pszFile;
        else
            EXPECT_GT(sizePng.cy, 0) << c.pszFile;
    }
    DestroyWindow(hParent);
    FreeLibrary(hPlugin);

    // The analysis window's picture holds the panel with its controls (its
    // grandchildren), right-aligned within a small margin, as the panel's
    // own picture shows them.
    ASSERT_EQ(RunHost("demo --pictures " + tmp.Path("analysis") + " --settings " + tmp.Path("settings")
                      + " --out " + tmp.Path("out") + " --quiet").nExit, 0);
    cairo_surface_t *pWhole = cairo_image_surface_create_from_png(tmp.Path("analysis/analysis.png").c_str());
    cairo_surface_t *pPanel = cairo_image_surface_create_from_png(tmp.Path("pictures/SETUPDLG_NORMAL.png").c_str());
    ASSERT_EQ(cairo_surface_status(pWhole), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_surface_status(pPanel), CAIRO_STATUS_SUCCESS);
    const int cx = cairo_image_surface_get_width(pPanel), cy = cairo_image_surface_get_height(pPanel);
    auto pixel = [](cairo_surface_t *p, int x, int y) {
        const unsigned char *pRow = cairo_image_surface_get_data(p) + y * cairo_image_surface_get_stride(p);
        return ((const uint32_t *)pRow)[x] & 0xFFFFFF;
    };
    bool bFound = false;
    for (int nGap = 0; nGap < 8 && !bFound && cx > 0; nGap++) {
        const int x0 = cairo_image_surface_get_width(pWhole) - cx - nGap;
        bFound = true;
        for (int y = 0; y < cy && bFound; y++)
            for (int x = 0; x < cx && bFound; x++)
                bFound = pixel(pWhole, x0 + x, y) == pixel(pPanel, x, y);
    }
    EXPECT_TRUE(bFound) << "the setup panel within the analysis picture";
    cairo_surface_destroy(pPanel);
    cairo_surface_destroy(pWhole);
}

}  // namespace
