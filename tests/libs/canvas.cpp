// A DIB section to draw into and read back (canvas.h).
#include "canvas.h"

Canvas::Canvas(int cx, int cy) : m_cx(cx), m_cy(cy)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;  // top-down: row 0 first
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void *pv = nullptr;
    m_hdc = CreateCompatibleDC(NULL);
    m_hbm = CreateDIBSection(m_hdc, &bmi, DIB_RGB_COLORS, &pv, NULL, 0);
    m_pBits = (const DWORD *)pv;
    m_hOld = SelectObject(m_hdc, m_hbm);
    RECT rc = {0, 0, cx, cy};
    HBRUSH hbr = CreateSolidBrush(SENTINEL);
    FillRect(m_hdc, &rc, hbr);
    DeleteObject(hbr);
    GdiFlush();
}

Canvas::~Canvas()
{
    SelectObject(m_hdc, m_hOld);
    DeleteObject(m_hbm);
    DeleteDC(m_hdc);
}

COLORREF Canvas::At(int x, int y) const
{
    if (m_pBits == nullptr || x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return CLR_INVALID;
    const DWORD dw = m_pBits[size_t(y) * m_cx + x];  // 0x00RRGGBB in memory order B, G, R
    return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
}

int Canvas::Count(COLORREF cr, int x0, int y0, int x1, int y1) const
{
    int n = 0;
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            n += At(x, y) == cr;
    return n;
}

void Canvas::Print(HWND hwnd, int x, int y)
{
    POINT ptOld;
    SetViewportOrgEx(m_hdc, x, y, &ptOld);
    SendMessageA(hwnd, WM_PRINTCLIENT, (WPARAM)m_hdc, 0);
    SetViewportOrgEx(m_hdc, ptOld.x, ptOld.y, NULL);
    GdiFlush();
}
