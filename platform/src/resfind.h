// resfind.h - lookup of the registered resource tables, for the platform's
// own dialog and control code.
#ifndef PLATFORM_RESFIND_H
#define PLATFORM_RESFIND_H

#include <windows.h>
#include <rctables.h>

// The dialog template named lpName (MAKEINTRESOURCE id, "#123" or a name,
// compared without case) of module hInstance; NULL when there is none.
const RCDIALOG *ResFindDialog(HINSTANCE hInstance, LPCSTR lpName);

// The image resource lpName of type wType (RCIMAGE_ICON, RCIMAGE_BITMAP)
// of module hInstance; NULL when there is none.
const RCIMAGE *ResFindImage(HINSTANCE hInstance, LPCSTR lpName, WORD wType);

// Frees the shared icons made from pModule's images (icon.cpp); called as
// the module's tables are forgotten.
void IconDropShared(const RCMODULE *pModule);

// The size of an icon's image; FALSE for a bad handle.
BOOL IconGetSize(HICON hIcon, SIZE *pSize);

#endif // PLATFORM_RESFIND_H
