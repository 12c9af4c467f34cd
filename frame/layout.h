/*
 * layout.h - the analysis window's children, their layout, the command
 * buttons and the frame.
 */
#ifndef QFFTANA_LAYOUT_H
#define QFFTANA_LAYOUT_H

#include <windows.h>

#include "frame/fftview.h"

/* Control ids of the children. */
#define IDC_SETUPPANEL      1000
#define IDC_ADDSTATE        1010
#define IDC_COUNTLABEL      1011
#define IDC_COUNT           1012
#define IDC_HISTOGRAM       1013
#define IDC_MONITOR         1014
#define IDC_BANDSETUP       1020
#define IDC_ADD             1021
#define IDC_CLEAR           1022
#define IDC_COHERENCE       1023
#define IDC_SAVE            1024
#define IDC_GRAPH_FIRST     1050  /* + analysis channel slot */
#define IDC_BARGRAPH_FIRST  1080  /* + analysis channel slot */

/* The one-shot update timer after a settings change. */
#define IDT_UPDATE          800
#define UPDATE_DELAY_MS     250

void CreateAnalyChildren(HWND hWnd, FFTVIEWDATA *pData);
/* Creates the setup panel, the eight spectrum graphs and bar graphs in
   pairs, and then the status and command controls, each with its font and
   set-up messages; a child that cannot be created, or exists already, is
   skipped. */

/* Geometry of the layout, apart from the windows. */
typedef struct {
    int nWidth, nHeight;     /* client area */
    int nRowHeight;          /* H: status line and button row */
    int nPanelWidth;         /* setup panel's client width, -1 without a panel */
    int nAnalyCh;            /* wAnalyCh */
    BOOL fHistogram;         /* bar graphs instead of spectrum graphs */
    BOOL fCoherence;         /* the Coherence button is shown */
} ANALYLAYOUTIN;

#define PLACE_MOVE 0         /* move and size, visibility unchanged */
#define PLACE_SHOW 1         /* move, size and show */
#define PLACE_HIDE 2         /* hide (position unchanged) */

typedef struct {
    int nId;                 /* control id (IDC_SETUPPANEL for the panel) */
    int nAction;             /* PLACE_* */
    int x, y, cx, cy;        /* client coordinates; sizes never negative */
} ANALYPLACE;

#define ANALY_MAXPLACES (1 + 5 + 2 * FV_ANALYCH + 5)

int CalcAnalyLayout(const ANALYLAYOUTIN *pIn, ANALYPLACE *pPlace);
/* Fills pPlace (room for ANALY_MAXPLACES) with the placement of every
   child, in the order the layout moves them, and returns their number. */

void LayoutChildren(HWND hWnd, FFTVIEWDATA *pData, int nWidth, int nHeight);
/* Places the children for a client area of nWidth x nHeight pixels: the
   row height from font 1, the panel's width from hSetupDlg, then
   CalcAnalyLayout; moves keep the Z order and do not activate. A missing
   child is skipped. */

void UpdateButtons(HWND hWnd, FFTVIEWDATA *pData);
/* Enables, checks and labels the command buttons for the current state. */

void StartUpdateTimer(HWND hWnd, FFTVIEWDATA *pData);
/* Starts the one-shot update timer (IDT_UPDATE, UPDATE_DELAY_MS) unless it
   runs already; its id is kept in idUpdateTimer until it fires. */

void PaintAnalyFrame(HWND hWnd, HDC hdc);
/* Draws the window's frame when its style asks for one. */

void AnalyCommand(HWND hWnd, FFTVIEWDATA *pData, int nId, int nCode, HWND hCtl);
/* Runs the command of child nId (notification nCode from hCtl). */

#endif /* QFFTANA_LAYOUT_H */
