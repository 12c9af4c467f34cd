/*
 * hostwnd.h - the host's frame window: parent and notify window of the
 * analysis window. It answers the plug-in's request notifications by
 * pushing the recording's items again, and shows the plug-in's message
 * texts on standard error, each followed by the host's English
 * explanation (information unless quiet, errors always; a text repeated
 * right after itself only once).
 */
#ifndef HOST_HOSTWND_H
#define HOST_HOSTWND_H

#include <windows.h>

#include "recording.h"

#define HOST_NOTIFY_ID 1

typedef struct tagHOSTSTATE {
    HWND hAnaly;                 /* the analysis window, once created */
    const RECORDING *pRec;
    DWORD nBaseRate;
    DWORD nPageSeconds;
    const char *pszFileName;     /* UTF-8 texts for the report's header */
    BOOL bQuiet;
    BOOL bStarted;               /* QPN_ANALYSTARTED came */
    int nErrorTexts;             /* error texts shown so far */
    int nInfoTexts;
    char szLastText[512];        /* last text, UTF-8 */
    char szLastError[512];       /* last error text, UTF-8 */
} HOSTSTATE;

HWND HostCreateFrame(HOSTSTATE *pState);
/* Creates the frame window (1280 x 800) with pState as its state; pState
 * must outlive the window. NULL when the window cannot be created. */

void HostPushItems(const HOSTSTATE *pState);
/* Sends the analysis window every recording item, channel item, channel
 * name and host text. */

#endif /* HOST_HOSTWND_H */
