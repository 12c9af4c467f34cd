/*
 * prjfile.h - signal types of QPRJFILE.
 *
 * A recording's channels carry a signal type code: what kind of signal the
 * channel holds (EEG, ECG, EOG, ...). The codes 0 .. PF_MAXSIGNAL are known,
 * each with a short display name in ASCII; code 4 is "EEG". The analysis
 * window matches its analysis channels against host channels by this code,
 * and shows the code by its name.
 *
 * The table is fixed and read-only, so the functions are thread-safe.
 */
#ifndef PRJFILE_H
#define PRJFILE_H

#include <windows.h>

#include "qfexport.h"

#ifdef __cplusplus
extern "C" {
#endif

#define PF_MAXSIGNAL  20 /* highest known signal type code */
#define PF_SIGNAL_EEG 4
#define PF_NAMESIZE   64 /* buffer size a caller gives PfGetSignalName */

QF_EXPORT DWORD WINAPI PfGetSignalName(WORD wSignal, LPSTR pszName);
/* Writes the display name of signal type wSignal into pszName (a buffer of
 * at least PF_NAMESIZE bytes; names are shorter than 16 characters) and
 * returns the name's length, which is non-zero in its low 16 bits. For an
 * unknown code it writes "" and returns 0. A NULL pszName writes nothing;
 * the result still tells whether the code is known. */

#ifdef __cplusplus
}
#endif

#endif /* PRJFILE_H */
