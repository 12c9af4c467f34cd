// The custom controls' painters for a platform layer without GDI's
// drawing calls: nothing is drawn. Built instead of ccpaint.cpp only until
// the layer draws (libs/CMakeLists.txt decides).
#include "ccintern.h"

void CcFrameRect(HDC, const RECT *, int, int)
{
}

void CcPaintStatic(HDC, const RECT *, LONG, LPCSTR, const CCSTATICDATA *)
{
}

void CcPaintTextButton(HDC, const RECT *, LPCSTR, BOOL, const CCTEXTBTNDATA *)
{
}

void RngScaleDraw(HWND, HDC, const CCRNGSCALEDATA *)
{
}
