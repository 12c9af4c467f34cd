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

void LayoutChildren(HWND hWnd, FFTVIEWDATA *pData, int nWidth, int nHeight);
/* Places the children for a client area of nWidth x nHeight pixels. */

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
