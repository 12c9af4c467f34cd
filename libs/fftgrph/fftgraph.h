/*
 * fftgraph.h - the spectrum graph control of QFFTGRPH (class
 * QFFTGFRAPHCLASS).
 *
 * A graph window shows one spectrum: a line per spectral line, 32-bit
 * integers as the FFT object writes them, over a frequency axis in Hz, plus
 * optionally the ADD average in a second colour, the mean and edge
 * frequencies and a title. It keeps everything it is given in a record of
 * its own, so a caller may pass pointers into buffers it unlocks or frees
 * as soon as the message returns: FGM_SETDATA and FGM_SETADDDATA copy the
 * lines, FGM_SETTEXT copies the title, FGM_SETVALUE copies the float.
 *
 * Scale. Property 7 is the FFT size N in points, property 8 the sampling
 * rate in Hz and property 9 the number of lines shown (0: N/2). Line k lies
 * at k * rate / N Hz. A graph holds at most FG_GRAPH_MAXLINES lines (N/2 of
 * the largest FFT, 16384 points); longer data are cut to that many lines.
 *
 * Frequency cursor. A left click inside the plot area puts the cursor on
 * the spectral line nearest to the pointer; a click outside it (on the axes
 * or the title) takes the cursor away. Either way the parent receives
 * WM_COMMAND (MAKEWPARAM(id, FGN_CURSOR), graph window). The cursor is kept
 * as a frequency in hundredths of a hertz, so graphs of channels at other
 * rates or FFT sizes can show it at the same frequency: FGM_GETSYNC
 * FG_SYNC_FREQ answers it and FGM_GETSYNC FG_SYNC_STATE answers 1 while the
 * cursor is shown, 0 otherwise; FGM_SETSYNC takes the same two values. A
 * graph without a scale (property 7 or 8 not positive) ignores clicks.
 *
 * Mouse wheel. Each notch away from the user doubles the vertical
 * magnification (property 15), each notch towards the user halves it,
 * within 1..FG_MAG_MAX; on a change the parent receives FGN_MAGCHANGED.
 *
 * Double click. Cycles the draw type (property 16) line -> bars -> filled
 * -> line and notifies FGN_TYPECHANGED; a coherence graph (draw type 3)
 * keeps its type and sends nothing.
 *
 * Not thread-safe: use a graph from the thread that created it.
 */
#ifndef FFTGRAPH_H
#define FFTGRAPH_H

#include <windows.h>

#include "qfexport.h"

#ifdef __cplusplus
extern "C" {
#endif

#define FG_GRAPH_CLASS "QFFTGFRAPHCLASS"

#define FG_GRAPH_MAXLINES 8192   /* lines kept per data set */
#define FG_GRAPH_MAXPROPS 64     /* distinct property ids kept per graph */
#define FG_GRAPH_MAXTITLE 128    /* title buffer, NUL included */
#define FG_MAG_MAX        256    /* largest magnification the wheel reaches */

/* Messages (wParam / lParam -> result). */
#define FGM_SETPROP    (WM_USER + 100) /* 1124: id / value -> TRUE, FALSE when
                                          FG_GRAPH_MAXPROPS other ids are kept */
#define FGM_GETPROP    (WM_USER + 101) /* 1125: id / - -> value, 0 if never set */
#define FGM_SETDATA    (WM_USER + 102) /* 1126: HIWORD line count / const LONG *
                                          -> lines copied (see FGM_SETADDDATA) */
#define FGM_REDRAW     (WM_USER + 104) /* 1128: FG_REDRAW_* / - -> 0; repaints */
#define FGM_SETADDMODE (WM_USER + 106) /* 1130: 1 show the ADD average, 0 off / - -> 0 */
#define FGM_SETADDDATA (WM_USER + 107) /* 1131: HIWORD line count / const LONG *
                                          -> lines copied, at most FG_GRAPH_MAXLINES;
                                          a NULL array with a count refuses (0) and
                                          keeps the old data; a count of 0 empties */
#define FGM_SETSYNC    (WM_USER + 110) /* 1134: LOWORD FG_SYNC_* (high word ignored)
                                          / value -> TRUE, FALSE for other items */
#define FGM_GETSYNC    (WM_USER + 111) /* 1135: FG_SYNC_* / - -> value, 0 for others */
#define FGM_SETTEXT    (WM_USER + 118) /* 1142: FG_TEXT_TITLE / LPCSTR (copied, cut to
                                          FG_GRAPH_MAXTITLE - 1 chars; NULL refused),
                                          or FG_TEXT_SHOWTITLE / value -> TRUE/FALSE */
#define FGM_SETVALUE   (WM_USER + 119) /* 1143: FG_VALUE_* / const float * (Hz)
                                          -> TRUE, FALSE for NULL or other ids */

/* Read-back messages: this library's additions, for tests and tools. */
#define FGM_GETDATA     (WM_USER + 200) /* capacity in lines / LONG * (may be NULL)
                                           -> line count held; copies up to capacity */
#define FGM_GETADDDATA  (WM_USER + 201) /* as FGM_GETDATA, for the ADD average */
#define FGM_GETVALUE    (WM_USER + 202) /* FG_VALUE_* / float * -> TRUE, FALSE for
                                           NULL or other ids */
#define FGM_GETTITLE    (WM_USER + 203) /* capacity in chars / LPSTR -> chars copied
                                           (NUL-terminated; 0 for a bad buffer) */
#define FGM_GETTEXTSW   (WM_USER + 204) /* - / - -> value of FG_TEXT_SHOWTITLE */
#define FGM_GETADDMODE  (WM_USER + 205) /* - / - -> 1 or 0 */
#define FGM_GETREDRAW   (WM_USER + 206) /* 0 / - -> last FG_REDRAW_* code (-1 before
                                           any); 1 / - -> number of FGM_REDRAW received */

/* Property ids the plug-in uses; any other id is stored as well. */
#define FG_PROP_POINTS    7   /* FFT size N in points */
#define FG_PROP_RATE      8   /* sampling rate in Hz */
#define FG_PROP_LINES     9   /* lines shown; 0: N/2 */
#define FG_PROP_MAG       15  /* vertical magnification, 1..FG_MAG_MAX (0 counts as 1) */
#define FG_PROP_DRAWTYPE  16  /* FG_DRAW_* */
#define FG_PROP_CALHEIGHT 21  /* calibration height */
#define FG_PROP_CALVALUE  22  /* calibration value */
#define FG_PROP_AMPSCALE  23  /* amplitude scale */
#define FG_PROP_MONITOR   24  /* monitor switch */
#define FG_PROP_SHOWPARA  34  /* show mean and edge frequency markers */

/* Draw types (property 16). */
#define FG_DRAW_LINE      0
#define FG_DRAW_BARS      1
#define FG_DRAW_FILLED    2
#define FG_DRAW_COHERENCE 3   /* values are coherence x 10000, axis 0..1 */

/* Redraw codes (wParam of FGM_REDRAW). */
#define FG_REDRAW_NORMAL  0
#define FG_REDRAW_PAGE    3   /* after a page FFT */
#define FG_REDRAW_CLEAR   10  /* after the ADD average was cleared */
#define FG_REDRAW_NODATA  11  /* show "no data" instead of the spectrum */

/* Items of FGM_SETSYNC / FGM_GETSYNC. */
#define FG_SYNC_FREQ      1   /* cursor frequency in 0.01 Hz */
#define FG_SYNC_STATE     2   /* 1 cursor shown, 0 hidden */

/* Ids of FGM_SETTEXT. */
#define FG_TEXT_TITLE     10  /* lParam: the title string */
#define FG_TEXT_SHOWTITLE 32  /* lParam: 1 show the title, 0 hide it */

/* Values of FGM_SETVALUE / FGM_GETVALUE. */
#define FG_VALUE_MEAN     0x00000  /* mean frequency of the spectrum, Hz */
#define FG_VALUE_EDGE     0x00001  /* edge frequency of the spectrum, Hz */
#define FG_VALUE_ADD      0x10000  /* added to either: the ADD average's value */

/* Notification codes (HIWORD of the WM_COMMAND wParam sent to the parent;
 * LOWORD is the graph's id, lParam the graph window). */
#define FGN_CURSOR        11  /* the frequency cursor moved or was hidden */
#define FGN_TYPECHANGED   20  /* the draw type changed */
#define FGN_MAGCHANGED    21  /* the magnification changed */

QF_EXPORT BOOL WINAPI FgRegisterGraphClass(void);
/* Registers FG_GRAPH_CLASS as a global class (CS_GLOBALCLASS) of this
 * module's instance, so any module of the process can create graphs.
 * Calling it again is harmless. Returns TRUE when the class exists
 * afterwards. The library unregisters it when it is unloaded. */

#ifdef __cplusplus
}
#endif

#endif /* FFTGRAPH_H */
