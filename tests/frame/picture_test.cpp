// The analysis window pictured by the automation API as a screen shows it:
// every visible child appears where the layout put it, drawn as it draws
// itself, over the window's own painting.
#include "fixture.h"

#include <cairo.h>

#include <string>

#include "automation.h"

namespace {

typedef PluginTest AnalysisPicture;

TEST_F(AnalysisPicture, ChildrenAppearWhereTheLayoutPutsThem)
{
    CreateAndInitialise();
    HWND hWnd = m_host->Plugin();
    RECT rcWindow, rcClient;
    GetWindowRect(hWnd, &rcWindow);
    GetClientRect(hWnd, &rcClient);
    SetWindowPos(hWnd, NULL, 0, 0, 900 + (rcWindow.right - rcWindow.left) - rcClient.right,
                 500 + (rcWindow.bottom - rcWindow.top) - rcClient.bottom, SWP_NOMOVE | SWP_NOZORDER);
    std::string strPath = FileIn("analysis.png");
    ASSERT_TRUE(AutoRenderWindowToPng(hWnd, strPath.c_str()));
    cairo_surface_t *pPng = cairo_image_surface_create_from_png(strPath.c_str());
    ASSERT_EQ(cairo_surface_status(pPng), CAIRO_STATUS_SUCCESS);
    const unsigned char *pData = cairo_image_surface_get_data(pPng);
    int nStride = cairo_image_surface_get_stride(pPng);
    POINT ptClient = {0, 0};
    ClientToScreen(hWnd, &ptClient);
    GetWindowRect(hWnd, &rcWindow);
    int xClient = ptClient.x - rcWindow.left, yClient = ptClient.y - rcWindow.top;

    int nChecked = 0;
    for (HWND h = GetWindow(hWnd, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (!(GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE))
            continue;
        RECT rc;
        GetWindowRect(h, &rc);
        MapWindowPoints(NULL, hWnd, (POINT *)&rc, 2);
        int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
        if (cx <= 0 || cy <= 0)
            continue;
        // The child alone, drawn into a bitmap of its size.
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void *pvBits = NULL;
        HDC hdc = CreateCompatibleDC(NULL);
        HBITMAP hbm = CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &pvBits, NULL, 0);
        HGDIOBJ hOld = SelectObject(hdc, hbm);
        SendMessageA(h, WM_PRINTCLIENT, (WPARAM)hdc, PRF_CLIENT);
        int nDiffer = 0;
        for (int y = 0; y < cy; y++)
            for (int x = 0; x < cx; x++) {
                uint32_t pxAlone = ((const uint32_t *)pvBits)[y * cx + x] & 0xFFFFFF;
                const uint32_t *pRow = (const uint32_t *)(pData + (yClient + rc.top + y) * nStride);
                if ((pRow[xClient + rc.left + x] & 0xFFFFFF) != pxAlone)
                    nDiffer++;
            }
        EXPECT_EQ(nDiffer, 0) << "child " << GetDlgCtrlID(h) << " at " << rc.left << "," << rc.top;
        SelectObject(hdc, hOld);
        DeleteObject(hbm);
        DeleteDC(hdc);
        nChecked++;
    }
    EXPECT_GE(nChecked, 10) << "status line, graphs and buttons";
    cairo_surface_destroy(pPng);
}

}  // namespace
