// Parsing the options of qfftana compare.
#include "compareargs.h"

#include <stdio.h>
#include <string.h>

#include "cmdline.h"
#include "report.h"

BOOL CmpIsOption(const char *pszName)
{
    static const char *const apszOption[] = {"--a", "--b", "--a-seconds", "--b-seconds", "--a-annotation",
                                             "--b-annotation", "--labels", "--add", "--json"};
    for (const char *psz : apszOption) {
        if (strcmp(psz, pszName) == 0)
            return TRUE;
    }
    return FALSE;
}

// "FROM-TO" in seconds, FROM < TO, read without the locale.
static BOOL ParseSpan(const char *psz, double *pdFrom, double *pdTo)
{
    const char *pszDash = strchr(psz, '-');
    if (pszDash == NULL || pszDash == psz)
        return FALSE;
    std::string strFrom(psz, pszDash);
    bool bFrom = false, bTo = false;
    *pdFrom = ReportParseNumber(strFrom.c_str(), &bFrom);
    *pdTo = ReportParseNumber(pszDash + 1, &bTo);
    return bFrom && bTo && *pdFrom >= 0.0 && *pdTo > *pdFrom && strchr(pszDash + 1, '-') == NULL;
}

static BOOL ParseLabels(const char *psz, HOSTOPTIONS *pOpt)
{
    const char *pszComma = strchr(psz, ',');
    if (pszComma == NULL || pszComma == psz || pszComma[1] == '\0' || strchr(pszComma + 1, ','))
        return FALSE;
    pOpt->aCondition[0].strLabel.assign(psz, pszComma);
    pOpt->aCondition[1].strLabel = pszComma + 1;
    return TRUE;
}

// --a, --a-seconds or --a-annotation (and the same for b).
static BOOL ParseCondition(const char *pszName, const char *pszValue, CONDITION *pCond, char *pszError, size_t cbError)
{
    char cSet = pszName[2];
    if (pCond->nKind != COND_NONE)
        return CmdFail(pszError, cbError, "%s: the set %c is given twice (give one of --%c, --%c-seconds, --%c-annotation)",
                    pszName, cSet - 'a' + 'A', cSet, cSet, cSet);
    const char *pszKind = pszName + 3;
    if (*pszKind == '\0') {
        pCond->nKind = COND_PAGES;
        return CmdParsePageList(pszValue, &pCond->aPages)
            || CmdFail(pszError, cbError, "%s: '%s' is not a list of pages such as 1-9 or 1,3-7", pszName, pszValue);
    }
    if (strcmp(pszKind, "-seconds") == 0) {
        pCond->nKind = COND_SECONDS;
        return ParseSpan(pszValue, &pCond->dFrom, &pCond->dTo)
            || CmdFail(pszError, cbError, "%s: '%s' is not FROM-TO in seconds such as 0-90", pszName, pszValue);
    }
    pCond->nKind = COND_ANNOTATION;
    pCond->strAnnotation = pszValue;
    return !pCond->strAnnotation.empty() || CmdFail(pszError, cbError, "%s: give the annotation's text", pszName);
}

BOOL CmpParseOption(const char *pszName, const char *pszValue, HOSTOPTIONS *pOpt, char *pszError, size_t cbError)
{
    if (strcmp(pszName, "--add") == 0)
        return CmdFail(pszError, cbError, "compare takes its pages from --a and --b, not --add");
    if (strcmp(pszName, "--labels") == 0)
        return ParseLabels(pszValue, pOpt)
            || CmdFail(pszError, cbError, "--labels: '%s' is not two names with a comma between, such as \"eyes open,eyes closed\"", pszValue);
    if (strcmp(pszName, "--json") == 0)
        return CmdFail(pszError, cbError, "compare writes no JSON; its table is OUT/compare.csv");
    return ParseCondition(pszName, pszValue, &pOpt->aCondition[pszName[2] == 'a' ? 0 : 1], pszError, cbError);
}

BOOL CmpCheck(HOSTOPTIONS *pOpt, char *pszError, size_t cbError)
{
    static const char *const apszDefault[] = {"A", "B"};
    for (int i = 0; i < 2; i++) {
        if (pOpt->aCondition[i].nKind == COND_NONE)
            return CmdFail(pszError, cbError, "compare needs the set %s: --%c PAGES, --%c-seconds FROM-TO or --%c-annotation TEXT",
                        apszDefault[i], 'a' + i, 'a' + i, 'a' + i);
        if (pOpt->aCondition[i].strLabel.empty())
            pOpt->aCondition[i].strLabel = apszDefault[i];
    }
    return TRUE;
}
