// Metafiles: a metafile context records every drawing call as a display
// list, with the device rectangle the calls may touch; playback replays
// the list into any context, and an enhanced metafile also exports to SVG
// and PNG through the automation API.
#include <windows.h>

#include <cairo-svg.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "automation.h"
#include "gdi.h"
#include "path.h"

struct METAREC {
    std::vector<std::function<void(HDC)>> calls;
    bool fEnhanced;
    bool fFrame;         // the caller gave a frame
    RECT rcFrame;        // 0.01 mm
    bool fBounds;
    RECT rcBounds;       // device pixels, right and bottom exclusive
};

namespace {

const double kPixelsPerHundredthMm = 96.0 / 2540.0;

LONG ToPixels(LONG lHundredthMm)
{
    return (LONG)std::lround(lHundredthMm * kPixelsPerHundredthMm);
}

LONG ToHundredthMm(LONG lPixels)
{
    return (LONG)std::lround(lPixels / kPixelsPerHundredthMm);
}

HDC CreateRecorder(DWORD dwType, bool fEnhanced, const RECT *prcFrame)
{
    HDC hdc = DcNew(dwType, NULL);
    GDIOBJ *pDc = GdiGet(hdc);
    if (!pDc)
        return NULL;
    pDc->pMeta = std::make_shared<METAREC>();
    pDc->pMeta->fEnhanced = fEnhanced;
    if (prcFrame) {
        pDc->pMeta->fFrame = true;
        pDc->pMeta->rcFrame = *prcFrame;
    }
    return hdc;
}

HGDIOBJ CloseRecorder(HDC hdc, DWORD dwDcType, DWORD dwFileType)
{
    GDIOBJ *pDc = GdiGet(hdc);
    if (!pDc || pDc->dwType != dwDcType)
        return NULL;
    GDIOBJ obj{};
    obj.dwType = dwFileType;
    obj.pMeta = pDc->pMeta;
    DeleteDC(hdc);
    return GdiAdd(obj);
}

METAREC *GetMeta(HGDIOBJ h, DWORD dwType)
{
    GDIOBJ *pObj = GdiGet(h);
    return (pObj && pObj->dwType == dwType) ? pObj->pMeta.get() : nullptr;
}

BOOL DeleteMeta(HGDIOBJ h, DWORD dwType)
{
    if (!GetMeta(h, dwType))
        return FALSE;
    GdiRemove(h);
    return TRUE;
}

// Replays with the context's state saved around it, so objects the
// recording selects are let go of (and freed) at the end.
void Replay(HDC hdc, const METAREC &meta)
{
    int nLevel = SaveDC(hdc);
    for (const std::function<void(HDC)> &fn : meta.calls)
        fn(hdc);
    RestoreDC(hdc, nLevel);
}

// The picture's frame in device pixels: the caller's frame, or the bounds
// of what was drawn.
RECT FramePixels(const METAREC &meta)
{
    if (meta.fFrame)
        return RECT{ToPixels(meta.rcFrame.left), ToPixels(meta.rcFrame.top), ToPixels(meta.rcFrame.right),
                    ToPixels(meta.rcFrame.bottom)};
    return meta.fBounds ? meta.rcBounds : RECT{0, 0, 0, 0};
}

// Plays the picture into a new memory context on surface pSurface, with
// the frame's top-left at the surface's origin.
void PlayOnSurface(const METAREC &meta, cairo_surface_t *pSurface, int cx, int cy)
{
    GDIOBJ bmp{};
    bmp.dwType = OBJ_BITMAP;
    bmp.pBits = cairo_surface_reference(pSurface);
    bmp.bm.bmWidth = cx;
    bmp.bm.bmHeight = cy;
    bmp.bm.bmBitsPixel = 32;
    bmp.bm.bmPlanes = 1;
    HGDIOBJ hbm = GdiAdd(bmp);
    HDC hdcMem = CreateCompatibleDC(NULL);
    HGDIOBJ hOld = SelectObject(hdcMem, hbm);
    RECT rcFrame = FramePixels(meta);
    SetViewportOrgEx(hdcMem, -rcFrame.left, -rcFrame.top, NULL);
    Replay(hdcMem, meta);
    SelectObject(hdcMem, hOld);
    DeleteDC(hdcMem);
    DeleteObject(hbm);
}

}  // namespace

void MetaRecord(GDIOBJ *pDc, std::function<void(HDC)> fn, const RECT *prcBounds)
{
    if (!pDc->pMeta || !DcIsMeta(pDc))
        return;
    METAREC &meta = *pDc->pMeta;
    meta.calls.push_back(std::move(fn));
    if (!prcBounds)
        return;
    POINT pt0 = DcToSurface(pDc, std::min(prcBounds->left, prcBounds->right),
                            std::min(prcBounds->top, prcBounds->bottom));
    POINT pt1 = DcToSurface(pDc, std::max(prcBounds->left, prcBounds->right),
                            std::max(prcBounds->top, prcBounds->bottom));
    RECT rc{pt0.x, pt0.y, pt1.x, pt1.y};
    if (!meta.fBounds)
        meta.rcBounds = rc;
    else
        meta.rcBounds = RECT{std::min(meta.rcBounds.left, rc.left), std::min(meta.rcBounds.top, rc.top),
                             std::max(meta.rcBounds.right, rc.right), std::max(meta.rcBounds.bottom, rc.bottom)};
    meta.fBounds = true;
}

bool GdiIsImage(cairo_surface_t *pSurface)
{
    return cairo_surface_get_type(pSurface) == CAIRO_SURFACE_TYPE_IMAGE;
}

extern "C" HDC WINAPI CreateMetaFileA(LPCSTR)
{
    return CreateRecorder(OBJ_METADC, false, nullptr);
}

extern "C" HMETAFILE WINAPI CloseMetaFile(HDC hdc)
{
    return (HMETAFILE)CloseRecorder(hdc, OBJ_METADC, OBJ_METAFILE);
}

extern "C" BOOL WINAPI PlayMetaFile(HDC hdc, HMETAFILE hmf)
{
    METAREC *pMeta = GetMeta(hmf, OBJ_METAFILE);
    if (!pMeta || !DcGet(hdc))
        return FALSE;
    std::shared_ptr<METAREC> pKeep = GdiGet(hmf)->pMeta;
    Replay(hdc, *pKeep);
    return TRUE;
}

extern "C" BOOL WINAPI DeleteMetaFile(HMETAFILE hmf)
{
    return DeleteMeta(hmf, OBJ_METAFILE);
}

extern "C" HDC WINAPI CreateEnhMetaFileA(HDC hdc, LPCSTR, const RECT *lprc, LPCSTR)
{
    if (hdc && !DcGet(hdc))
        return NULL;
    return CreateRecorder(OBJ_ENHMETADC, true, lprc);
}

extern "C" HENHMETAFILE WINAPI CloseEnhMetaFile(HDC hdc)
{
    return (HENHMETAFILE)CloseRecorder(hdc, OBJ_ENHMETADC, OBJ_ENHMETAFILE);
}

extern "C" BOOL WINAPI DeleteEnhMetaFile(HENHMETAFILE hmf)
{
    return DeleteMeta(hmf, OBJ_ENHMETAFILE);
}

// At the frame's own size the calls replay straight into the context;
// otherwise the picture is drawn at its own size and scaled into lprect.
// A frame taken from the bounds includes their last pixel, as the header
// reports them, so a picture 60 pixels wide plays unscaled into a
// rectangle 59 wide, as on Windows.
extern "C" BOOL WINAPI PlayEnhMetaFile(HDC hdc, HENHMETAFILE hmf, const RECT *lprect)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!GetMeta(hmf, OBJ_ENHMETAFILE) || !pDc || !lprect)
        return FALSE;
    std::shared_ptr<METAREC> pMeta = GdiGet(hmf)->pMeta;
    RECT rcFrame = FramePixels(*pMeta);
    if (!pMeta->fFrame) {
        rcFrame.right--;
        rcFrame.bottom--;
    }
    int cxFrame = rcFrame.right - rcFrame.left, cyFrame = rcFrame.bottom - rcFrame.top;
    int cx = lprect->right - lprect->left, cy = lprect->bottom - lprect->top;
    if (cxFrame <= 0 || cyFrame <= 0)
        return TRUE;
    if ((cx == cxFrame && cy == cyFrame) || DcIsMeta(pDc)) {
        int nLevel = SaveDC(hdc);
        OffsetViewportOrgEx(hdc, lprect->left - rcFrame.left, lprect->top - rcFrame.top, NULL);
        Replay(hdc, *pMeta);
        RestoreDC(hdc, nLevel);
        return TRUE;
    }
    cairo_surface_t *pPicture = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cxFrame, cyFrame);
    PlayOnSurface(*pMeta, pPicture, cxFrame, cyFrame);
    cairo_t *cr = DcBeginDraw(hdc, nullptr);
    if (cr) {
        cairo_translate(cr, lprect->left, lprect->top);
        cairo_scale(cr, (double)cx / cxFrame, (double)cy / cyFrame);
        cairo_set_source_surface(cr, pPicture, 0, 0);
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
        cairo_rectangle(cr, 0, 0, cxFrame, cyFrame);
        cairo_fill(cr);
        DcEndDraw(cr);
    }
    cairo_surface_destroy(pPicture);
    return TRUE;
}

extern "C" UINT WINAPI GetEnhMetaFileHeader(HENHMETAFILE hemf, UINT nSize, LPENHMETAHEADER lpEnhMetaHeader)
{
    METAREC *pMeta = GetMeta(hemf, OBJ_ENHMETAFILE);
    if (!pMeta)
        return 0;
    if (!lpEnhMetaHeader)
        return sizeof(ENHMETAHEADER);
    ENHMETAHEADER hdr{};
    hdr.iType = EMR_HEADER;
    hdr.nSize = sizeof(hdr);
    RECT rcB = pMeta->fBounds ? pMeta->rcBounds : RECT{0, 0, 0, 0};
    hdr.rclBounds = RECTL{rcB.left, rcB.top, rcB.right - 1, rcB.bottom - 1};
    RECT rcF = pMeta->fFrame ? pMeta->rcFrame
                             : RECT{ToHundredthMm(rcB.left), ToHundredthMm(rcB.top), ToHundredthMm(rcB.right),
                                    ToHundredthMm(rcB.bottom)};
    hdr.rclFrame = RECTL{rcF.left, rcF.top, rcF.right, rcF.bottom};
    hdr.dSignature = ENHMETA_SIGNATURE;
    hdr.nVersion = 0x10000;
    hdr.nRecords = (DWORD)pMeta->calls.size() + 2;
    hdr.nBytes = hdr.nSize;
    hdr.nHandles = 1;
    int cxScreen = GetSystemMetrics(SM_CXSCREEN), cyScreen = GetSystemMetrics(SM_CYSCREEN);
    hdr.szlDevice = SIZEL{cxScreen, cyScreen};
    hdr.szlMillimeters = SIZEL{(LONG)std::lround(cxScreen * 25.4 / 96), (LONG)std::lround(cyScreen * 25.4 / 96)};
    hdr.szlMicrometers = SIZEL{hdr.szlMillimeters.cx * 1000, hdr.szlMillimeters.cy * 1000};
    UINT cb = std::min<UINT>(nSize, sizeof(hdr));
    memcpy(lpEnhMetaHeader, &hdr, cb);
    return cb;
}

extern "C" BOOL AutoEnhMetaFileToSvg(HENHMETAFILE hemf, LPCSTR pszPath)
{
    METAREC *pMeta = GetMeta(hemf, OBJ_ENHMETAFILE);
    if (!pMeta || !pszPath)
        return FALSE;
    RECT rcFrame = FramePixels(*pMeta);
    int cx = std::max<int>(1, rcFrame.right - rcFrame.left), cy = std::max<int>(1, rcFrame.bottom - rcFrame.top);
    cairo_surface_t *pSvg = cairo_svg_surface_create(PathToHost(pszPath).c_str(), cx, cy);
    if (cairo_surface_status(pSvg) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(pSvg);
        return FALSE;
    }
    cairo_svg_surface_set_document_unit(pSvg, CAIRO_SVG_UNIT_PX);
    PlayOnSurface(*pMeta, pSvg, cx, cy);
    cairo_surface_finish(pSvg);
    cairo_status_t status = cairo_surface_status(pSvg);
    cairo_surface_destroy(pSvg);
    return status == CAIRO_STATUS_SUCCESS;
}

extern "C" BOOL AutoEnhMetaFileToPng(HENHMETAFILE hemf, LPCSTR pszPath)
{
    METAREC *pMeta = GetMeta(hemf, OBJ_ENHMETAFILE);
    if (!pMeta || !pszPath)
        return FALSE;
    RECT rcFrame = FramePixels(*pMeta);
    int cx = std::max<int>(1, rcFrame.right - rcFrame.left), cy = std::max<int>(1, rcFrame.bottom - rcFrame.top);
    cairo_surface_t *pImage = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cx, cy);
    cairo_t *cr = cairo_create(pImage);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_destroy(cr);
    PlayOnSurface(*pMeta, pImage, cx, cy);
    cairo_status_t status = cairo_surface_write_to_png(pImage, PathToHost(pszPath).c_str());
    cairo_surface_destroy(pImage);
    return status == CAIRO_STATUS_SUCCESS;
}
