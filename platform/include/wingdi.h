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
 * GDI draws with cairo: a window context into the backing image of its
 * top-level window, a memory context into its selected bitmap. Text
 * metrics and extents are measured on the real font (fontconfig; the
 * Japanese Gothic faces and unknown faces are IPAGothic). Lines and shapes
 * are drawn without anti-aliasing, with Windows' pixel rules: a line leaves
 * out its last pixel, a rectangle covers left..right-1 and top..bottom-1.
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
#define OBJ_METADC          4
#define OBJ_FONT            6
#define OBJ_BITMAP          7
#define OBJ_METAFILE        9
#define OBJ_MEMDC           10
#define OBJ_ENHMETADC       12
#define OBJ_ENHMETAFILE     13

/* Raster operations (BitBlt). */
#define SRCCOPY             0x00CC0020
#define SRCPAINT            0x00EE0086
#define SRCAND              0x008800C6
#define SRCINVERT           0x00660046
#define PATCOPY             0x00F00021
#define BLACKNESS           0x00000042
#define WHITENESS           0x00FF0062

/* Bitmaps. */
#define BI_RGB              0
#define DIB_RGB_COLORS      0

/* Text alignment. */
#define TA_NOUPDATECP       0
#define TA_UPDATECP         1
#define TA_LEFT             0
#define TA_RIGHT            2
#define TA_CENTER           6
#define TA_TOP              0
#define TA_BOTTOM           8
#define TA_BASELINE         24
#define GDI_ERROR           0xFFFFFFFF

/* ExtTextOut options. */
#define ETO_OPAQUE          0x0002
#define ETO_CLIPPED         0x0004

/* Clipping regions. */
#define ERROR               0
#define NULLREGION          1
#define SIMPLEREGION        2
#define COMPLEXREGION       3

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

typedef struct tagBITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
} BITMAP, *PBITMAP, *LPBITMAP;

typedef struct tagRGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
} RGBQUAD;

typedef struct tagBITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
} BITMAPINFOHEADER, *PBITMAPINFOHEADER, *LPBITMAPINFOHEADER;

typedef struct tagBITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
} BITMAPINFO, *PBITMAPINFO, *LPBITMAPINFO;

typedef struct _RECTL {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECTL, *PRECTL, *LPRECTL;
typedef SIZE SIZEL, *PSIZEL, *LPSIZEL;

#define ENHMETA_SIGNATURE   0x464D4520
#define EMR_HEADER          1

typedef struct tagENHMETAHEADER {
    DWORD iType;
    DWORD nSize;
    RECTL rclBounds;
    RECTL rclFrame;
    DWORD dSignature;
    DWORD nVersion;
    DWORD nBytes;
    DWORD nRecords;
    WORD nHandles;
    WORD sReserved;
    DWORD nDescription;
    DWORD offDescription;
    DWORD nPalEntries;
    SIZEL szlDevice;
    SIZEL szlMillimeters;
    DWORD cbPixelFormat;
    DWORD offPixelFormat;
    DWORD bOpenGL;
    SIZEL szlMicrometers;
} ENHMETAHEADER, *PENHMETAHEADER, *LPENHMETAHEADER;

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
#define HS_HORIZONTAL       0   /* ----- */
#define HS_VERTICAL         1   /* ||||| */
#define HS_FDIAGONAL        2   /* falling to the right */
#define HS_BDIAGONAL        3   /* rising to the right */
#define HS_CROSS            4   /* +++++ */
#define HS_DIAGCROSS        5   /* xxxxx */
#define HS_API_MAX          12
HBRUSH WINAPI CreateHatchBrush(int iHatch, COLORREF color);
/* Lines 8 pixels apart in color, repeated from the context's device
 * origin; the gaps take the background colour in OPAQUE mode and are left
 * alone in TRANSPARENT mode. Styles 6..11 give a solid brush, 12 and up
 * NULL. */
HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color);
BOOL WINAPI DeleteObject(HGDIOBJ ho);
/* TRUE for a pen, brush or font (stock objects stay). An object still
 * selected into a context is deleted when it is deselected or the context
 * ends. FALSE for bad handles and contexts. */
HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h);
/* Selects a pen, brush, font or (into a memory context) bitmap; returns the
 * previously selected object of that kind, NULL on error. A bitmap is
 * selected into one context at a time. */
int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv);
/* Copies the LOGFONTA, LOGBRUSH, LOGPEN or BITMAP (at most c bytes); pv
 * NULL asks for the size. 0 on error. */
DWORD WINAPI GetObjectType(HGDIOBJ h);
/* OBJ_ value, 0 for a bad handle. */
HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);
/* The selected OBJ_PEN, OBJ_BRUSH or OBJ_FONT. */

/* Bitmaps and blocks of pixels. Bitmaps are 32 bits a pixel (B, G, R, unused
 * byte); a new compatible bitmap is black, a DIB section zero. */
HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy);
/* NULL for a bad hdc or a size <= 0. */
HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO *pbmi, UINT usage, VOID **ppvBits, HANDLE hSection,
                                DWORD offset);
/* A 32-bit BI_RGB DIB (biHeight > 0 bottom-up, < 0 top-down); *ppvBits
 * receives its pixels, which drawing changes in place. NULL for other
 * formats. */
BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
/* SRCCOPY, PATCOPY, BLACKNESS and WHITENESS. */
BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                       int wSrc, int hSrc, DWORD rop);
COLORREF WINAPI GetPixel(HDC hdc, int x, int y);
/* CLR_INVALID outside the bitmap or the clip rectangle. */
COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);
/* Returns the colour set, -1 when the point is clipped. */
COLORREF WINAPI GetNearestColor(HDC hdc, COLORREF color);
/* The colour itself (every context is true-colour). */
BOOL WINAPI GdiFlush(void);
/* TRUE: every drawing call has reached its surface when it returns, so a
   DIB section's bits may be read at once. */

/* Context state. */
int WINAPI SaveDC(HDC hdc);
/* Returns the new save level (1, 2, ...), 0 on error. */
BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC);
/* nSavedDC > 0: that level; < 0: relative to the current one. */
BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT lppt);
BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT lppt);
int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
/* Logical coordinates; returns SIMPLEREGION, NULLREGION, or ERROR. */
int WINAPI GetClipBox(HDC hdc, LPRECT lprect);
/* The visible part in logical coordinates. */
UINT WINAPI SetTextAlign(HDC hdc, UINT align);
/* Returns the previous alignment, GDI_ERROR on error. */
UINT WINAPI GetTextAlign(HDC hdc);

/* Lines and shapes, drawn with the selected pen and brush. */
BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL WINAPI LineTo(HDC hdc, int x, int y);
BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT lppt);
BOOL WINAPI Polyline(HDC hdc, const POINT *apt, int cpt);
BOOL WINAPI Polygon(HDC hdc, const POINT *apt, int cpt);
BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom);

/* Text. */
BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c);
BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT *lprect, LPCSTR lpString, UINT c,
                        const INT *lpDx);

/* Metafiles: a metafile context records the drawing calls made on it;
 * playback replays them into any context. No file is written: a file name
 * is accepted and ignored (the layer keeps the recording in memory). */
HDC WINAPI CreateMetaFileA(LPCSTR pszFile);
HMETAFILE WINAPI CloseMetaFile(HDC hdc);
/* Ends the recording; NULL for a context that is not a metafile's. */
BOOL WINAPI PlayMetaFile(HDC hdc, HMETAFILE hmf);
/* Replays in the context's logical coordinates; its state is kept. */
BOOL WINAPI DeleteMetaFile(HMETAFILE hmf);
HDC WINAPI CreateEnhMetaFileA(HDC hdc, LPCSTR lpFilename, const RECT *lprc, LPCSTR lpDesc);
/* lprc: the picture's frame in 0.01 mm (NULL: the bounds of what is drawn). */
HENHMETAFILE WINAPI CloseEnhMetaFile(HDC hdc);
BOOL WINAPI PlayEnhMetaFile(HDC hdc, HENHMETAFILE hmf, const RECT *lprect);
/* Replays the picture with its frame fitted to lprect; the context's
 * state is kept. */
BOOL WINAPI DeleteEnhMetaFile(HENHMETAFILE hmf);
UINT WINAPI GetEnhMetaFileHeader(HENHMETAFILE hemf, UINT nSize, LPENHMETAHEADER lpEnhMetaHeader);
/* Copies the header (at most nSize bytes); lpEnhMetaHeader NULL asks for
 * the size. rclBounds in device pixels (inclusive), rclFrame in 0.01 mm.
 * 0 for a bad handle. */

/* Text metrics and attributes. */
BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm);
/* Metrics of the selected font, measured by cairo. */
BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl);
/* Extent of c bytes (CP932) of lpString in the selected font. */
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
