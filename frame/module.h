/*
 * module.h - the plug-in module's instance and its window classes.
 */
#ifndef QFFTANA_MODULE_H
#define QFFTANA_MODULE_H

#include <windows.h>

#define ANALY_CLASS     "QPANEFFTANALYPLAY"
#define CHTABLE_CLASS   "QPANEFFTANALYCHTABLE"
#define BARGRAPH_CLASS  "QPANEFFTANALYBARGRAPH"
#define COHGRAPH_CLASS  "QPANEFFTANALYCOHGRAPH"

HINSTANCE ModuleInstance(void);
/* The plug-in's instance handle, kept at process attach: every window,
   dialog and string of the plug-in is created or loaded with it. */

void RegisterPluginClasses(HINSTANCE hInstance);
/* Registers, in this order, the analysis window class (the only one with
   CS_GLOBALCLASS, so that the host can create it by name), the spectrum
   graph class, the channel table, the bar graph and the coherence graph
   classes. Failures are not examined: the host then cannot create the
   window, which is its own concern. */

void UnregisterPluginClasses(HINSTANCE hInstance);
/* Unregisters the analysis window class; the other classes stay. */

LRESULT CALLBACK AnalyWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
/* Window procedure of the analysis window. */

void RegisterGraphClass(void);
/* Has the spectrum library register its graph class QFFTGFRAPHCLASS. */

ATOM RegisterChTableClass(HINSTANCE hInstance);
ATOM RegisterBarGraphClass(HINSTANCE hInstance);
ATOM RegisterCohGraphClass(HINSTANCE hInstance);
/* Register the channel table, bar graph and coherence graph classes with
   their window procedures; return the class atom, 0 on failure. */

#endif /* QFFTANA_MODULE_H */
