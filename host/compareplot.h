/*
 * compareplot.h - a picture of one channel's two averaged spectra, drawn
 * over each other with cairo: frequency in Hz across, power in uV^2 (per
 * Hz in standard power density) up on a logarithmic scale, a legend with
 * the sets' names.
 */
#ifndef HOST_COMPAREPLOT_H
#define HOST_COMPAREPLOT_H

#include <stddef.h>

#include <string>

#include "comparetable.h"

#define CMPPLOT_WIDTH  800
#define CMPPLOT_HEIGHT 500

typedef struct tagCMPPLOTAREA {
    double dLeft, dTop, dRight, dBottom;   /* the graph's frame, pixels */
    double dMinHz, dMaxHz;                 /* across */
    double dMinLog, dMaxLog;               /* up: log10 of uV^2, whole decades */
} CMPPLOTAREA;

CMPPLOTAREA CmpPlotArea(const COMPARISON *pCmp, size_t nChannel, double dMinHz, double dMaxHz);
/* The frame and scales for channel nChannel between dMinHz and dMaxHz: the
 * power axis spans the whole decades holding both spectra's positive
 * values in that range (1 to 10 uV^2 when there are none). */

BOOL CmpPlotPng(const COMPARISON *pCmp, size_t nChannel, double dMinHz, double dMaxHz, std::string *pstrPng);
/* The picture of channel nChannel as PNG bytes, CMPPLOT_WIDTH x
 * CMPPLOT_HEIGHT; set A in CMPPLOT_COLOUR_A, set B in CMPPLOT_COLOUR_B.
 * FALSE when cairo cannot make it. */

#define CMPPLOT_COLOUR_A 0x1f77b4   /* RGB */
#define CMPPLOT_COLOUR_B 0xe6550d

#endif /* HOST_COMPAREPLOT_H */
