/*
 * wingdi.h - graphics part of the platform layer: GDI objects and device
 * contexts. Drawing onto surfaces comes with the views.
 */
#ifndef PLATFORM_WINGDI_H
#define PLATFORM_WINGDI_H

#include "windef.h"

#if defined(__cplusplus) && !defined(RC_INVOKED)
extern "C" {
#endif

/* ---- objects, device contexts, text metrics ---- */

/*
 * Headless GDI: objects and device contexts exist as records; nothing is
 * drawn yet (a device context has room for a drawing surface later).
 *
 * Text metrics model (deterministic, no font files): a font's cell height
 * tmHeight is lfHeight when lfHeight > 0, round(1.2 x -lfHeight) when
 * lfHeight < 0 (a character height), and 16 when lfHeight is 0. From it:
 * tmAscent = round(0.8 x tmHeight), tmDescent = tmHeight - tmAscent,
 * tmInternalLeading = tmHeight - character height (character height =
 * -lfHeight, or round(tmHeight / 1.2)), tmExternalLeading 0,
 * tmAveCharWidth = lfWidth if > 0 else max(1, round(0.4 x tmHeight)),
 * tmMaxCharWidth = 2 x tmAveCharWidth. Text extents are monospaced: every
 * single-byte character is tmAveCharWidth wide and a double-byte (CP932)
 * character twice that; the height is tmHeight.
 */

/* Stock objects. */
#define WHITE_BRUSH         0
#define LTGRAY_BRUSH        1
#define GRAY_BRUSH          2
#define DKGRAY_BRUSH        3
#define BLACK_BRUSH         4
#define NULL_BRUSH          5
#define HOLLOW_BRUSH        NULL_BRUSH
#define WHITE_PEN           6
#define BLACK_PEN           7
#define NULL_PEN            8
#define OEM_FIXED_FONT      10
#define ANSI_FIXED_FONT     11
#define ANSI_VAR_FONT       12
#define SYSTEM_FONT         13
#define DEVICE_DEFAULT_FONT 14
#define SYSTEM_FIXED_FONT   16
#define DEFAULT_GUI_FONT    17
#define DC_BRUSH            18
#define DC_PEN              19

/* Object types (GetObjectType). */
#define OBJ_PEN             1
#define OBJ_BRUSH           2
#define OBJ_DC              3
#define OBJ_FONT            6
#define OBJ_MEMDC           10

/* Background modes. */
#define TRANSPARENT         1
#define OPAQUE              2

/* Pen styles. */
#define PS_SOLID            0
#define PS_DASH             1
#define PS_DOT              2
#define PS_DASHDOT          3
#define PS_DASHDOTDOT       4
#define PS_NULL             5
#define PS_INSIDEFRAME      6

/* Brush styles. */
#define BS_SOLID            0
#define BS_NULL             1
#define BS_HOLLOW           BS_NULL
#define BS_HATCHED          2

/* Font weights, character sets, precisions, qualities, pitches, families. */
#define FW_DONTCARE         0
#define FW_THIN             100
#define FW_EXTRALIGHT       200
#define FW_LIGHT            300
#define FW_NORMAL           400
#define FW_REGULAR          400
#define FW_MEDIUM           500
#define FW_SEMIBOLD         600
#define FW_BOLD             700
#define FW_EXTRABOLD        800
#define FW_HEAVY            900
#define ANSI_CHARSET        0
#define DEFAULT_CHARSET     1
#define SYMBOL_CHARSET      2
#define SHIFTJIS_CHARSET    128
#define OEM_CHARSET         255
#define OUT_DEFAULT_PRECIS  0
#define OUT_STRING_PRECIS   1
#define OUT_TT_PRECIS       4
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY     0
#define DRAFT_QUALITY       1
#define PROOF_QUALITY       2
#define NONANTIALIASED_QUALITY 3
#define ANTIALIASED_QUALITY 4
#define DEFAULT_PITCH       0
#define FIXED_PITCH         1
#define VARIABLE_PITCH      2
#define FF_DONTCARE         0x00
#define FF_ROMAN            0x10
#define FF_SWISS            0x20
#define FF_MODERN           0x30
#define FF_SCRIPT           0x40
#define FF_DECORATIVE       0x50
#define TMPF_FIXED_PITCH    0x01
#define TMPF_VECTOR         0x02
#define TMPF_TRUETYPE       0x04
#define LF_FACESIZE         32

#define CLR_INVALID         0xFFFFFFFF

#ifndef RC_INVOKED
typedef struct tagLOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
} LOGFONTA, *PLOGFONTA, *LPLOGFONTA, LOGFONT, *LPLOGFONT;

typedef struct tagTEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
} TEXTMETRICA, *PTEXTMETRICA, *LPTEXTMETRICA, TEXTMETRIC, *LPTEXTMETRIC;

typedef struct tagLOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;
} LOGBRUSH, *PLOGBRUSH, *LPLOGBRUSH;

typedef struct tagLOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
} LOGPEN, *PLOGPEN, *LPLOGPEN;

/* Device contexts. Every GetDC returns a new context that ReleaseDC (or
 * DeleteDC for CreateCompatibleDC) ends; a new context has SYSTEM_FONT,
 * WHITE_BRUSH, BLACK_PEN, black text on a white opaque background. */
HDC WINAPI GetDC(HWND hWnd);
/* hWnd NULL: the screen. NULL for a bad window. */
HDC WINAPI GetWindowDC(HWND hWnd);
/* As GetDC (origin at the window's frame). */
int WINAPI ReleaseDC(HWND hWnd, HDC hDC);
/* 1 when released, 0 for a context not from GetDC/GetWindowDC. */
HDC WINAPI CreateCompatibleDC(HDC hdc);
/* A memory context (hdc may be NULL); NULL for a bad hdc. */
BOOL WINAPI DeleteDC(HDC hdc);
/* Ends a memory context; FALSE for other contexts and bad handles. */

/* Objects. */
HGDIOBJ WINAPI GetStockObject(int i);
/* The stock object (never deleted); NULL for an unknown index. */
HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                         DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                         DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                         DWORD iPitchAndFamily, LPCSTR pszFaceName);
/* A font from its logical description (face name truncated to 31 chars). */
HFONT WINAPI CreateFontIndirectA(const LOGFONTA *lplf);
/* NULL with ERROR_INVALID_PARAMETER for a NULL pointer. */
HBRUSH WINAPI CreateSolidBrush(COLORREF color);
HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color);
BOOL WINAPI DeleteObject(HGDIOBJ ho);
/* TRUE for a pen, brush or font (stock objects stay). An object still
 * selected into a context is deleted when it is deselected or the context
 * ends. FALSE for bad handles and contexts. */
HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h);
/* Selects a pen, brush or font; returns the previously selected object of
 * that kind, NULL on error. */
int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv);
/* Copies the LOGFONTA, LOGBRUSH or LOGPEN (at most c bytes); pv NULL asks
 * for the size. 0 on error. */
DWORD WINAPI GetObjectType(HGDIOBJ h);
/* OBJ_ value, 0 for a bad handle. */
HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);
/* The selected OBJ_PEN, OBJ_BRUSH or OBJ_FONT. */

/* Text metrics and attributes. */
BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm);
/* Metrics of the selected font (model above). */
BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl);
/* Extent of c bytes of lpString in the selected font (model above). */
COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
/* Returns the previous colour, CLR_INVALID on error. */
COLORREF WINAPI GetTextColor(HDC hdc);
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color);
COLORREF WINAPI GetBkColor(HDC hdc);
int WINAPI SetBkMode(HDC hdc, int mode);
/* TRANSPARENT or OPAQUE; returns the previous mode, 0 on error. */
int WINAPI GetBkMode(HDC hdc);

/* System colours (classic Windows scheme). */
DWORD WINAPI GetSysColor(int nIndex);
/* The COLOR_ value; 0 for an unknown index. */
HBRUSH WINAPI GetSysColorBrush(int nIndex);
/* A shared solid brush of that colour (never deleted); NULL for an
 * unknown index. */
#endif /* RC_INVOKED */

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_WINGDI_H */
