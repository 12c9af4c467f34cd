/*
 * viewtest.h - a result view on its own: a parent window, the view as its
 * child with a record the test fills, and the view's drawing read back from
 * a 32-bit top-down DIB section.
 */
#ifndef TESTS_VIEWS_VIEWTEST_H
#define TESTS_VIEWS_VIEWTEST_H

#include <windows.h>

#include <string>

#include "fixture.h"
#include "frame/fftview.h"
#include "views/viewwnd.h"

// A view and the record it shows.
class ViewTest : public PluginTest {
public:
    COLORREF Pixel(int x, int y) const;

protected:
    void SetUp() override;
    void TearDown() override;

    // Creates a view of pszClass with control id nId, cx x cy, showing the
    // test's record; the record starts analysing, with bands 0..3 enabled.
    HWND CreateView(const char *pszClass, int nId, int cx = 320, int cy = 220);
    FFTVIEWDATA &Data() { return *m_pData; }
    void Detach() const;

    // The plot rectangle the view draws in, from the metrics of a memory DC
    // (the DC the drawing goes to) and the view's inner margin of 1.
    RECT PlotRect() const;

    // The view drawn by WM_PRINTCLIENT into a fresh white DIB; Pixel reads
    // it back as 0xRRGGBB.
    void Draw();
    // Replays a metafile of QPM_GETGRAPHIMAGE (mode) into the DIB instead.
    bool DrawImage(int nMode);
    // Pixels of rc differing from the last drawing kept by KeepDrawing.
    void KeepDrawing();
    int DiffersFromKept(const RECT &rc) const;

    // The text of QPM_GETGRAPHTEXT with separator mode nMode ("" for 0).
    std::string Text(int nMode) const;

    HWND m_hParent = NULL;
    HWND m_hView = NULL;
    HGLOBAL m_hData = NULL;
    FFTVIEWDATA *m_pData = NULL;
    HDC m_hdc = NULL;
    HBITMAP m_hbm = NULL;
    HGDIOBJ m_hbmOld = NULL;
    DWORD *m_pBits = NULL;
    int m_cx = 0;
    int m_cy = 0;
    std::string m_kept;
};

// The 0xRRGGBB form of a COLORREF, as Pixel gives it.
inline COLORREF Rgb(COLORREF cr)
{
    return (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
}

#endif /* TESTS_VIEWS_VIEWTEST_H */
