/*
 * notify.h - notifications to the host and the outcome text it fetches.
 *
 * A notification is a WM_COMMAND to the notify window kept in the window's
 * extra bytes, with wParam = MAKEWPARAM(notify id, code) and lParam = the
 * analysis window. A sent one is handled by the host before the plug-in goes
 * on (the host may send items back: the record is then locked once more); a
 * posted one arrives when the host pumps its queue. Nothing is sent while no
 * notify window is known.
 */
#ifndef QFFTANA_NOTIFY_H
#define QFFTANA_NOTIFY_H

#include <windows.h>

#include "frame/fftview.h"

void NotifyHostSend(HWND hWnd, WORD wCode);
/* Sends notification wCode of analysis window hWnd to its notify window. */

void NotifyHostPost(HWND hWnd, WORD wCode);
/* Posts notification wCode of analysis window hWnd to its notify window. */

void ReportString(HWND hWnd, FFTVIEWDATA *pData, UINT idString, WORD wCode);
/* szMessage = string idString of the plug-in's string table (cut to 127
   bytes; "" when missing), then sends wCode (QPN_INFOTEXT or QPN_ERRORTEXT). */

void ReportText(HWND hWnd, FFTVIEWDATA *pData, const char *pszText, WORD wCode);
/* szMessage = pszText (cut to 127 bytes), then sends wCode. */

#endif /* QFFTANA_NOTIFY_H */
