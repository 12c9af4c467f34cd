// A result view on its own, with a record the test fills, drawn into a DIB.
#include "viewtest.h"

#include <string.h>

void ViewTest::SetUp()
{
    PluginTest::SetUp();
    m_hData = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(FFTVIEWDATA));
    ASSERT_NE(m_hData, nullptr);
    // Locked for the whole test: the view's own locks nest on it.
    m_pData = (FFTVIEWDATA *)GlobalLock(m_hData);
    m_pData->wAnalyState = 2;
    m_pData->nFreqMax = 3000;
    const DWORD anEdges[] = {50, 400, 800, 1300, 3000};
    const COLORREF acr[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(255, 0, 255),
                            RGB(0, 255, 255), RGB(128, 0, 0), RGB(0, 128, 128), RGB(128, 128, 0)};
    for (int b = 0; b < FV_BANDS; b++) {
        FREQBAND &band = m_pData->aBand[b];
        band.wEnable = b < 4;
        band.nMinFreq = b < 4 ? anEdges[b] : 0;
        band.nMaxFreq = b < 4 ? anEdges[b + 1] : 0;
        snprintf(band.szLabel, sizeof(band.szLabel), "band%d", b);
        m_pData->acrBandColor[b] = acr[b];
    }
    for (ANALYCHANNEL &ch : m_pData->aAnalyCh) {
        ch.nDispMaxFreq = 5000;
        strcpy(ch.szChTitle, "C3-A1");
    }
    m_hParent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, NULL, NULL,
                                NULL, NULL);
    ASSERT_NE(m_hParent, nullptr);
}

void ViewTest::TearDown()
{
    if (m_hdc != NULL) {
        SelectObject(m_hdc, m_hbmOld);
        DeleteObject(m_hbm);
        DeleteDC(m_hdc);
    }
    if (m_hParent != NULL)
        DestroyWindow(m_hParent);
    GlobalUnlock(m_hData);
    GlobalFree(m_hData);
    PluginTest::TearDown();
}

HWND ViewTest::CreateView(const char *pszClass, int nId, int cx, int cy)
{
    m_hView = CreateWindowExA(0, pszClass, "", WS_CHILD | WS_VISIBLE | 0x1A1, 0, 0, cx, cy,
                              m_hParent, (HMENU)(INT_PTR)nId, m_hPlugin, NULL);
    EXPECT_NE(m_hView, nullptr);
    SendMessageA(m_hView, QPM_ATTACHDATA, 0, (LPARAM)m_hData);
    // A font of its own, as the analysis window gives its views: the
    // metafiles then measure the text as the memory DC does.
    SendMessageA(m_hView, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
    if (m_hdc != NULL)
        return m_hView;
    m_cx = cx;
    m_cy = cy;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    m_hdc = CreateCompatibleDC(NULL);
    m_hbm = CreateDIBSection(m_hdc, &bmi, DIB_RGB_COLORS, (void **)&m_pBits, NULL, 0);
    EXPECT_NE(m_hbm, nullptr);
    m_hbmOld = SelectObject(m_hdc, m_hbm);
    return m_hView;
}

void ViewTest::Detach() const
{
    SendMessageA(m_hView, QPM_ATTACHDATA, 0, 0);
}

RECT ViewTest::PlotRect() const
{
    TEXTMETRICA tm = {};
    HGDIOBJ hOld = SelectObject(m_hdc, GetStockObject(DEFAULT_GUI_FONT));
    GetTextMetricsA(m_hdc, &tm);
    SelectObject(m_hdc, hOld);
    int h = tm.tmHeight, a = tm.tmAveCharWidth;
    return {1 + 5 * a, 1 + 3 * h / 2, m_cx - 1 - a / 2, m_cy - 1 - 3 * h / 2};
}

static void Clear(DWORD *pBits, int cx, int cy)
{
    for (int i = 0; i < cx * cy; i++)
        pBits[i] = 0xFFFFFF;
}

void ViewTest::Draw()
{
    Clear(m_pBits, m_cx, m_cy);
    SendMessageA(m_hView, WM_PRINTCLIENT, (WPARAM)m_hdc, PRF_CLIENT);
    GdiFlush();
}

bool ViewTest::DrawImage(int nMode)
{
    Clear(m_pBits, m_cx, m_cy);
    HANDLE hImage = (HANDLE)SendMessageA(m_hView, QPM_GETGRAPHIMAGE, nMode, 0);
    if (hImage == NULL)
        return false;
    if (nMode == 0) {
        PlayMetaFile(m_hdc, (HMETAFILE)hImage);
        DeleteMetaFile((HMETAFILE)hImage);
    } else {
        // Played onto its own bounds, so that nothing is scaled: a picture
        // made without a frame rectangle gets its frame from its bounds.
        ENHMETAHEADER hdr = {};
        GetEnhMetaFileHeader((HENHMETAFILE)hImage, sizeof(hdr), &hdr);
        RECT rc = {hdr.rclBounds.left, hdr.rclBounds.top, hdr.rclBounds.right,
                   hdr.rclBounds.bottom};
        PlayEnhMetaFile(m_hdc, (HENHMETAFILE)hImage, &rc);
        DeleteEnhMetaFile((HENHMETAFILE)hImage);
    }
    GdiFlush();
    return true;
}

COLORREF ViewTest::Pixel(int x, int y) const
{
    return m_pBits[y * m_cx + x] & 0xFFFFFF;
}

void ViewTest::KeepDrawing()
{
    m_kept.assign((const char *)m_pBits, (size_t)m_cx * m_cy * 4);
}

int ViewTest::DiffersFromKept(const RECT &rc) const
{
    const DWORD *pKept = (const DWORD *)m_kept.data();
    int n = 0;
    for (int y = rc.top; y < rc.bottom; y++) {
        for (int x = rc.left; x < rc.right; x++)
            n += (pKept[y * m_cx + x] & 0xFFFFFF) != Pixel(x, y);
    }
    return n;
}

std::string ViewTest::Text(int nMode) const
{
    HGLOBAL hText = (HGLOBAL)SendMessageA(m_hView, QPM_GETGRAPHTEXT, 0, nMode);
    if (hText == NULL)
        return "";
    EXPECT_EQ(GlobalSize(hText), (SIZE_T)VIEW_TEXT_BYTES);
    std::string s((const char *)GlobalLock(hText));
    GlobalUnlock(hText);
    GlobalFree(hText);
    return s;
}
