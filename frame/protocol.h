/*
 * protocol.h - the messages of the analysis window (QPANEFFTANALYPLAY), the
 * notification codes it sends its host, and the messages it sends the host's
 * link window.
 *
 * The host drives the window with private messages WM_USER + n. Numeric items
 * carry the item code in LOWORD(wParam), an index in HIWORD(wParam) and a
 * 32-bit value in lParam. Notifications are WM_COMMAND messages to the notify
 * window with wParam = MAKEWPARAM(notify id, code) and lParam = the analysis
 * window. Texts are NUL-terminated ANSI (code page 932) strings.
 */
#ifndef QFFTANA_PROTOCOL_H
#define QFFTANA_PROTOCOL_H

#include <windows.h>

/* Messages the analysis window accepts. */
#define QPM_SETNOTIFY      (WM_USER + 100) /* wParam notify window, LOWORD(lParam) notify id */
#define QPM_SETPATH        (WM_USER + 102) /* wParam 0 settings folder, 1 host path, 2 application folder */
#define QPM_REFRESHSTATE   (WM_USER + 103)
#define QPM_STARTANALY     (WM_USER + 107)
#define QPM_ATTACHDATA     (WM_USER + 105) /* to a view: lParam the record's memory handle */
#define QPM_STOPANALY      (WM_USER + 108)
#define QPM_SETVALUE       (WM_USER + 112) /* numeric item: LOWORD(wParam) item, HIWORD index, lParam value */
#define QPM_GETVALUE       (WM_USER + 113) /* returns the value, 0 for unreadable items */
#define QPM_SETTEXT        (WM_USER + 114) /* text item: LOWORD(wParam) item, HIWORD sub-id or channel */
#define QPM_GETTEXT        (WM_USER + 115) /* lParam buffer of at least 64 bytes; returns the length */
#define QPM_NOOP           (WM_USER + 120)
#define QPM_QUERY          (WM_USER + 121)
#define QPM_REFRESH        (WM_USER + 125)
#define QPM_SETLINKWND     (WM_USER + 140) /* wParam link window */
#define QPM_SETAREA        (WM_USER + 150) /* lParam page start in base-rate samples */
#define QPM_SETCHDATA      (WM_USER + 152) /* LOWORD(wParam) host channel, HIWORD rate, lParam samples */
#define QPM_GETMESSAGE     (WM_USER + 162) /* lParam buffer of at least 128 bytes; returns the length */
#define QPM_KEYNOTIFY      (WM_USER + 170) /* LOWORD(wParam) event, HIWORD key */

/* The host's F1 key as QPM_KEYNOTIFY reports it. */
#define QPK_EVENT_KEY      2
#define QPK_KEY_F1         1

/* Notification codes (HIWORD of the WM_COMMAND's wParam). The unnamed
   request codes ask the host to push its current items back. */
#define QPN_REQ_START      10  /* last request of a start */
#define QPN_REQ_STOP       11  /* after QPN_ANALYSTOP */
#define QPN_ANALYSTARTED   14
#define QPN_ANALYSTOP      15
#define QPN_NOTIFYSET      101
#define QPN_REQ_151        151
#define QPN_REQ_152        152
#define QPN_REQ_160        160
#define QPN_REQ_162        162
#define QPN_REQ_206        206
#define QPN_REQ_210        210
#define QPN_REQ_211        211
#define QPN_REQ_215        215
#define QPN_REQ_216        216
#define QPN_SETUPCHANGED   21  /* from the setup panel: settings changed */
#define QPN_DELAYEDUPDATE  511
#define QPN_INFOTEXT       541
#define QPN_ERRORTEXT      542
#define QPN_INITDONE       602

/* Messages to the host's link window. */
#define QLM_SETITEM        (WM_USER + 102) /* wParam item (48 area mode, 57 FFT length), lParam value */
#define QLM_SETSTATE       (WM_USER + 130) /* (1, 0) once analysis has started */
#define QLM_ITEM_AREAMODE  48
#define QLM_ITEM_FFTLENGTH 57

/* Numeric item codes (QPM_SETVALUE / QPM_GETVALUE). */
#define QPI_HOSTMODE       3
#define QPI_HOSTCHCOUNT    6
#define QPI_ITEM10         10
#define QPI_BASERATE       11
#define QPI_ITEM15         15
#define QPI_RECTIME        16
#define QPI_ITEM17         17
#define QPI_ITEM18         18
#define QPI_DIALOGLANG     19
#define QPI_PAGETIME       21
#define QPI_TOTALTIME      22
#define QPI_ITEM23         23
#define QPI_ITEM24         24
#define QPI_CHUSED         30
#define QPI_CALVALUE       31
#define QPI_CALHEIGHT      32
#define QPI_CALRANGE       35
#define QPI_CHITEM36       36
#define QPI_CHITEM37       37
#define QPI_SIGNALTYPE     38
#define QPI_CHRATE         39
#define QPI_AREAOFFSET     124

/* Text item codes (QPM_SETTEXT / QPM_GETTEXT). */
#define QPT_HOSTTEXT       10  /* HIWORD = sub-id */
#define QPT_HOSTTEXT15     15
#define QPT_CHNAME         20  /* HIWORD = host channel */
#define QPT_CHNAME2        21

/* Host mode (item 3) in which electrode-unit data cannot be analysed. */
#define QP_HOSTMODE_ELECTRODE 2

#endif /* QFFTANA_PROTOCOL_H */
