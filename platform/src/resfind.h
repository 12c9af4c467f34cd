// resfind.h - lookup of the registered resource tables, for the platform's
// own dialog and control code.
#ifndef PLATFORM_RESFIND_H
#define PLATFORM_RESFIND_H

#include <windows.h>
#include <rctables.h>

// The dialog template named lpName (MAKEINTRESOURCE id, "#123" or a name,
// compared without case) of module hInstance; NULL when there is none.
const RCDIALOG *ResFindDialog(HINSTANCE hInstance, LPCSTR lpName);

#endif // PLATFORM_RESFIND_H
