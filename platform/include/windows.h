/*
 * windows.h - the Win32 subset of the headless Linux platform layer.
 *
 * Plug-in and library sources include this exactly as they would on
 * Windows. Everything declared here behaves as Windows documents it; what
 * is not declared does not exist on Linux. Declarations sit behind
 * RC_INVOKED so that the resource generator can include the constants.
 */
#ifndef PLATFORM_WINDOWS_H
#define PLATFORM_WINDOWS_H

#include "windef.h"
#include "winbase.h"
#include "winuser.h"
#include "wingdi.h"

#endif /* PLATFORM_WINDOWS_H */
