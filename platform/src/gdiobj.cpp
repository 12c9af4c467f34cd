// GDI objects: stock objects, pens, brushes, fonts, selection and deletion,
// and the system colours.
#include <windows.h>

#include <cstring>
#include <memory>

#include "gdi.h"
#include "handletable.h"
#include "internal.h"

namespace {

HandleTable<GDIOBJ> g_objects(HTAG_GDI);
const int kStockCount = DC_PEN + 1;
HGDIOBJ g_stock[kStockCount];
const int kSysColorCount = COLOR_INFOBK + 1;
HBRUSH g_sysBrushes[kSysColorCount];

// The classic Windows colour scheme.
const COLORREF kSysColors[kSysColorCount] = {
    RGB(192, 192, 192), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),
    RGB(0, 0, 0),       RGB(255, 255, 255), RGB(192, 192, 192), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(223, 223, 223), RGB(0, 0, 0),
    RGB(255, 255, 225),
};

GDIOBJ MakeBrush(UINT uStyle, COLORREF cr)
{
    GDIOBJ obj{};
    obj.dwType = OBJ_BRUSH;
    obj.lb = LOGBRUSH{uStyle, cr, 0};
    return obj;
}

GDIOBJ MakePen(UINT uStyle, int nWidth, COLORREF cr)
{
    GDIOBJ obj{};
    obj.dwType = OBJ_PEN;
    obj.lp = LOGPEN{uStyle, POINT{nWidth, 0}, cr};
    return obj;
}

GDIOBJ MakeFont(LONG lHeight, LONG lWeight, BYTE bPitch, const char *pszFace)
{
    GDIOBJ obj{};
    obj.dwType = OBJ_FONT;
    obj.lf.lfHeight = lHeight;
    obj.lf.lfWeight = lWeight;
    obj.lf.lfPitchAndFamily = bPitch;
    strncpy(obj.lf.lfFaceName, pszFace, LF_FACESIZE - 1);
    return obj;
}

HGDIOBJ AddStock(GDIOBJ obj)
{
    obj.fStock = TRUE;
    return GdiAdd(obj);
}

void CreateStockObjects(void)
{
    g_stock[WHITE_BRUSH] = AddStock(MakeBrush(BS_SOLID, RGB(255, 255, 255)));
    g_stock[LTGRAY_BRUSH] = AddStock(MakeBrush(BS_SOLID, RGB(192, 192, 192)));
    g_stock[GRAY_BRUSH] = AddStock(MakeBrush(BS_SOLID, RGB(128, 128, 128)));
    g_stock[DKGRAY_BRUSH] = AddStock(MakeBrush(BS_SOLID, RGB(64, 64, 64)));
    g_stock[BLACK_BRUSH] = AddStock(MakeBrush(BS_SOLID, RGB(0, 0, 0)));
    g_stock[NULL_BRUSH] = AddStock(MakeBrush(BS_NULL, 0));
    g_stock[WHITE_PEN] = AddStock(MakePen(PS_SOLID, 0, RGB(255, 255, 255)));
    g_stock[BLACK_PEN] = AddStock(MakePen(PS_SOLID, 0, RGB(0, 0, 0)));
    g_stock[NULL_PEN] = AddStock(MakePen(PS_NULL, 0, 0));
    g_stock[OEM_FIXED_FONT] = AddStock(MakeFont(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Terminal"));
    g_stock[ANSI_FIXED_FONT] = AddStock(MakeFont(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier"));
    g_stock[ANSI_VAR_FONT] = AddStock(MakeFont(12, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"));
    g_stock[SYSTEM_FONT] = AddStock(MakeFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System"));
    g_stock[DEVICE_DEFAULT_FONT] = AddStock(MakeFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System"));
    g_stock[SYSTEM_FIXED_FONT] = AddStock(MakeFont(16, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Fixedsys"));
    g_stock[DEFAULT_GUI_FONT] = AddStock(MakeFont(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Shell Dlg"));
    g_stock[DC_BRUSH] = AddStock(MakeBrush(BS_SOLID, RGB(255, 255, 255)));
    g_stock[DC_PEN] = AddStock(MakePen(PS_SOLID, 0, RGB(0, 0, 0)));
}

void EnsureStock(void)
{
    if (!g_stock[WHITE_BRUSH])
        CreateStockObjects();
}

bool IsSelectable(DWORD dwType)
{
    return dwType == OBJ_PEN || dwType == OBJ_BRUSH || dwType == OBJ_FONT || dwType == OBJ_BITMAP;
}

// A metafile keeps the selection as the object's description, so the
// recording outlives the caller's handle.
void RecordSelect(GDIOBJ *pDc, HGDIOBJ h, const GDIOBJ *pObj)
{
    if (pObj->fStock) {
        MetaRecord(pDc, [=](HDC hdc) { SelectObject(hdc, h); });
        return;
    }
    GDIOBJ desc = *pObj;
    desc.cSelected = 0;
    desc.pFont = nullptr;
    MetaRecord(pDc, [=](HDC hdc) {
        HGDIOBJ hNew = desc.dwType == OBJ_PEN ? (HGDIOBJ)CreatePen((int)desc.lp.lopnStyle, desc.lp.lopnWidth.x,
                                                                   desc.lp.lopnColor)
                       : desc.dwType == OBJ_BRUSH ? (HGDIOBJ)CreateSolidBrush(desc.lb.lbColor)
                                                  : (HGDIOBJ)CreateFontIndirectA(&desc.lf);
        GDIOBJ *pNew = GdiGet(hNew);
        if (pNew && desc.dwType == OBJ_BRUSH)
            pNew->lb = desc.lb;
        SelectObject(hdc, hNew);
        DeleteObject(hNew);   // freed when deselected
    });
}

}  // namespace

GDIOBJ *GdiGet(HGDIOBJ h)
{
    EnsureStock();
    return g_objects.Get((uintptr_t)h);
}

HGDIOBJ GdiAdd(const GDIOBJ &obj)
{
    return (HGDIOBJ)g_objects.Add(std::make_unique<GDIOBJ>(obj));
}

void GdiFreeResources(GDIOBJ *pObj)
{
    if (pObj->pFont)
        cairo_scaled_font_destroy(pObj->pFont);
    if (pObj->pBits)
        cairo_surface_destroy(pObj->pBits);
    pObj->pFont = nullptr;
    pObj->pBits = nullptr;
}

void GdiRemove(HGDIOBJ h)
{
    GDIOBJ *pObj = g_objects.Get((uintptr_t)h);
    if (pObj)
        GdiFreeResources(pObj);
    g_objects.Remove((uintptr_t)h);
}

void GdiDeselect(HGDIOBJ h)
{
    GDIOBJ *pObj = GdiGet(h);
    if (!pObj)
        return;
    if (pObj->cSelected > 0)
        pObj->cSelected--;
    if (pObj->cSelected == 0 && pObj->fDeletePending)
        GdiRemove(h);
}

HBRUSH BrushFromClassBackground(HBRUSH hbr)
{
    ULONG_PTR uValue = (ULONG_PTR)hbr;
    if (uValue >= 1 && uValue <= (ULONG_PTR)kSysColorCount)
        return GetSysColorBrush((int)uValue - 1);
    GDIOBJ *pObj = GdiGet(hbr);
    return (pObj && pObj->dwType == OBJ_BRUSH) ? hbr : NULL;
}

extern "C" HGDIOBJ WINAPI GetStockObject(int i)
{
    EnsureStock();
    if (i < 0 || i >= kStockCount)
        return NULL;
    return g_stock[i];
}

extern "C" HFONT WINAPI CreateFontIndirectA(const LOGFONTA *lplf)
{
    if (!lplf) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return NULL;
    }
    GDIOBJ obj{};
    obj.dwType = OBJ_FONT;
    obj.lf = *lplf;
    obj.lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    EnsureStock();
    return (HFONT)GdiAdd(obj);
}

extern "C" HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                                    DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                                    DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                                    DWORD iPitchAndFamily, LPCSTR pszFaceName)
{
    LOGFONTA lf{};
    lf.lfHeight = cHeight;
    lf.lfWidth = cWidth;
    lf.lfEscapement = cEscapement;
    lf.lfOrientation = cOrientation;
    lf.lfWeight = cWeight;
    lf.lfItalic = (BYTE)bItalic;
    lf.lfUnderline = (BYTE)bUnderline;
    lf.lfStrikeOut = (BYTE)bStrikeOut;
    lf.lfCharSet = (BYTE)iCharSet;
    lf.lfOutPrecision = (BYTE)iOutPrecision;
    lf.lfClipPrecision = (BYTE)iClipPrecision;
    lf.lfQuality = (BYTE)iQuality;
    lf.lfPitchAndFamily = (BYTE)iPitchAndFamily;
    if (pszFaceName)
        strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

extern "C" HBRUSH WINAPI CreateSolidBrush(COLORREF color)
{
    EnsureStock();
    return (HBRUSH)GdiAdd(MakeBrush(BS_SOLID, color));
}

extern "C" HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color)
{
    EnsureStock();
    return (HPEN)GdiAdd(MakePen((UINT)iStyle, cWidth, color));
}

extern "C" BOOL WINAPI DeleteObject(HGDIOBJ ho)
{
    GDIOBJ *pObj = GdiGet(ho);
    if (!pObj || !IsSelectable(pObj->dwType))
        return FALSE;
    if (pObj->fStock)
        return TRUE;
    if (pObj->cSelected > 0) {
        pObj->fDeletePending = TRUE;
        return TRUE;
    }
    GdiRemove(ho);
    return TRUE;
}

// A bitmap goes only into a memory context, and into one at a time.
static bool CanSelectBitmap(HDC hdc, const GDIOBJ *pDc, const GDIOBJ *pBmp)
{
    if (pDc->dwType != OBJ_MEMDC)
        return false;
    return pBmp->fStock || !pBmp->hdcOwner || pBmp->hdcOwner == hdc;
}

extern "C" HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h)
{
    GDIOBJ *pDc = DcGet(hdc);
    GDIOBJ *pObj = GdiGet(h);
    if (!pDc || !pObj || !IsSelectable(pObj->dwType) || pObj->fDeletePending
        || (pObj->dwType == OBJ_BITMAP && !CanSelectBitmap(hdc, pDc, pObj))) {
        SetLastError(ERROR_INVALID_HANDLE);
        return NULL;
    }
    HGDIOBJ *phSlot = pObj->dwType == OBJ_PEN     ? &pDc->st.hPen
                      : pObj->dwType == OBJ_BRUSH ? &pDc->st.hBrush
                      : pObj->dwType == OBJ_FONT  ? &pDc->st.hFont
                                                  : (HGDIOBJ *)&pDc->hBitmap;
    HGDIOBJ hOld = *phSlot;
    if (hOld == h)
        return hOld;
    if (DcIsMeta(pDc))
        RecordSelect(pDc, h, pObj);
    pObj->cSelected++;
    *phSlot = h;
    if (pObj->dwType == OBJ_BITMAP) {
        pObj->hdcOwner = hdc;
        GDIOBJ *pOld = GdiGet(hOld);
        if (pOld)
            pOld->hdcOwner = NULL;
    }
    GdiDeselect(hOld);
    return hOld;
}

extern "C" int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv)
{
    GDIOBJ *pObj = GdiGet(h);
    if (!pObj || !IsSelectable(pObj->dwType))
        return 0;
    const void *pSrc = pObj->dwType == OBJ_PEN     ? (const void *)&pObj->lp
                       : pObj->dwType == OBJ_BRUSH ? (const void *)&pObj->lb
                       : pObj->dwType == OBJ_FONT  ? (const void *)&pObj->lf
                                                   : (const void *)&pObj->bm;
    int cb = pObj->dwType == OBJ_PEN     ? (int)sizeof(LOGPEN)
             : pObj->dwType == OBJ_BRUSH ? (int)sizeof(LOGBRUSH)
             : pObj->dwType == OBJ_FONT  ? (int)sizeof(LOGFONTA)
                                         : (int)sizeof(BITMAP);
    if (!pv)
        return cb;
    if (c <= 0)
        return 0;
    int cbCopy = c < cb ? c : cb;
    memcpy(pv, pSrc, (size_t)cbCopy);
    return cbCopy;
}

extern "C" DWORD WINAPI GetObjectType(HGDIOBJ h)
{
    GDIOBJ *pObj = GdiGet(h);
    return pObj ? pObj->dwType : 0;
}

extern "C" DWORD WINAPI GetSysColor(int nIndex)
{
    if (nIndex < 0 || nIndex >= kSysColorCount)
        return 0;
    return kSysColors[nIndex];
}

extern "C" HBRUSH WINAPI GetSysColorBrush(int nIndex)
{
    if (nIndex < 0 || nIndex >= kSysColorCount)
        return NULL;
    if (!g_sysBrushes[nIndex])
        g_sysBrushes[nIndex] = (HBRUSH)AddStock(MakeBrush(BS_SOLID, kSysColors[nIndex]));
    return g_sysBrushes[nIndex];
}
