/*
 * canvas.h - a 32-bit top-down DIB section in a memory DC, for drawing
 * tests: what a control draws is read back pixel by pixel. The canvas is
 * filled with a sentinel colour first, so a pixel that was never drawn can
 * be told from one drawn white.
 */
#ifndef TESTS_LIBS_CANVAS_H
#define TESTS_LIBS_CANVAS_H

#include <windows.h>

class Canvas {
public:
    static constexpr COLORREF SENTINEL = RGB(255, 0, 255);

    Canvas(int cx, int cy);
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    HDC Dc() const { return m_hdc; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    // The pixel at (x, y) as a COLORREF; CLR_INVALID outside the canvas.
    COLORREF At(int x, int y) const;
    // Pixels of colour cr inside [x0, x1) x [y0, y1).
    int Count(COLORREF cr, int x0, int y0, int x1, int y1) const;
    // Draws hwnd's client area with WM_PRINTCLIENT, its origin at (x, y).
    void Print(HWND hwnd, int x = 0, int y = 0);

private:
    HDC m_hdc = NULL;
    HBITMAP m_hbm = NULL;
    HGDIOBJ m_hOld = NULL;
    const DWORD *m_pBits = nullptr;
    int m_cx, m_cy;
};

#endif /* TESTS_LIBS_CANVAS_H */
