// Metafiles: a metafile context records every drawing call as a display
// list that playback replays into any context.
#include <windows.h>

#include "gdi.h"

struct METAREC {
    std::vector<std::function<void(HDC)>> calls;
};

void MetaRecord(GDIOBJ *pDc, std::function<void(HDC)> fn, const RECT *)
{
    if (pDc->pMeta && DcIsMeta(pDc))
        pDc->pMeta->calls.push_back(std::move(fn));
}

bool GdiIsImage(cairo_surface_t *pSurface)
{
    return cairo_surface_get_type(pSurface) == CAIRO_SURFACE_TYPE_IMAGE;
}
