// Fonts and text: logical fonts become cairo fonts found through
// fontconfig, texts are CP932 converted to UTF-8, and metrics and extents
// are measured on the font itself.
#include <windows.h>

#include <fontconfig/fontconfig.h>
#include <iconv.h>
#include <strings.h>

#include <cmath>
#include <cstring>
#include <map>

#include "gdi.h"

namespace {

const char kFallbackFamily[] = "IPAGothic";

// Faces of Japanese Windows (and its generic dialog faces) that the Gothic
// stand-in replaces. Names are CP932, as a template or a caller gives them.
const char *const kGothicFaces[] = {
    "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e",                 // MS Gothic in full width
    "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e",         // MS PGothic in full width
    "\x82\x6c\x82\x72 \x96\xbe\x92\xa9",                                 // MS Mincho in full width
    "MS Gothic", "MS PGothic", "MS UI Gothic", "MS Mincho", "MS PMincho", "MS Shell Dlg", "MS Shell Dlg 2",
    "MS Sans Serif", "System", "Terminal", "Fixedsys", "Courier", "",
};

bool IsGothicFace(const char *pszFace)
{
    for (const char *psz : kGothicFaces)
        if (strcasecmp(psz, pszFace) == 0)
            return true;
    return false;
}

// True when fontconfig has a font of that family itself, not a substitute.
bool FamilyInstalled(const std::string &strFamily)
{
    FcPattern *pPattern = FcNameParse((const FcChar8 *)"");
    FcPatternAddString(pPattern, FC_FAMILY, (const FcChar8 *)strFamily.c_str());
    FcObjectSet *pSet = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet *pFonts = FcFontList(nullptr, pPattern, pSet);
    bool fFound = pFonts && pFonts->nfont > 0;
    if (pFonts)
        FcFontSetDestroy(pFonts);
    FcObjectSetDestroy(pSet);
    FcPatternDestroy(pPattern);
    return fFound;
}

std::string FamilyFor(const char *pszFace)
{
    static std::map<std::string, std::string> s_cache;
    auto it = s_cache.find(pszFace);
    if (it != s_cache.end())
        return it->second;
    std::string strFamily = FontToUtf8(pszFace, (int)strlen(pszFace));
    if (IsGothicFace(pszFace) || !FamilyInstalled(strFamily))
        strFamily = kFallbackFamily;
    s_cache[pszFace] = strFamily;
    return strFamily;
}

cairo_scaled_font_t *MakeFont(cairo_font_face_t *pFace, double dSize, BYTE bQuality)
{
    cairo_matrix_t mFont, mCtm;
    cairo_matrix_init_scale(&mFont, dSize, dSize);
    cairo_matrix_init_identity(&mCtm);
    cairo_font_options_t *pOptions = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(pOptions, CAIRO_HINT_METRICS_ON);
    if (bQuality == NONANTIALIASED_QUALITY)
        cairo_font_options_set_antialias(pOptions, CAIRO_ANTIALIAS_NONE);
    cairo_scaled_font_t *pFont = cairo_scaled_font_create(pFace, &mFont, &mCtm, pOptions);
    cairo_font_options_destroy(pOptions);
    return pFont;
}

// The em size in pixels: a negative height is the character height, a
// positive one the cell height (ascent + descent), zero a 12-point font.
cairo_scaled_font_t *CreateScaledFont(const LOGFONTA &lf)
{
    std::string strFamily = FamilyFor(lf.lfFaceName);
    cairo_font_face_t *pFace = cairo_toy_font_face_create(
        strFamily.c_str(), lf.lfItalic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
        lf.lfWeight >= FW_SEMIBOLD ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    double dSize = 16;
    if (lf.lfHeight < 0) {
        dSize = -(double)lf.lfHeight;
    } else if (lf.lfHeight > 0) {
        cairo_scaled_font_t *pUnit = MakeFont(pFace, 100, lf.lfQuality);
        cairo_font_extents_t fe;
        cairo_scaled_font_extents(pUnit, &fe);
        cairo_scaled_font_destroy(pUnit);
        double dCell = fe.ascent + fe.descent;
        dSize = dCell > 0 ? lf.lfHeight * 100 / dCell : lf.lfHeight;
    }
    cairo_scaled_font_t *pFont = MakeFont(pFace, dSize, lf.lfQuality);
    cairo_font_face_destroy(pFace);
    return pFont;
}

}  // namespace

bool FontIsLeadByte(BYTE b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Bytes that are not CP932 become '?', so a text is never lost whole.
std::string FontToUtf8(const char *psz, int cb)
{
    static iconv_t s_cd = iconv_open("UTF-8", "CP932");
    std::string strOut;
    if (cb <= 0)
        return strOut;
    strOut.resize((size_t)cb * 3 + 4);
    char *pIn = const_cast<char *>(psz);
    size_t cbIn = (size_t)cb;
    char *pOut = &strOut[0];
    size_t cbOut = strOut.size();
    iconv(s_cd, nullptr, nullptr, nullptr, nullptr);
    while (cbIn > 0) {
        if (iconv(s_cd, &pIn, &cbIn, &pOut, &cbOut) != (size_t)-1)
            break;
        if (cbOut < 1)
            break;
        *pOut++ = '?';
        cbOut--;
        pIn++;
        cbIn--;
    }
    strOut.resize(strOut.size() - cbOut);
    return strOut;
}

cairo_scaled_font_t *FontGet(HGDIOBJ hFont)
{
    GDIOBJ *pFont = GdiGet(hFont);
    if (!pFont->pFont)
        pFont->pFont = CreateScaledFont(pFont->lf);
    return pFont->pFont;
}

LONG FontTextWidth(cairo_scaled_font_t *pFont, const char *psz, int cb)
{
    std::string strUtf8 = FontToUtf8(psz, cb);
    if (strUtf8.empty())
        return 0;
    cairo_text_extents_t te;
    cairo_scaled_font_text_extents(pFont, strUtf8.c_str(), &te);
    return (LONG)std::lround(te.x_advance);
}

void FontMetrics(HGDIOBJ hFont, TEXTMETRICA *ptm)
{
    const LOGFONTA &lf = GdiGet(hFont)->lf;
    cairo_scaled_font_t *pFont = FontGet(hFont);
    cairo_font_extents_t fe;
    cairo_scaled_font_extents(pFont, &fe);
    cairo_matrix_t mFont;
    cairo_scaled_font_get_font_matrix(pFont, &mFont);
    *ptm = TEXTMETRICA{};
    ptm->tmAscent = (LONG)std::lround(fe.ascent);
    ptm->tmDescent = (LONG)std::lround(fe.descent);
    if (lf.lfHeight > 0)
        ptm->tmDescent = lf.lfHeight - ptm->tmAscent;
    ptm->tmHeight = ptm->tmAscent + ptm->tmDescent;
    ptm->tmInternalLeading = std::max<LONG>(0, ptm->tmHeight - (LONG)std::lround(mFont.yy));
    ptm->tmAveCharWidth = lf.lfWidth > 0 ? lf.lfWidth : std::max<LONG>(1, FontTextWidth(pFont, "x", 1));
    ptm->tmMaxCharWidth = std::max<LONG>(ptm->tmAveCharWidth, (LONG)std::lround(fe.max_x_advance));
    ptm->tmWeight = lf.lfWeight ? lf.lfWeight : FW_NORMAL;
    ptm->tmDigitizedAspectX = 96;
    ptm->tmDigitizedAspectY = 96;
    ptm->tmFirstChar = 0x20;
    ptm->tmLastChar = 0xFF;
    ptm->tmDefaultChar = 0x1F;
    ptm->tmBreakChar = 0x20;
    ptm->tmItalic = lf.lfItalic;
    ptm->tmUnderlined = lf.lfUnderline;
    ptm->tmStruckOut = lf.lfStrikeOut;
    // As on Windows, the bit is set for a variable-pitch font.
    ptm->tmPitchAndFamily = (BYTE)((lf.lfPitchAndFamily & 0xF0) | TMPF_TRUETYPE
                                   | ((lf.lfPitchAndFamily & 3) == FIXED_PITCH ? 0 : TMPF_FIXED_PITCH));
    ptm->tmCharSet = lf.lfCharSet;
}

void FontDrawText(cairo_t *cr, GDIOBJ *pDc, int x, int y, const char *psz, int cb, const INT *lpDx)
{
    cairo_scaled_font_t *pFont = FontGet(pDc->st.hFont);
    cairo_font_extents_t fe;
    cairo_scaled_font_extents(pFont, &fe);
    double dBaseline = y + std::lround(fe.ascent);
    cairo_set_scaled_font(cr, pFont);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    GdiSetColor(cr, pDc->st.crText);
    if (!lpDx) {
        std::string strUtf8 = FontToUtf8(psz, cb);
        cairo_move_to(cr, x, dBaseline);
        cairo_show_text(cr, strUtf8.c_str());
        return;
    }
    double dx = x;
    for (int i = 0; i < cb;) {
        int cbChar = (FontIsLeadByte((BYTE)psz[i]) && i + 1 < cb) ? 2 : 1;
        std::string strUtf8 = FontToUtf8(psz + i, cbChar);
        cairo_move_to(cr, dx, dBaseline);
        cairo_show_text(cr, strUtf8.c_str());
        for (int k = 0; k < cbChar; k++)
            dx += lpDx[i + k];
        i += cbChar;
    }
}

extern "C" BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!lptm || !pDc)
        return FALSE;
    FontMetrics(pDc->st.hFont, lptm);
    return TRUE;
}

extern "C" BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!psizl || c < 0 || (c > 0 && !lpString) || !pDc)
        return FALSE;
    TEXTMETRICA tm;
    FontMetrics(pDc->st.hFont, &tm);
    psizl->cx = FontTextWidth(FontGet(pDc->st.hFont), lpString, c);
    psizl->cy = tm.tmHeight;
    return TRUE;
}

// The text's box from the reference point and the alignment; TA_UPDATECP
// draws at the current position and moves it past the text.
static POINT TextOrigin(GDIOBJ *pDc, int x, int y, LONG cx, const TEXTMETRICA &tm)
{
    UINT uAlign = pDc->st.uTextAlign;
    if (uAlign & TA_UPDATECP) {
        x = pDc->st.ptCur.x;
        y = pDc->st.ptCur.y;
    }
    UINT uHorz = uAlign & TA_CENTER;
    int xLeft = uHorz == TA_CENTER ? x - cx / 2 : uHorz == TA_RIGHT ? x - cx : x;
    UINT uVert = uAlign & TA_BASELINE;
    int yTop = uVert == TA_BASELINE ? y - tm.tmAscent : uVert == TA_BOTTOM ? y - tm.tmHeight : y;
    if (uAlign & TA_UPDATECP)
        pDc->st.ptCur.x = uHorz == TA_RIGHT ? x - cx : uHorz == TA_CENTER ? x : x + cx;
    return POINT{xLeft, yTop};
}

extern "C" BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT *lprect, LPCSTR lpString, UINT c,
                                   const INT *lpDx)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc || (c > 0 && !lpString))
        return FALSE;
    if (DcIsMeta(pDc)) {
        std::string strText(lpString ? lpString : "", c);
        std::vector<INT> dx(lpDx ? lpDx : nullptr, lpDx ? lpDx + c : nullptr);
        bool fRect = lprect != nullptr;
        RECT rc = fRect ? *lprect : RECT{};
        MetaRecord(pDc, [=](HDC h) {
            ExtTextOutA(h, x, y, options, fRect ? &rc : nullptr, strText.data(), (UINT)strText.size(),
                        dx.empty() ? nullptr : dx.data());
        });
    }
    TEXTMETRICA tm;
    FontMetrics(pDc->st.hFont, &tm);
    LONG cx = 0;
    if (lpDx)
        for (UINT i = 0; i < c; i++)
            cx += lpDx[i];
    else
        cx = FontTextWidth(FontGet(pDc->st.hFont), lpString, (int)c);
    POINT pt = TextOrigin(pDc, x, y, cx, tm);
    cairo_t *cr = DcBeginDraw(hdc, &pDc);
    if (!cr)
        return TRUE;
    if (lprect && (options & ETO_OPAQUE)) {
        GdiSetColor(cr, pDc->st.crBk);
        cairo_rectangle(cr, lprect->left, lprect->top, lprect->right - lprect->left, lprect->bottom - lprect->top);
        cairo_fill(cr);
    }
    if (lprect && (options & ETO_CLIPPED)) {
        cairo_rectangle(cr, lprect->left, lprect->top, lprect->right - lprect->left, lprect->bottom - lprect->top);
        cairo_clip(cr);
    }
    if (pDc->st.nBkMode == OPAQUE && c > 0) {
        GdiSetColor(cr, pDc->st.crBk);
        cairo_rectangle(cr, pt.x, pt.y, cx, tm.tmHeight);
        cairo_fill(cr);
    }
    if (c > 0)
        FontDrawText(cr, pDc, pt.x, pt.y, lpString, (int)c, lpDx);
    DcEndDraw(cr);
    return TRUE;
}

extern "C" BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c)
{
    if (c < 0)
        return FALSE;
    return ExtTextOutA(hdc, x, y, 0, nullptr, lpString, (UINT)c, nullptr);
}
