/*
 * csvtext.h - the working buffer the CSV report assembles one section in.
 *
 * The buffer is one movable memory block, locked while text is appended.
 * It starts at the size the caller expects a section to need and grows
 * when a section is longer, so nothing is ever written past its end. Each
 * cell is formatted on its own, with '.' as the decimal point whatever the
 * locale, and then appended.
 */
#ifndef QFFTANA_CSVTEXT_H
#define QFFTANA_CSVTEXT_H

#include <stddef.h>

#include <windows.h>

typedef struct tagCSVTEXT {
    HGLOBAL hBuffer;
    char   *pchText;   /* the locked buffer */
    SIZE_T  cbBuffer;
    SIZE_T  cchText;   /* bytes of the section so far */
    BOOL    bFailed;   /* the buffer could not grow: the text is short */
} CSVTEXT;

BOOL CsvTextOpen(CSVTEXT *pText, SIZE_T cbInitial);
/* Allocates (zero-filled, at least 1 byte) and locks the buffer. FALSE, with
   nothing held, when it cannot be allocated or locked. */

void CsvTextClose(CSVTEXT *pText);
/* Unlocks and frees the buffer. */

void CsvTextReset(CSVTEXT *pText);
/* Empties the text for the next section; the buffer is kept. */

void CsvText(CSVTEXT *pText, const char *pszText);
/* Appends pszText. When the buffer cannot grow, bFailed is set and the text
   is not appended. */

void CsvInt(CSVTEXT *pText, int nValue);
/* Appends nValue as "%i". */

void CsvFixed(CSVTEXT *pText, int nWidth, double dValue);
/* Appends dValue with two decimals, right-aligned with blanks to at least
   nWidth characters ("%*.2f" in the C locale). */

void CsvTime(CSVTEXT *pText, const WORD *pwTime);
/* Appends " hh:mm:ss.t00" for hour, minute, second and tenth. */

void CsvNewLine(CSVTEXT *pText);
/* Appends CR LF. */

#endif /* QFFTANA_CSVTEXT_H */
