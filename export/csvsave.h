/*
 * csvsave.h - the CSV report of an analysis window: identification, add
 * log, band power and band percentage tables, the averaged spectra and,
 * on request (wTxOutOption bit 0), the per-section table.
 *
 * The file is comma-separated ANSI text with CR LF line ends; numbers are
 * written with '.' as the decimal point whatever the process locale. The
 * save dialog's description is one for the module: one save runs at a time.
 */
#ifndef QFFTANA_CSVSAVE_H
#define QFFTANA_CSVSAVE_H

#include <windows.h>

#include "frame/fftview.h"

/* Results of CsvSaveReport. */
#define CSV_SAVED      1   /* the file was written */
#define CSV_NOTSAVED   0   /* no analysis, or the dialog was cancelled */
#define CSV_FAILED    (-1) /* the file could not be created or no memory */

void CsvSaveInit(void);
/* Sets the fixed members of the module's save dialog description. Called
   when an analysis window is created. */

int CsvSaveReport(HWND hWnd, FFTVIEWDATA *pData);
/* Asks for a file with the save dialog, owned by hWnd, proposing
   szCSVFile, and writes the report of the locked record pData into it.
   The chosen path is kept in szCSVFile even when writing fails. The report
   goes to a temporary file beside it (its name plus ".tmp") that replaces
   the target only when every byte was written; a failure removes it and
   leaves an earlier report intact. Returns CSV_SAVED, CSV_NOTSAVED
   (wAnalyState 0 or cancelled; nothing touched) or CSV_FAILED. */

#endif /* QFFTANA_CSVSAVE_H */
