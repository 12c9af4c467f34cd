/*
 * compareargs.h - the options of qfftana compare that analyze lacks: the
 * two sets of pages and their labels.
 *
 *   --a PAGES, --b PAGES              pages as --add lists them: 1-9,12
 *   --a-seconds FROM-TO, --b-seconds  seconds, FROM inclusive, TO exclusive
 *   --a-annotation TEXT, --b-annotation TEXT
 *   --labels "eyes open,eyes closed"  names of the two sets (A and B)
 */
#ifndef HOST_COMPAREARGS_H
#define HOST_COMPAREARGS_H

#include <stddef.h>

#include "cmdline.h"

BOOL CmpIsOption(const char *pszName);
/* Whether compare handles the option itself (--add and --json included,
 * which compare refuses). */

BOOL CmpParseOption(const char *pszName, const char *pszValue, HOSTOPTIONS *pOpt, char *pszError, size_t cbError);
/* Stores one such option; FALSE, with a reason, for a malformed value, a
 * set given twice, --add or --json. */

BOOL CmpCheck(HOSTOPTIONS *pOpt, char *pszError, size_t cbError);
/* After the last argument: both sets must be given; labels default to A
 * and B. */

#endif /* HOST_COMPAREARGS_H */
