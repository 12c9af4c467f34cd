// qfftana compare: two runs of the plug-in, one per set of pages.
#include "compare.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>

#include <fstream>
#include <set>

#include "annotations.h"
#include "comparehtml.h"
#include "compareplot.h"
#include "comparetable.h"
#include "demorec.h"
#include "pagechoice.h"
#include "pageselect.h"
#include "recread.h"
#include "report.h"
#include "session.h"
#include "setfolder.h"
#include "summary.h"

static const char *OptionName(int nSet, int nKind)
{
    static const char *const apszName[2][4] = {{"", "--a", "--a-seconds", "--a-annotation"},
                                               {"", "--b", "--b-seconds", "--b-annotation"}};
    return apszName[nSet][nKind];
}

// The distinct annotation texts, for a message: "T0, T1, T2".
static std::string AnnotationTexts(const std::vector<EDFANNOTATION> &aAnn)
{
    std::set<std::string> setTexts;
    for (const EDFANNOTATION &ann : aAnn)
        setTexts.insert(ann.strText);
    std::string str;
    for (const std::string &strText : setTexts) {
        if (str.size() > 200) {
            str += ", ...";
            break;
        }
        str += (str.empty() ? "'" : ", '") + strText + "'";
    }
    return str.empty() ? "none" : str;
}

typedef struct tagSELECTING {
    const HOSTOPTIONS *pOpt;
    const RECORDING *pRec;
    int nPages;                          // whole pages of the recording
    BOOL bAnnotationsRead;
    std::vector<EDFANNOTATION> aAnn;
} SELECTING;

// The annotations of the recording, read once; an exit status on failure.
static int Annotations(SELECTING *pSel, char *pszError, size_t cbError)
{
    if (pSel->bAnnotationsRead)
        return EXIT_OK;
    const char *pszFormat = pSel->pRec->szFormat;
    if (pSel->pOpt->strRecording.empty() || (strcmp(pszFormat, "EDF+") && strcmp(pszFormat, "BDF+"))) {
        snprintf(pszError, cbError, "%s holds no annotations (only EDF+ and BDF+ files have them)",
                 pSel->pOpt->strRecording.empty() ? "the built-in recording" : pSel->pOpt->strRecording.c_str());
        return EXIT_BADARGS;
    }
    if (!AnnRead(pSel->pOpt->strRecording.c_str(), &pSel->aAnn, pszError, cbError))
        return EXIT_BADRECORDING;
    pSel->bAnnotationsRead = TRUE;
    return EXIT_OK;
}

static int PagesListed(const SELECTING *pSel, const char *pszOption, const CONDITION &cond,
                       std::vector<ADDRANGE> *paPages, char *pszError, size_t cbError)
{
    *paPages = cond.aPages;
    int nLast = 0;
    for (const ADDRANGE &range : cond.aPages)
        nLast = range.nLast > nLast ? range.nLast : nLast;
    if (nLast <= pSel->nPages)
        return EXIT_OK;
    snprintf(pszError, cbError, "%s: page %d does not exist; the recording has %d pages of %d s", pszOption, nLast,
             pSel->nPages, pSel->pOpt->nPageSeconds);
    return EXIT_BADARGS;
}

static int PagesBySeconds(const SELECTING *pSel, const char *pszOption, const CONDITION &cond,
                          std::vector<ADDRANGE> *paPages, char *pszError, size_t cbError)
{
    const int nSeconds = pSel->pOpt->nPageSeconds;
    *paPages = PageSelectSeconds(cond.dFrom, cond.dTo, nSeconds, pSel->nPages);
    if (!paPages->empty())
        return EXIT_OK;
    snprintf(pszError, cbError, "%s %g-%g: no page of %d s lies wholly inside (the recording has %d pages, %d s)",
             pszOption, cond.dFrom, cond.dTo, nSeconds, pSel->nPages, pSel->nPages * nSeconds);
    return EXIT_BADARGS;
}

static int PagesByAnnotation(SELECTING *pSel, const char *pszOption, const CONDITION &cond,
                             std::vector<ADDRANGE> *paPages, char *pszError, size_t cbError)
{
    int nCode = Annotations(pSel, pszError, cbError);
    if (nCode != EXIT_OK)
        return nCode;
    *paPages = PageSelectAnnotation(pSel->aAnn, cond.strAnnotation, pSel->pOpt->nPageSeconds, pSel->nPages);
    if (!paPages->empty())
        return EXIT_OK;
    BOOL bKnown = FALSE;
    for (const EDFANNOTATION &ann : pSel->aAnn)
        bKnown = bKnown || ann.strText == cond.strAnnotation;
    if (bKnown)
        snprintf(pszError, cbError, "%s '%s': the annotation marks no whole page of %d s of the recording", pszOption,
                 cond.strAnnotation.c_str(), pSel->pOpt->nPageSeconds);
    else
        snprintf(pszError, cbError, "%s: no annotation '%s' in %s; its annotations: %s", pszOption,
                 cond.strAnnotation.c_str(), pSel->pOpt->strRecording.c_str(), AnnotationTexts(pSel->aAnn).c_str());
    return EXIT_BADARGS;
}

// The pages of set nSet; an exit status with a reason when there are none.
static int SelectPages(SELECTING *pSel, int nSet, std::vector<ADDRANGE> *paPages, char *pszError, size_t cbError)
{
    const CONDITION &cond = pSel->pOpt->aCondition[nSet];
    const char *pszOption = OptionName(nSet, cond.nKind);
    if (cond.nKind == COND_PAGES)
        return PagesListed(pSel, pszOption, cond, paPages, pszError, cbError);
    if (cond.nKind == COND_SECONDS)
        return PagesBySeconds(pSel, pszOption, cond, paPages, pszError, cbError);
    return PagesByAnnotation(pSel, pszOption, cond, paPages, pszError, cbError);
}

static BOOL LoadRecording(const HOSTOPTIONS *pOpt, RECORDING *pRec, char *pszError, size_t cbError)
{
    if (pOpt->strRecording.empty()) {
        RecMakeDemo(pRec);
        return TRUE;
    }
    return RecRead(pOpt->strRecording.c_str(), pRec, pszError, cbError);
}

static BOOL MakeFolder(const std::string &strFolder, char *pszError, size_t cbError)
{
    if (mkdir(strFolder.c_str(), 0755) == 0 || errno == EEXIST)
        return TRUE;
    snprintf(pszError, cbError, "cannot create the folder %s: %s", strFolder.c_str(), strerror(errno));
    return FALSE;
}

static BOOL WriteText(const std::string &strPath, const std::string &strText, char *pszError, size_t cbError)
{
    std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
    out << strText;
    out.close();
    if (out)
        return TRUE;
    snprintf(pszError, cbError, "cannot write %s", strPath.c_str());
    return FALSE;
}

// One run of the plug-in that averages the pages given; its report read back.
static int RunSet(RECORDING *pRec, const HOSTOPTIONS *pOpt, const std::string &strFolder, int nSet,
                  const std::vector<ADDRANGE> &aPages, REPORT *pReport, char *pszError, size_t cbError)
{
    HOSTOPTIONS opt = *pOpt;
    opt.bAddAll = FALSE;
    opt.aAddRanges = aPages;
    opt.strOutDir = pOpt->strOutDir + (nSet == 0 ? "/a" : "/b");
    opt.strPicturesDir.clear();   // the comparison draws its own and writes its own HTML
    opt.strHtmlFile.clear();
    if (!pOpt->bQuiet)
        fprintf(stderr, "qfftana: set %c (%s): pages %s\n", 'A' + nSet, pOpt->aCondition[nSet].strLabel.c_str(),
                PageSelectText(aPages).c_str());
    SESSIONRESULT result;
    int nCode = SessionRun(pRec, &opt, strFolder, &result, pszError, cbError);
    if (nCode != SESSION_OK)
        return nCode;   // the session's codes are the exit statuses
    if (result.nRefused > 0 && !pOpt->bQuiet)
        fprintf(stderr, "qfftana: set %c: %d of its pages were not added: %s\n", 'A' + nSet, result.nRefused,
                result.strRefusal.c_str());
    return ReportRead(result.strReport.c_str(), pReport, pszError, cbError) ? EXIT_OK : EXIT_NOREPORT;
}

// The recording loaded, the settings written and the page length chosen.
static int Prepare(HOSTOPTIONS *pOpt, RECORDING *pRec, std::string *pstrFolder, char *pszError, size_t cbError)
{
    if (!LoadRecording(pOpt, pRec, pszError, cbError))
        return EXIT_BADRECORDING;
    std::string strNote;
    if (!SetPrepareFolder(pOpt, pstrFolder, pszError, cbError))
        return EXIT_NOREPORT;
    if (!SetApplyOptions(*pstrFolder, pOpt, pRec, &strNote, pszError, cbError))
        return EXIT_BADARGS;
    if (!strNote.empty() && !pOpt->bQuiet)
        fprintf(stderr, "qfftana: %s\n", strNote.c_str());
    DWORD nPoints = 0;
    if (!PageChoose(pOpt, pRec, *pstrFolder, &nPoints, pszError, cbError))
        return EXIT_BADARGS;
    // One fit for both sets: their spectra share the steps.
    std::string strFound;
    if (!RecFitSteps(pRec, nPoints, &strFound, pszError, cbError))
        return EXIT_BADRECORDING;
    if (RecWholeSeconds(pRec) / (DWORD)pOpt->nPageSeconds == 0) {
        snprintf(pszError, cbError, "the recording is %u s long, shorter than one page of %d s",
                 (unsigned)RecWholeSeconds(pRec), pOpt->nPageSeconds);
        return EXIT_BADRECORDING;
    }
    return EXIT_OK;
}

// "compare-CH9.png" for the channel headed "CH9(O1)".
static std::string PictureName(const std::string &strTitle, size_t nChannel)
{
    int n = 0;
    if (sscanf(strTitle.c_str(), "CH%d", &n) != 1 || n <= 0)
        n = (int)nChannel + 1;
    return "compare-CH" + std::to_string(n) + ".png";
}

// Each channel's picture as PNG bytes.
static BOOL DrawPictures(const COMPARISON *pCmp, const RUNSETTINGS *pSettings, std::vector<std::string> *paPng,
                         char *pszError, size_t cbError)
{
    // The frequencies the analysis window shows.
    double dMinHz = pSettings->ranges.dDisplayMin, dMaxHz = pSettings->ranges.dDisplayMax;
    if (!(dMaxHz > dMinHz))
        dMinHz = 0.0, dMaxHz = 30.0;
    paPng->assign(pCmp->aChannels.size(), std::string());
    for (size_t c = 0; c < pCmp->aChannels.size(); c++) {
        if (!CmpPlotPng(pCmp, c, dMinHz, dMaxHz, &(*paPng)[c])) {
            snprintf(pszError, cbError, "cannot draw the picture of %s", pCmp->aChannels[c].strTitle.c_str());
            return FALSE;
        }
    }
    return TRUE;
}

static BOOL WritePictures(const std::string &strDir, const COMPARISON *pCmp, const std::vector<std::string> &aPng,
                          char *pszError, size_t cbError)
{
    if (!MakeFolder(strDir, pszError, cbError))
        return FALSE;
    for (size_t c = 0; c < aPng.size(); c++) {
        if (!WriteText(strDir + "/" + PictureName(pCmp->aChannels[c].strTitle, c), aPng[c], pszError, cbError))
            return FALSE;
    }
    return TRUE;
}

// The comparison's files beside the printed table; an exit status.
static int WriteOutputs(const HOSTOPTIONS *pOpt, const RECORDING *pRec, const RUNSUMMARY *pSummary,
                        const COMPARISON *pCmp, char *pszError, size_t cbError)
{
    std::string strCsv = pOpt->strOutDir + "/compare.csv";
    if (!WriteText(strCsv, CmpCsvText(pCmp), pszError, cbError))
        return EXIT_NOREPORT;
    printf("table      %s\n", strCsv.c_str());
    if (pOpt->strPicturesDir.empty() && pOpt->strHtmlFile.empty())
        return EXIT_OK;
    std::vector<std::string> aPng;
    if (!DrawPictures(pCmp, &pSummary->settings, &aPng, pszError, cbError))
        return EXIT_NOREPORT;
    if (!pOpt->strPicturesDir.empty()) {
        if (!WritePictures(pOpt->strPicturesDir, pCmp, aPng, pszError, cbError))
            return EXIT_NOREPORT;
        printf("pictures   %s/compare-CH*.png\n", pOpt->strPicturesDir.c_str());
    }
    if (!pOpt->strHtmlFile.empty()) {
        if (!CmpWriteHtml(pOpt->strHtmlFile, pRec, pSummary, pCmp, aPng, pszError, cbError))
            return EXIT_NOREPORT;
        printf("html       %s\n", pOpt->strHtmlFile.c_str());
    }
    return EXIT_OK;
}

int CompareRun(HOSTOPTIONS *pOpt)
{
    RECORDING rec;
    std::string strFolder;
    char szError[1024];
    int nCode = Prepare(pOpt, &rec, &strFolder, szError, sizeof(szError));
    if (nCode != EXIT_OK)
        return CmdComplain(nCode, szError);
    SELECTING sel = {pOpt, &rec, (int)(RecWholeSeconds(&rec) / (DWORD)pOpt->nPageSeconds), FALSE, {}};
    std::vector<ADDRANGE> aaPages[2];
    for (int s = 0; s < 2; s++) {
        nCode = SelectPages(&sel, s, &aaPages[s], szError, sizeof(szError));
        if (nCode != EXIT_OK)
            return CmdComplain(nCode, szError);
    }
    if (!MakeFolder(pOpt->strOutDir, szError, sizeof(szError)))
        return CmdComplain(EXIT_NOREPORT, szError);
    REPORT aReport[2];
    for (int s = 0; s < 2; s++) {
        nCode = RunSet(&rec, pOpt, strFolder, s, aaPages[s], &aReport[s], szError, sizeof(szError));
        if (nCode != EXIT_OK)
            return CmdComplain(nCode, szError);
    }
    RUNSETTINGS settings;
    SummaryReadSettings(strFolder, &settings);
    RUNSUMMARY aSummary[2];
    for (int s = 0; s < 2; s++)
        SummaryCollect(&aReport[s], &settings, &rec, pOpt->nPageSeconds, &aSummary[s]);
    COMPARISON cmp;
    if (!CmpBuild(aReport, aSummary, &cmp, szError, sizeof(szError)))
        return CmdComplain(EXIT_NOREPORT, szError);
    for (int s = 0; s < 2; s++) {
        cmp.astrLabel[s] = pOpt->aCondition[s].strLabel;
        cmp.astrPages[s] = PageSelectText(aaPages[s]);
    }
    CmpPrint(&cmp, stdout);
    nCode = WriteOutputs(pOpt, &rec, &aSummary[0], &cmp, szError, sizeof(szError));
    return nCode == EXIT_OK ? EXIT_OK : CmdComplain(nCode, szError);
}
