// qfftana: the command-line host of the FFT analysis plug-in.
#include <math.h>
#include <stdio.h>
#include <string.h>

#include <windows.h>

#include "automation.h"
#include "batch.h"
#include "batchsummary.h"
#include "cmdline.h"
#include "compare.h"
#include "demorec.h"
#include "edfwrite.h"
#include "htmlreport.h"
#include "jsonout.h"
#include "pagechoice.h"
#include "pagefit.h"
#include "plugtext.h"
#include "prjfile.h"
#include "recread.h"
#include "report.h"
#include "session.h"
#include "setfolder.h"
#include "summary.h"
#include "version.h"

static BOOL LoadRecording(const HOSTOPTIONS *pOpt, RECORDING *pRec, char *pszError, size_t cbError)
{
    if (pOpt->nCommand == CMD_DEMO || pOpt->nCommand == CMD_DIALOGS) {
        RecMakeDemo(pRec);
        return TRUE;
    }
    return RecRead(pOpt->strRecording.c_str(), pRec, pszError, cbError);
}

static void ShowNotes(const std::string &strNotes, BOOL bQuiet)
{
    size_t nAt = 0;
    while (!bQuiet && nAt < strNotes.size()) {
        size_t nEnd = strNotes.find('\n', nAt);
        nEnd = nEnd == std::string::npos ? strNotes.size() : nEnd;
        fprintf(stderr, "qfftana: %s\n", strNotes.substr(nAt, nEnd - nAt).c_str());
        nAt = nEnd + 1;
    }
}

static int ShowInfo(const RECORDING *pRec)
{
    DWORD nBase = RecBaseRate(pRec);
    DWORD nPage = PageDefault(nBase, PAGE_DEFAULT_FFT_POINTS, FALSE);
    printf("file       %s\nformat     %s\n", pRec->szName, pRec->szFormat);
    printf("patient    %s (id %s)\n", pRec->szPatientName, pRec->szPatientId);
    printf("start      %04d-%02d-%02d %02d:%02d:%02d\n", pRec->anStart[0], pRec->anStart[1], pRec->anStart[2],
           pRec->anStart[3], pRec->anStart[4], pRec->anStart[5]);
    printf("duration   %.1f s; base rate %u Hz; %u pages of %u s (the default page for %d points)\n", pRec->dDuration,
           (unsigned)nBase, (unsigned)(nPage ? RecWholeSeconds(pRec) / nPage : 0), (unsigned)nPage, PAGE_DEFAULT_FFT_POINTS);
    printf("channels   %zu given to the plug-in, %d left out (annotations or unusable)\n",
           pRec->aChannels.size(), pRec->nSkipped);
    printf("  #  %-16s %-16s %-6s %6s %12s  %s\n", "label", "file label", "type", "rate", "uV/step", "cal value/height");
    for (size_t c = 0; c < pRec->aChannels.size(); c++) {
        const RECCHANNEL &ch = pRec->aChannels[c];
        char szType[PF_NAMESIZE] = "?";
        PfGetSignalName(ch.wSignalType, szType);
        printf("%3zu  %-16s %-16s %-6s %6u %12.6g  %u/%u\n", c + 1, ch.szLabel, ch.szFileLabel, szType,
               (unsigned)ch.nRate, ch.dUvPerStep, (unsigned)ch.nCalValue, (unsigned)ch.nCalHeight);
    }
    if (pRec->pStream)
        printf("steps      as the header gives them; an analysis chooses each channel's finer step from its content\n");
    ShowNotes(pRec->strNotes, FALSE);
    return EXIT_OK;
}

static int MakeDemo(const HOSTOPTIONS *pOpt)
{
    RECORDING rec;
    RecMakeDemo(&rec);
    char szError[512];
    if (!RecWriteEdf(&rec, pOpt->strRecording.c_str(), szError, sizeof(szError)))
        return CmdComplain(EXIT_NOREPORT, szError);
    if (!pOpt->bQuiet)
        printf("wrote %s: the built-in recording, %zu channels, %d s, EDF+\n", pOpt->strRecording.c_str(),
               rec.aChannels.size(), DEMO_SECONDS);
    return EXIT_OK;
}

// The summary on standard output, from the report the plug-in wrote, and
// its numbers as JSON when asked.
static int Summarise(const HOSTOPTIONS *pOpt, const RECORDING *pRec, const SESSIONRESULT *pResult,
                     const std::string &strSettingsFolder)
{
    REPORT report;
    char szError[512];
    if (!ReportRead(pResult->strReport.c_str(), &report, szError, sizeof(szError)))
        return CmdComplain(EXIT_NOREPORT, szError);
    RUNSETTINGS settings;
    SummaryReadSettings(strSettingsFolder, &settings);
    RUNSUMMARY summary;
    SummaryCollect(&report, &settings, pRec, pOpt->nPageSeconds, &summary);
    printf("report     %s\n", pResult->strReport.c_str());
    printf("pages      %d analysed in %.2f s; %d sections added (average count %d)", pResult->nPages,
           pResult->dSeconds, pResult->nAdded, report.nAddCount);
    if (pResult->nRefused > 0) {
        const char *pszExplained = PlugTextExplain(pResult->strRefusal.c_str());
        printf(", %d refused: %s", pResult->nRefused, pszExplained ? pszExplained : pResult->strRefusal.c_str());
    }
    printf("\n");
    ReportPrintSummary(&report, stdout);
    if (!pOpt->strJsonFile.empty() && !JsonWriteSummary(&summary, pRec, pOpt->strJsonFile, szError, sizeof(szError)))
        return CmdComplain(EXIT_NOREPORT, szError);
    if (!pOpt->strHtmlFile.empty()
        && !HtmlWriteRunReport(pOpt->strHtmlFile, pRec, &summary, &report, &pResult->coherence,
                               pResult->strPictures, szError, sizeof(szError)))
        return CmdComplain(EXIT_NOREPORT, szError);
    if (!pOpt->strResultFile.empty()
        && !BatchWriteNumbers(&summary, &pResult->coherence, pOpt->strResultFile, szError, sizeof(szError)))
        return CmdComplain(EXIT_NOREPORT, szError);
    return EXIT_OK;
}

// Runs the analysis; the summary of its report is shown when bSummary.
static int Analyse(HOSTOPTIONS *pOpt, BOOL bSummary = TRUE)
{
    RECORDING rec;
    char szError[1024];
    if (!LoadRecording(pOpt, &rec, szError, sizeof(szError)))
        return CmdComplain(EXIT_BADRECORDING, szError);
    std::string strFolder, strNote;
    if (!SetPrepareFolder(pOpt, &strFolder, szError, sizeof(szError)))
        return CmdComplain(EXIT_NOREPORT, szError);
    if (!SetApplyOptions(strFolder, pOpt, &rec, &strNote, szError, sizeof(szError)))
        return CmdComplain(EXIT_BADARGS, szError);
    if (!strNote.empty() && !pOpt->bQuiet)
        fprintf(stderr, "qfftana: %s\n", strNote.c_str());
    DWORD nPoints = 0;
    if (!PageChoose(pOpt, &rec, strFolder, &nPoints, szError, sizeof(szError)))
        return CmdComplain(EXIT_BADARGS, szError);
    std::string strFound;
    if (!RecFitSteps(&rec, nPoints, &strFound, szError, sizeof(szError)))
        return CmdComplain(EXIT_BADRECORDING, szError);
    ShowNotes(rec.strNotes + strFound, pOpt->bQuiet);
    SESSIONRESULT result;
    int nCode = SessionRun(&rec, pOpt, strFolder, &result, szError, sizeof(szError));
    static const int anExit[] = {EXIT_OK, EXIT_NOREPORT, EXIT_BADARGS, EXIT_BADRECORDING};
    int nExit = nCode != SESSION_OK ? CmdComplain(anExit[nCode], szError)
              : bSummary              ? Summarise(pOpt, &rec, &result, strFolder)
                                      : EXIT_OK;
    SessionRemoveTemporary(&result);
    return nExit;
}

int main(int argc, char **argv)
{
    HOSTOPTIONS opt;
    char szError[512];
    if (!CmdParse(argc, argv, &opt, szError, sizeof(szError)))
        return CmdComplain(EXIT_BADARGS, szError);
    switch (opt.nCommand) {
    case CMD_HELP:
        CmdPrintUsage(stdout);
        return EXIT_OK;
    case CMD_INFO: {
        RECORDING rec;
        char szReadError[1024];
        if (!RecRead(opt.strRecording.c_str(), &rec, szReadError, sizeof(szReadError)))
            return CmdComplain(EXIT_BADRECORDING, szReadError);
        return ShowInfo(&rec);
    }
    case CMD_MAKEDEMO:
        return MakeDemo(&opt);
    case CMD_COMPARE:
        return CompareRun(&opt);
    case CMD_BATCH:
        return BatchRun(&opt);
    case CMD_BATCHONE:
        return BatchRunOne(&opt);
    case CMD_MERGE:
        return BatchMerge(&opt);
    case CMD_VERSION:
        printf("qfftana %s\n", QFFTANA_VERSION);
        return EXIT_OK;
    case CMD_DIALOGS: {
        // The panel's template follows the screen's width: the normal one
        // and the dialogs on the layer's wide screen, then the small one.
        int nExit = Analyse(&opt);
        if (nExit != EXIT_OK)
            return nExit;
        AutoSetScreenSize(1024, 768);
        return Analyse(&opt, FALSE);
    }
    default:
        return Analyse(&opt);
    }
}
