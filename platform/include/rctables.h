/*
 * rctables.h - the resource tables that rcgen generates from a module's
 * resource script, and their registration with the platform layer.
 *
 * A module's generated source defines one RCMODULE with its string table,
 * dialog templates and images, and registers it from a static
 * initialiser, so the tables are known as soon as the module is loaded
 * (before DllMain runs) and forgotten when it is unloaded. The platform finds
 * the module's HINSTANCE from the address of the RCMODULE itself.
 *
 * Every text is stored as the bytes a Japanese Windows hands to the *A
 * functions: code page 932, NUL-terminated. Names of named resources are in
 * upper case, as the resource compiler stores them.
 */
#ifndef PLATFORM_RCTABLES_H
#define PLATFORM_RCTABLES_H

#include "windef.h"

#ifndef RC_INVOKED
#ifdef __cplusplus
extern "C" {
#endif

/* One string table entry. Entries are sorted by wId. */
typedef struct tagRCSTRING {
    WORD wId;
    WORD cbText;          /* length of pszText in bytes, without the NUL */
    const char *pszText;
} RCSTRING;

/* One control of a dialog template, coordinates in dialog units. */
typedef struct tagRCDLGITEM {
    const char *pszClass; /* "BUTTON", "EDIT", "STATIC", ... or a custom class */
    const char *pszText;  /* window text; NULL when the text is an ordinal */
    WORD wTextId;         /* the ordinal text (an icon id), when pszText is NULL */
    DWORD dwId;           /* control id: 16 bits in DIALOG, 32 bits in DIALOGEX */
    DWORD dwStyle;
    DWORD dwExStyle;
    SHORT x, y, cx, cy;
} RCDLGITEM;

/* One dialog template (DIALOG or DIALOGEX). */
typedef struct tagRCDIALOG {
    const char *pszName;  /* template name, or NULL when it has the id wId */
    WORD wId;
    BOOL fEx;             /* DIALOGEX */
    DWORD dwStyle;
    DWORD dwExStyle;
    SHORT x, y, cx, cy;
    const char *pszCaption;   /* "" when none */
    const char *pszClass;     /* window class, NULL for the dialog class */
    const char *pszFace;      /* font face; NULL when the template has no FONT */
    WORD wPointSize;
    WORD wWeight;
    BYTE bItalic;
    BYTE bCharSet;
    UINT cItems;
    const RCDLGITEM *pItems;
} RCDIALOG;

#define RCIMAGE_ICON 1
#define RCIMAGE_BITMAP 2

/* An ICON or BITMAP resource: the bytes of the file the script names (an
 * .ico file: its directory, then each image in BMP or PNG format). */
typedef struct tagRCIMAGE {
    const char *pszName;  /* NULL when the image has the id wId */
    WORD wId;
    WORD wType;           /* RCIMAGE_ICON or RCIMAGE_BITMAP */
    const char *pszFile;  /* the file the script names */
    const BYTE *pbData;   /* the file's bytes; NULL when none were read */
    DWORD cbData;
} RCIMAGE;

typedef struct tagRCMODULE {
    UINT cStrings;
    const RCSTRING *pStrings;
    UINT cDialogs;
    const RCDIALOG *pDialogs;
    UINT cImages;
    const RCIMAGE *pImages;
} RCMODULE;

/* Registers the tables of the module that contains pModule (found with
 * dladdr); called by the module's generated static initialiser. A module
 * registers once; the table lives as long as the module. Returns FALSE when
 * pModule is NULL, not inside a loaded module, or the registry is full. */
BOOL WINAPI PlatformRegisterResources(const RCMODULE *pModule);

/* Forgets the tables registered with pModule; called when the module is
 * unloaded. Unknown tables are ignored. */
void WINAPI PlatformUnregisterResources(const RCMODULE *pModule);

#ifdef __cplusplus
}
#endif
#endif /* RC_INVOKED */

#endif /* PLATFORM_RCTABLES_H */
