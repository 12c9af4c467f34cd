// Pictures of the analysis window: its children drawn into a DIB section
// through WM_PRINTCLIENT, written as PNG by cairo; and the result views'
// images, the enhanced metafiles their copy puts on the clipboard, as SVG.
#include "pictures.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>

#include <cairo.h>

#include "automation.h"
#include "cohread.h"

namespace {

// A top-down 32-bit DIB section in a memory context.
struct PICTURE {
    HDC hdc;
    HBITMAP hbm;
    HGDIOBJ hOld;
    unsigned char *pBits;
};

BOOL PictureCreate(PICTURE *pPic, int cx, int cy)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void *pv = NULL;
    pPic->hdc = CreateCompatibleDC(NULL);
    pPic->hbm = pPic->hdc ? CreateDIBSection(pPic->hdc, &bmi, DIB_RGB_COLORS, &pv, NULL, 0) : NULL;
    pPic->pBits = (unsigned char *)pv;
    if (pPic->hbm == NULL || pv == NULL) {
        if (pPic->hdc)
            DeleteDC(pPic->hdc);
        return FALSE;
    }
    pPic->hOld = SelectObject(pPic->hdc, pPic->hbm);
    return TRUE;
}

void PictureDestroy(PICTURE *pPic)
{
    SelectObject(pPic->hdc, pPic->hOld);
    DeleteDC(pPic->hdc);
    DeleteObject(pPic->hbm);
}

// Each visible child of hWnd at its place, then its own children within
// it, in the order Windows paints them, from the top of the Z order down: a
// child that overlaps one above it draws over it, as a child without
// WS_CLIPSIBLINGS does (a dialog's frame drawn first, the controls inside
// it after). No child of the plug-in's windows clips its siblings.
void DrawChildren(HDC hdc, HWND hWnd)
{
    for (HWND h = GetWindow(hWnd, GW_CHILD); h != NULL; h = GetWindow(h, GW_HWNDNEXT)) {
        if (!(GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE))
            continue;
        RECT rcChild;
        GetWindowRect(h, &rcChild);
        MapWindowPoints(NULL, hWnd, (POINT *)&rcChild, 2);
        const int nSaved = SaveDC(hdc);
        IntersectClipRect(hdc, rcChild.left, rcChild.top, rcChild.right, rcChild.bottom);
        OffsetViewportOrgEx(hdc, rcChild.left, rcChild.top, NULL);
        SendMessageA(h, WM_PRINTCLIENT, (WPARAM)hdc, 0);
        DrawChildren(hdc, h);
        RestoreDC(hdc, nSaved);
    }
}

// The window's own background, then its children: the setup panel's
// controls are the analysis window's grandchildren.
void DrawWindow(HDC hdc, HWND hWnd, int nWidth, int nHeight)
{
    RECT rc = {0, 0, nWidth, nHeight};
    FillRect(hdc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    SendMessageA(hWnd, WM_PRINTCLIENT, (WPARAM)hdc, 0);
    DrawChildren(hdc, hWnd);
}

BOOL WritePng(const PICTURE *pPic, int cx, int cy, const std::string &strPath)
{
    // The DIB's rows are 32-bit BGRX, which is cairo's RGB24 on this
    // byte order, with a stride of 4 x width.
    cairo_surface_t *pSurface = cairo_image_surface_create_for_data(pPic->pBits, CAIRO_FORMAT_RGB24, cx, cy, cx * 4);
    const cairo_status_t status = cairo_surface_write_to_png(pSurface, strPath.c_str());
    cairo_surface_destroy(pSurface);
    return status == CAIRO_STATUS_SUCCESS;
}

}  // namespace

BOOL PicturesWriteWindow(HWND hWnd, const std::string &strFolder, const char *pszName, char *pszError,
                    size_t cbError)
{
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hWnd, &rc);
    PICTURE pic = {};
    if (!PictureCreate(&pic, rc.right, rc.bottom)) {
        snprintf(pszError, cbError, "no memory for a %d x %d picture", (int)rc.right, (int)rc.bottom);
        return FALSE;
    }
    DrawWindow(pic.hdc, hWnd, rc.right, rc.bottom);
    const std::string strPath = strFolder + "/" + pszName;
    BOOL bOk = WritePng(&pic, rc.right, rc.bottom, strPath);
    PictureDestroy(&pic);
    if (!bOk)
        snprintf(pszError, cbError, "cannot write %s", strPath.c_str());
    return bOk;
}

namespace {

// The analysis window's commands the pictures use.
const int IDC_HISTOGRAM = 1013;
const int IDC_COHERENCE = 1023;
const int COH_PICTURE_WIDTH = 1400;   // an 8-channel matrix stays legible
const int COH_PICTURE_HEIGHT = 1000;

// The views' image request (mode 1: an enhanced metafile, as "Copy Graph
// Image" puts it on the clipboard) and the coherence matrix's cell ids.
const UINT QPM_GETGRAPHIMAGE = WM_USER + 164;
const int IDC_BARGRAPH_FIRST = 1080;  // + analysis channel slot
const int ANALY_CHANNELS = 8;
const int IDC_COHCOLHEAD = 2000;      // + channel: column header
const int IDC_COHBANDS = 4000;        // + b: band histograms, column by column

// The view's enhanced metafile saved as strFolder/strName.
BOOL WriteViewSvg(HWND hView, const std::string &strFolder, const std::string &strName, char *pszError,
                  size_t cbError)
{
    HENHMETAFILE hemf = (HENHMETAFILE)SendMessageA(hView, QPM_GETGRAPHIMAGE, 1, 0);
    const std::string strPath = strFolder + "/" + strName;
    BOOL bOk = hemf != NULL && AutoEnhMetaFileToSvg(hemf, strPath.c_str());
    if (hemf != NULL)
        DeleteEnhMetaFile(hemf);
    if (!bOk)
        snprintf(pszError, cbError, "cannot write %s", strPath.c_str());
    return bOk;
}

// bars-CHn.svg for each bar graph the histogram mode shows (n the slot, 1-based).
BOOL WriteBarSvgs(HWND hAnaly, const std::string &strFolder, char *pszError, size_t cbError)
{
    for (int j = 0; j < ANALY_CHANNELS; j++) {
        HWND hBars = GetDlgItem(hAnaly, IDC_BARGRAPH_FIRST + j);
        if (hBars == NULL || !(GetWindowLongA(hBars, GWL_STYLE) & WS_VISIBLE))
            continue;
        if (!WriteViewSvg(hBars, strFolder, "bars-CH" + std::to_string(j + 1) + ".svg", pszError, cbError))
            return FALSE;
    }
    return TRUE;
}

// coherence-bands-A-B.svg for each pair's band histogram: the matrix has a
// header per channel, and its histograms run column i by column, rows
// j < i, showing channels j and i.
BOOL WriteCoherenceSvgs(HWND hCoh, const std::string &strFolder, char *pszError, size_t cbError)
{
    int n = 0;
    while (GetDlgItem(hCoh, IDC_COHCOLHEAD + n) != NULL)
        n++;
    int b = 0;
    for (int i = 0; i < n; i++) {
        for (int j = 0; j < i; j++, b++) {
            HWND hBands = GetDlgItem(hCoh, IDC_COHBANDS + b);
            std::string strName = "coherence-bands-" + std::to_string(j + 1) + "-" + std::to_string(i + 1) + ".svg";
            if (hBands != NULL && !WriteViewSvg(hBands, strFolder, strName, pszError, cbError))
                return FALSE;
        }
    }
    return TRUE;
}

// The histogram mode after the run with its bar graphs' images, and the
// coherence window with its histograms' images when the analysis offers
// it; the window is left as it was.
BOOL WriteViews(HWND hAnaly, const std::string &strFolder, char *pszError, size_t cbError)
{
    SendMessageA(hAnaly, WM_COMMAND, IDC_HISTOGRAM, 0);
    AutoPump();
    BOOL bOk = PicturesWriteWindow(hAnaly, strFolder, "histogram.png", pszError, cbError)
        && WriteBarSvgs(hAnaly, strFolder, pszError, cbError);
    SendMessageA(hAnaly, WM_COMMAND, IDC_HISTOGRAM, 0);
    HWND hButton = GetDlgItem(hAnaly, IDC_COHERENCE);
    // The layout shows the button only when the analysis offers coherence
    // (the host's window itself may be hidden).
    if (!bOk || hButton == NULL || !(GetWindowLongA(hButton, GWL_STYLE) & WS_VISIBLE))
        return bOk;
    SendMessageA(hAnaly, WM_COMMAND, IDC_COHERENCE, 0);
    AutoPump();
    HWND hCoh = CohFindWindow();
    if (hCoh != NULL) {
        MoveWindow(hCoh, 0, 0, COH_PICTURE_WIDTH, COH_PICTURE_HEIGHT, FALSE);
        AutoPump();
        bOk = PicturesWriteWindow(hCoh, strFolder, "coherence.png", pszError, cbError)
            && WriteCoherenceSvgs(hCoh, strFolder, pszError, cbError);
        SendMessageA(hAnaly, WM_COMMAND, IDC_COHERENCE, 0);
        AutoPump();
    }
    return bOk;
}

}  // namespace

BOOL PicturesWriteAnalysis(HWND hAnaly, const std::string &strFolder, int nWidth, int nHeight,
                           char *pszError, size_t cbError)
{
    if (mkdir(strFolder.c_str(), 0755) != 0 && errno != EEXIST) {
        snprintf(pszError, cbError, "cannot make the pictures folder %s: %s", strFolder.c_str(), strerror(errno));
        return FALSE;
    }
    MoveWindow(hAnaly, 0, 0, nWidth, nHeight, FALSE);
    AutoPump();
    return PicturesWriteWindow(hAnaly, strFolder, "analysis.png", pszError, cbError)
        && WriteViews(hAnaly, strFolder, pszError, cbError);
}
