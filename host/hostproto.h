/*
 * hostproto.h - the analysis window's messages as its host sends them.
 *
 * The host knows the plug-in only by these numbers, as the application it
 * stands in for does: it never includes the plug-in's headers. Private
 * messages are WM_USER + n; numeric items carry the item code in
 * LOWORD(wParam), an index in HIWORD(wParam) and the value in lParam.
 * Notifications come as WM_COMMAND to the notify window with
 * wParam = MAKEWPARAM(notify id, code), lParam = the analysis window.
 */
#ifndef HOST_HOSTPROTO_H
#define HOST_HOSTPROTO_H

#include <windows.h>

#define QP_PLUGIN_MODULE   "QFFTANA.dll"
#define QP_PLUGIN_VERSION  100          /* what QOptionGetVersion answers */
#define QP_ANALYSIS_CLASS  "QPANEFFTANALYPLAY"

#define QPM_SETNOTIFY      (WM_USER + 100)
#define QPM_SETPATH        (WM_USER + 102)
#define QPM_STARTANALY     (WM_USER + 107)
#define QPM_STOPANALY      (WM_USER + 108)
#define QPM_SETVALUE       (WM_USER + 112)
#define QPM_SETTEXT        (WM_USER + 114)
#define QPM_SETAREA        (WM_USER + 150)
#define QPM_SETCHDATA      (WM_USER + 152)
#define QPM_GETMESSAGE     (WM_USER + 162)

/* QPM_SETPATH wParam */
#define QP_PATH_SETTINGS   0
#define QP_PATH_HOST       1
#define QP_PATH_APP        2

/* Numeric items */
#define QPI_HOSTCHCOUNT    6
#define QPI_BASERATE       11
#define QPI_RECTIME        16    /* index 0..5: year .. second of the start */
#define QPI_REPORTDATE     17    /* index 0..5: the date line of the report */
#define QPI_PAGETIME       21
#define QPI_TOTALTIME      22
#define QPI_CHUSED         30
#define QPI_CALVALUE       31
#define QPI_CALHEIGHT      32
#define QPI_CALRANGE       35
#define QPI_SIGNALTYPE     38
#define QPI_CHRATE         39
#define QPI_AREAOFFSET     124

/* Text items and the host-text sub-ids the report prints */
#define QPT_HOSTTEXT       10
#define QPT_SUB_NAME1      13    /* patient name */
#define QPT_SUB_NAME2      14    /* patient id */
#define QPT_FILENAME       15
#define QPT_CHNAME         20
#define QPT_CHNAME2        21

#define QP_TEXTSIZE        260   /* buffers of the window, terminator included */
#define QP_NAMESIZE        64
#define QP_NAME2SIZE       32
#define QP_MESSAGESIZE     128

/* Notification codes */
#define QPN_ANALYSTARTED   14
#define QPN_ANALYSTOP      15
#define QPN_INFOTEXT       541
#define QPN_ERRORTEXT      542

/* Buttons of the analysis window the host presses */
#define QP_ID_ADD          1021
#define QP_ID_SAVE         1024
#define QP_BN_CLICKED      0     /* the code a button's click sends */

#endif /* HOST_HOSTPROTO_H */
