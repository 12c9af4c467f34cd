// Icons: an icon resource's .ico bytes decoded into one premultiplied ARGB
// image at the size asked for, drawn over the context with its
// transparency; LoadIconA, LoadImageA(IMAGE_ICON), DrawIcon(Ex), DestroyIcon.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <utility>

#include "gdi.h"
#include "handletable.h"
#include "resfind.h"

namespace {

using SurfacePtr = std::shared_ptr<cairo_surface_t>;

struct ICONREC {
    SurfacePtr pImage;      // ARGB32, the icon's size
    const RCIMAGE *pShared; // the resource of a shared icon, else NULL
};

HandleTable<ICONREC> g_icons(HTAG_ICON);
// Shared icons by resource and size.
std::map<std::pair<const RCIMAGE *, uint32_t>, uintptr_t> g_shared;

SurfacePtr Adopt(cairo_surface_t *p)
{
    if (cairo_surface_status(p) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(p);
        return nullptr;
    }
    return SurfacePtr(p, cairo_surface_destroy);
}

uint32_t Le(const BYTE *p, int cb)
{
    uint32_t v = 0;
    for (int i = cb - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

// One entry of the .ico directory.
struct ICOENTRY {
    int cx, cy, nBits;
    uint32_t cb, off;
};

// The entry nearest cx x cy (the deepest colours among equals).
bool ChooseEntry(const BYTE *pb, DWORD cb, int cx, int cy, ICOENTRY *pEntry)
{
    if (cb < 6 || Le(pb, 2) != 0 || Le(pb + 2, 2) != 1)
        return false;
    UINT n = Le(pb + 4, 2);
    int bestScore = -1;
    for (UINT i = 0; i < n && 6 + 16 * (i + 1) <= cb; ++i) {
        const BYTE *p = pb + 6 + 16 * i;
        ICOENTRY e{p[0] ? p[0] : 256, p[1] ? p[1] : 256, (int)Le(p + 6, 2), Le(p + 8, 4), Le(p + 12, 4)};
        if (e.off > cb || e.cb > cb - e.off || e.cb < 8)
            continue;
        int score = (std::abs(e.cx - cx) + std::abs(e.cy - cy)) * 64 + (32 - std::min(e.nBits, 32));
        if (bestScore < 0 || score < bestScore) {
            bestScore = score;
            *pEntry = e;
        }
    }
    return bestScore >= 0;
}

struct PNGREAD {
    const BYTE *p;
    size_t cbLeft;
};

cairo_status_t ReadPng(void *pv, unsigned char *pData, unsigned int cb)
{
    PNGREAD *pRead = static_cast<PNGREAD *>(pv);
    if (cb > pRead->cbLeft)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(pData, pRead->p, cb);
    pRead->p += cb;
    pRead->cbLeft -= cb;
    return CAIRO_STATUS_SUCCESS;
}

// The colour of pixel x of a bottom-up row of nBits bits per pixel.
uint32_t RowPixel(const BYTE *pRow, int x, int nBits, const BYTE *pPalette, UINT cColors)
{
    if (nBits >= 24) {
        const BYTE *p = pRow + x * (nBits / 8);
        return (nBits == 32 ? (uint32_t)p[3] << 24 : 0xFF000000u) | (uint32_t)p[2] << 16 | (uint32_t)p[1] << 8 | p[0];
    }
    UINT index = (pRow[x * nBits / 8] >> (8 - nBits - (x * nBits) % 8)) & ((1u << nBits) - 1);
    if (index >= cColors)
        return 0xFF000000u;
    const BYTE *q = pPalette + 4 * index;
    return 0xFF000000u | (uint32_t)q[2] << 16 | (uint32_t)q[1] << 8 | q[0];
}

// A BMP-format icon image: BITMAPINFOHEADER of double height, palette, the
// colour rows, then the AND mask rows. Where the mask is set the pixel is
// transparent (Windows would invert the screen under a masked pixel that
// is not black; icons do not use that); a 32-bit image with any alpha uses
// its alpha instead.
SurfacePtr DecodeBmp(const BYTE *pb, uint32_t cb)
{
    if (cb < 40 || Le(pb, 4) < 40)
        return nullptr;
    int cx = (int32_t)Le(pb + 4, 4), cy = (int32_t)Le(pb + 8, 4) / 2;
    int nBits = (int)Le(pb + 14, 2);
    UINT cColors = nBits <= 8 ? (Le(pb + 32, 4) ? Le(pb + 32, 4) : 1u << nBits) : 0;
    if (cx <= 0 || cy <= 0 || cx > 1024 || cy > 1024 || Le(pb + 16, 4) != BI_RGB
        || (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 24 && nBits != 32))
        return nullptr;
    size_t cbColorRow = ((size_t)cx * nBits + 31) / 32 * 4, cbMaskRow = ((size_t)cx + 31) / 32 * 4;
    size_t offColor = Le(pb, 4) + 4 * (size_t)cColors, offMask = offColor + cbColorRow * cy;
    if (offMask + cbMaskRow * cy > cb)
        return nullptr;
    bool fAlpha = false;
    for (int y = 0; nBits == 32 && y < cy && !fAlpha; ++y)
        for (int x = 0; x < cx && !fAlpha; ++x)
            fAlpha = pb[offColor + cbColorRow * y + 4 * x + 3] != 0;
    SurfacePtr pImage = Adopt(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cx, cy));
    if (!pImage)
        return nullptr;
    BYTE *pOut = cairo_image_surface_get_data(pImage.get());
    int stride = cairo_image_surface_get_stride(pImage.get());
    for (int y = 0; y < cy; ++y) {
        const BYTE *pRow = pb + offColor + cbColorRow * (cy - 1 - y);
        const BYTE *pMask = pb + offMask + cbMaskRow * (cy - 1 - y);
        uint32_t *pDst = reinterpret_cast<uint32_t *>(pOut + stride * y);
        for (int x = 0; x < cx; ++x) {
            uint32_t argb = RowPixel(pRow, x, nBits, pb + Le(pb, 4), cColors);
            uint32_t a = fAlpha ? argb >> 24 : ((pMask[x / 8] >> (7 - x % 8)) & 1) ? 0 : 255;
            auto mul = [a](uint32_t c) { return (c * a + 127) / 255; };
            pDst[x] = a << 24 | mul((argb >> 16) & 0xFF) << 16 | mul((argb >> 8) & 0xFF) << 8 | mul(argb & 0xFF);
        }
    }
    cairo_surface_mark_dirty(pImage.get());
    return pImage;
}

// The image of the .ico entry nearest cx x cy, stretched to that size (0:
// the entry's own size).
SurfacePtr DecodeIco(const BYTE *pb, DWORD cb, int cx, int cy, int cxWant, int cyWant)
{
    ICOENTRY e{};
    if (!pb || !ChooseEntry(pb, cb, cx, cy, &e))
        return nullptr;
    SurfacePtr pImage;
    if (e.cb >= 8 && std::memcmp(pb + e.off, "\x89PNG", 4) == 0) {
        PNGREAD read{pb + e.off, e.cb};
        pImage = Adopt(cairo_image_surface_create_from_png_stream(ReadPng, &read));
    } else {
        pImage = DecodeBmp(pb + e.off, e.cb);
    }
    if (!pImage)
        return nullptr;
    int cxImage = cairo_image_surface_get_width(pImage.get()), cyImage = cairo_image_surface_get_height(pImage.get());
    if (!cxWant)
        cxWant = cxImage;
    if (!cyWant)
        cyWant = cyImage;
    if (cxWant == cxImage && cyWant == cyImage)
        return pImage;
    SurfacePtr pSized = Adopt(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cxWant, cyWant));
    if (!pSized)
        return nullptr;
    cairo_t *cr = cairo_create(pSized.get());
    cairo_scale(cr, (double)cxWant / cxImage, (double)cyWant / cyImage);
    cairo_set_source_surface(cr, pImage.get(), 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    return pSized;
}

HICON AddIcon(SurfacePtr pImage, const RCIMAGE *pShared)
{
    uintptr_t h = g_icons.Add(std::unique_ptr<ICONREC>(new ICONREC{std::move(pImage), pShared}));
    return reinterpret_cast<HICON>(h);
}

// Draws the image at (x, y) stretched to cx x cy.
void DrawImage(HDC hdc, int x, int y, int cx, int cy, const SurfacePtr &pImage, UINT diFlags)
{
    cairo_t *cr = DcBeginDraw(hdc, nullptr);
    if (!cr)
        return;
    int cxImage = cairo_image_surface_get_width(pImage.get()), cyImage = cairo_image_surface_get_height(pImage.get());
    cairo_rectangle(cr, x, y, cx, cy);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, (double)cx / cxImage, (double)cy / cyImage);
    if ((diFlags & DI_NORMAL) == DI_MASK) { // the opaque part turns black
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_mask_surface(cr, pImage.get(), 0, 0);
    } else {
        cairo_set_source_surface(cr, pImage.get(), 0, 0);
        if ((diFlags & DI_NORMAL) == DI_IMAGE) // the colours without their mask
            cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_paint(cr);
    }
    DcEndDraw(cr);
}

} // namespace

void IconDropShared(const RCMODULE *pModule)
{
    for (auto it = g_shared.begin(); it != g_shared.end();) {
        const RCIMAGE *pRes = it->first.first;
        if (pRes >= pModule->pImages && pRes < pModule->pImages + pModule->cImages) {
            g_icons.Remove(it->second);
            it = g_shared.erase(it);
        } else {
            ++it;
        }
    }
}

extern "C" HANDLE WINAPI LoadImageA(HINSTANCE hInst, LPCSTR name, UINT type, int cx, int cy, UINT fuLoad)
{
    const RCIMAGE *pRes = type == IMAGE_ICON ? ResFindImage(hInst, name, RCIMAGE_ICON) : nullptr;
    if (!pRes || cx < 0 || cy < 0)
        return nullptr;
    int cxSystem = GetSystemMetrics(SM_CXICON), cySystem = GetSystemMetrics(SM_CYICON);
    if (fuLoad & LR_DEFAULTSIZE) {
        cx = cx ? cx : cxSystem;
        cy = cy ? cy : cySystem;
    }
    std::pair<const RCIMAGE *, uint32_t> key(pRes, (uint32_t)cx << 16 | (uint32_t)cy);
    if (fuLoad & LR_SHARED) {
        auto it = g_shared.find(key);
        if (it != g_shared.end())
            return reinterpret_cast<HANDLE>(it->second);
    }
    SurfacePtr pImage = DecodeIco(pRes->pbData, pRes->cbData, cx ? cx : cxSystem, cy ? cy : cySystem, cx, cy);
    if (!pImage)
        return nullptr;
    HICON hIcon = AddIcon(std::move(pImage), (fuLoad & LR_SHARED) ? pRes : nullptr);
    if (hIcon && (fuLoad & LR_SHARED))
        g_shared[key] = reinterpret_cast<uintptr_t>(hIcon);
    return hIcon;
}

extern "C" HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName)
{
    return static_cast<HICON>(LoadImageA(hInstance, lpIconName, IMAGE_ICON, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
}

extern "C" BOOL WINAPI DestroyIcon(HICON hIcon)
{
    ICONREC *pIcon = g_icons.Get(reinterpret_cast<uintptr_t>(hIcon));
    if (!pIcon)
        return FALSE;
    if (!pIcon->pShared) // shared icons live as long as their module
        g_icons.Remove(reinterpret_cast<uintptr_t>(hIcon));
    return TRUE;
}

extern "C" BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth,
                                  UINT istepIfAniCur, HBRUSH hbrFlickerFreeDraw, UINT diFlags)
{
    ICONREC *pIcon = g_icons.Get(reinterpret_cast<uintptr_t>(hIcon));
    GDIOBJ *pDc = DcGet(hdc);
    if (!pIcon || !pDc || istepIfAniCur || hbrFlickerFreeDraw || !(diFlags & DI_NORMAL))
        return FALSE;
    SurfacePtr pImage = pIcon->pImage;
    if (!cxWidth)
        cxWidth = (diFlags & DI_DEFAULTSIZE) ? GetSystemMetrics(SM_CXICON) : cairo_image_surface_get_width(pImage.get());
    if (!cyWidth)
        cyWidth = (diFlags & DI_DEFAULTSIZE) ? GetSystemMetrics(SM_CYICON) : cairo_image_surface_get_height(pImage.get());
    // A metafile keeps the image itself: the icon may be destroyed before
    // the picture is played.
    RECT rcBounds{xLeft, yTop, xLeft + cxWidth, yTop + cyWidth};
    MetaRecord(pDc, [=](HDC h) { DrawImage(h, xLeft, yTop, cxWidth, cyWidth, pImage, diFlags); }, &rcBounds);
    if (!DcIsMeta(pDc))
        DrawImage(hdc, xLeft, yTop, cxWidth, cyWidth, pImage, diFlags);
    return TRUE;
}

extern "C" BOOL WINAPI DrawIcon(HDC hdc, int x, int y, HICON hIcon)
{
    return DrawIconEx(hdc, x, y, hIcon, 0, 0, 0, NULL, DI_NORMAL | DI_COMPAT | DI_DEFAULTSIZE);
}

BOOL IconGetSize(HICON hIcon, SIZE *pSize)
{
    ICONREC *pIcon = g_icons.Get(reinterpret_cast<uintptr_t>(hIcon));
    if (!pIcon)
        return FALSE;
    pSize->cx = cairo_image_surface_get_width(pIcon->pImage.get());
    pSize->cy = cairo_image_surface_get_height(pIcon->pImage.get());
    return TRUE;
}
