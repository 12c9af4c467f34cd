// Parsing the command line: commands, options and their values.
#include "cmdline.h"

#include "compareargs.h"

#include <errno.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>

BOOL CmdFail(char *pszError, size_t cbError, const char *pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    vsnprintf(pszError, cbError, pszFormat, args);
    va_end(args);
    return FALSE;
}

int CmdComplain(int nExit, const char *pszText)
{
    fprintf(stderr, "qfftana: %s\n", pszText);
    return nExit;
}

// A whole decimal number in nMin..nMax, nothing else.
static BOOL ParseInt(const char *psz, int nMin, int nMax, int *pn)
{
    if (!*psz)
        return FALSE;
    char *pszEnd = NULL;
    errno = 0;
    long n = strtol(psz, &pszEnd, 10);
    if (*pszEnd || errno || n < nMin || n > nMax)
        return FALSE;
    *pn = (int)n;
    return TRUE;
}

// A non-negative number of seconds with an optional fraction ("2", "1.5");
// parsed by hand so that the locale's decimal sign does not matter.
static BOOL ParseSeconds(const char *psz, double *pd)
{
    double d = 0.0, dScale = 0.0;
    BOOL bDigit = FALSE;
    for (; *psz; psz++) {
        if (*psz == '.' && dScale == 0.0) {
            dScale = 1.0;
        } else if (*psz >= '0' && *psz <= '9') {
            bDigit = TRUE;
            if (dScale == 0.0) {
                d = d * 10.0 + (*psz - '0');
            } else {
                dScale /= 10.0;
                d += dScale * (*psz - '0');
            }
        } else {
            return FALSE;
        }
    }
    *pd = d;
    return bDigit && d <= 86400.0;
}

static std::vector<std::string> SplitCommas(const char *psz)
{
    std::vector<std::string> aParts;
    std::string strPart;
    for (; *psz; psz++) {
        if (*psz == ',') {
            aParts.push_back(strPart);
            strPart.clear();
        } else {
            strPart += *psz;
        }
    }
    aParts.push_back(strPart);
    return aParts;
}

static BOOL ParseChannels(const char *psz, HOSTOPTIONS *pOpt, char *pszError, size_t cbError)
{
    pOpt->aChannels = SplitCommas(psz);
    if (pOpt->aChannels.size() > HOST_MAXCHANNELS)
        return CmdFail(pszError, cbError, "--channels: at most %d channels, not %zu", HOST_MAXCHANNELS, pOpt->aChannels.size());
    for (const std::string &str : pOpt->aChannels) {
        if (str.empty() || str.size() > 63)
            return CmdFail(pszError, cbError, "--channels: '%s' is no channel label (give labels such as C3,C4,O1,O2)", psz);
    }
    return TRUE;
}

BOOL CmdParsePageList(const char *psz, std::vector<ADDRANGE> *paRanges)
{
    paRanges->clear();
    for (const std::string &strPart : SplitCommas(psz)) {
        ADDRANGE range = {};
        size_t nDash = strPart.find('-');
        std::string strFirst = strPart.substr(0, nDash);
        std::string strLast = nDash == std::string::npos ? strFirst : strPart.substr(nDash + 1);
        if (!ParseInt(strFirst.c_str(), 1, 1000000, &range.nFirst)
            || !ParseInt(strLast.c_str(), 1, 1000000, &range.nLast) || range.nLast < range.nFirst)
            return FALSE;
        paRanges->push_back(range);
    }
    return TRUE;
}

// "all", "none" or a list of pages and ranges: "1,3-7,10".
static BOOL ParseAdd(const char *psz, HOSTOPTIONS *pOpt, char *pszError, size_t cbError)
{
    pOpt->aAddRanges.clear();
    pOpt->bAddAll = strcmp(psz, "all") == 0;
    if (pOpt->bAddAll || strcmp(psz, "none") == 0)
        return TRUE;
    return CmdParsePageList(psz, &pOpt->aAddRanges)
        || CmdFail(pszError, cbError, "--add: '%s' is not all, none or a list of pages such as 1,3-7", psz);
}

// "[FILE.]SECTION.KEY=VALUE"; FILE is QFFTANA (the default) or QFFTANAX.
static BOOL ParseSet(const char *psz, HOSTOPTIONS *pOpt, char *pszError, size_t cbError)
{
    std::string str = psz;
    size_t nEq = str.find('=');
    SETTING set;
    std::string strName = str.substr(0, nEq);
    set.strFile = "QFFTANA.INI";
    size_t nDot = strName.find('.');
    size_t nDot2 = nDot == std::string::npos ? nDot : strName.find('.', nDot + 1);
    if (nDot2 != std::string::npos) {
        std::string strStem = strName.substr(0, nDot);
        if (strcasecmp(strStem.c_str(), "QFFTANA") && strcasecmp(strStem.c_str(), "QFFTANAX"))
            return CmdFail(pszError, cbError, "--set: '%s': the file is QFFTANA or QFFTANAX", psz);
        set.strFile = strStem + ".INI";
        strName = strName.substr(nDot + 1);
        nDot = strName.find('.');
    }
    if (nEq == std::string::npos || nDot == std::string::npos || nDot == 0 || nDot + 1 == strName.size())
        return CmdFail(pszError, cbError, "--set: '%s' is not SECTION.KEY=VALUE (e.g. FFTINFO.FFTPoint=2048)", psz);
    set.strSection = strName.substr(0, nDot);
    set.strKey = strName.substr(nDot + 1);
    set.strValue = str.substr(nEq + 1);
    pOpt->aSettings.push_back(set);
    return TRUE;
}

// WIDTHxHEIGHT, both whole numbers; a picture smaller than 320 x 200 has
// no room for the graphs, one larger than 8192 square no use.
static BOOL ParsePictureSize(const char *psz, HOSTOPTIONS *pOpt)
{
    const char *pszX = strchr(psz, 'x');
    if (pszX == NULL)
        return FALSE;
    std::string strWidth(psz, pszX);
    int nWidth, nHeight;
    if (!ParseInt(strWidth.c_str(), 320, 8192, &nWidth) || !ParseInt(pszX + 1, 200, 8192, &nHeight))
        return FALSE;
    pOpt->nPictureWidth = nWidth;
    pOpt->nPictureHeight = nHeight;
    return TRUE;
}

static BOOL ParseCommand(const char *psz, HOSTOPTIONS *pOpt)
{
    static const struct {
        const char *pszName;
        int nCommand;
    } aCommand[] = {
        {"demo", CMD_DEMO}, {"analyze", CMD_ANALYZE}, {"info", CMD_INFO},
        {"make-demo", CMD_MAKEDEMO}, {"compare", CMD_COMPARE}, {"dialogs", CMD_DIALOGS}, {"batch", CMD_BATCH},
        {"batch-one", CMD_BATCHONE}, {"merge", CMD_MERGE}, {"help", CMD_HELP}, {"-h", CMD_HELP}, {"--help", CMD_HELP},
        {"--version", CMD_VERSION}, {"version", CMD_VERSION},
    };
    for (const auto &cmd : aCommand) {
        if (strcmp(psz, cmd.pszName) == 0) {
            pOpt->nCommand = cmd.nCommand;
            return TRUE;
        }
    }
    return FALSE;
}

static BOOL TakesAnalysisOptions(const HOSTOPTIONS *pOpt)
{
    return pOpt->nCommand == CMD_DEMO || pOpt->nCommand == CMD_ANALYZE || pOpt->nCommand == CMD_COMPARE
        || pOpt->nCommand == CMD_DIALOGS || pOpt->nCommand == CMD_BATCH || pOpt->nCommand == CMD_BATCHONE;
}

static BOOL UsesDemoRecording(const HOSTOPTIONS *pOpt)
{
    return pOpt->nCommand == CMD_DEMO || pOpt->nCommand == CMD_DIALOGS;
}

// Batches pass their analysis options on to every worker; --jobs is the
// batch's own, each worker gets a copy of the --settings folder, and one
// picture folder, JSON or HTML file cannot serve many recordings.
static BOOL CheckBatchOption(const char *pszName, const char *pszValue, HOSTOPTIONS *pOpt, char *pszError,
                             size_t cbError)
{
    BOOL bBatch = pOpt->nCommand == CMD_BATCH || pOpt->nCommand == CMD_BATCHONE;
    if (strcmp(pszName, "--jobs") == 0 && pOpt->nCommand != CMD_BATCH)
        return CmdFail(pszError, cbError, "--jobs is an option of batch only");
    if (bBatch && (strcmp(pszName, "--pictures") == 0 || strcmp(pszName, "--json") == 0
                   || strcmp(pszName, "--html") == 0 || strcmp(pszName, "--result") == 0))
        return CmdFail(pszError, cbError, "%s does not take %s (its tables hold every recording's numbers)",
                    pOpt->nCommand == CMD_BATCH ? "batch" : "batch-one", pszName);
    if (bBatch && strcmp(pszName, "--out") != 0 && strcmp(pszName, "--jobs") != 0
        && strcmp(pszName, "--settings") != 0) {
        pOpt->aPassed.push_back(pszName);
        pOpt->aPassed.push_back(pszValue);
    }
    return TRUE;
}

// One option with its value; pszValue is NULL for a flag.
static BOOL ParseOption(const char *pszName, const char *pszValue, HOSTOPTIONS *pOpt,
                        char *pszError, size_t cbError)
{
    if (strcmp(pszName, "--out") == 0) {
        pOpt->strOutDir = pszValue;
        return !pOpt->strOutDir.empty() || CmdFail(pszError, cbError, "--out: give a folder");
    }
    if (strcmp(pszName, "--channels") == 0)
        return ParseChannels(pszValue, pOpt, pszError, cbError);
    if (strcmp(pszName, "--page-seconds") == 0)
        return ParseInt(pszValue, 1, 3600, &pOpt->nPageSeconds)
            || CmdFail(pszError, cbError, "--page-seconds: '%s' is not a whole number of seconds from 1 to 3600", pszValue);
    if (strcmp(pszName, "--mode") == 0) {
        pOpt->nMode = strcmp(pszValue, "page") == 0 ? MODE_PAGE : strcmp(pszValue, "section") == 0 ? MODE_SECTION : -2;
        return pOpt->nMode != -2 || CmdFail(pszError, cbError, "--mode: '%s' is neither page nor section", pszValue);
    }
    if (strcmp(pszName, "--section-offset") == 0)
        return ParseSeconds(pszValue, &pOpt->dSectionOffset)
            || CmdFail(pszError, cbError, "--section-offset: '%s' is not a number of seconds such as 2 or 2.5", pszValue);
    if (strcmp(pszName, "--add") == 0)
        return ParseAdd(pszValue, pOpt, pszError, cbError);
    if (strcmp(pszName, "--set") == 0)
        return ParseSet(pszValue, pOpt, pszError, cbError);
    if (strcmp(pszName, "--settings") == 0) {
        pOpt->strSettingsDir = pszValue;
        return !pOpt->strSettingsDir.empty() || CmdFail(pszError, cbError, "--settings: give a folder");
    }
    if (strcmp(pszName, "--pictures") == 0) {
        pOpt->strPicturesDir = pszValue;
        return !pOpt->strPicturesDir.empty() || CmdFail(pszError, cbError, "--pictures: give a folder");
    }
    if (strcmp(pszName, "--jobs") == 0)
        return ParseInt(pszValue, 1, 256, &pOpt->nJobs)
            || CmdFail(pszError, cbError, "--jobs: '%s' is not a whole number from 1 to 256", pszValue);
    if (strcmp(pszName, "--result") == 0) {
        pOpt->strResultFile = pszValue;
        return !pOpt->strResultFile.empty() || CmdFail(pszError, cbError, "--result: give a file");
    }
    if (strcmp(pszName, "--json") == 0) {
        pOpt->strJsonFile = pszValue;
        return !pOpt->strJsonFile.empty() || CmdFail(pszError, cbError, "--json: give a file");
    }
    if (strcmp(pszName, "--html") == 0) {
        pOpt->strHtmlFile = pszValue;
        return !pOpt->strHtmlFile.empty() || CmdFail(pszError, cbError, "--html: give a file");
    }
    if (strcmp(pszName, "--picture-size") == 0)
        return ParsePictureSize(pszValue, pOpt)
            || CmdFail(pszError, cbError, "--picture-size: '%s' is not WIDTHxHEIGHT from 320x200 to 8192x8192", pszValue);
    return CmdFail(pszError, cbError, "unknown option %s (see qfftana --help)", pszName);
}

static BOOL IsKnownOption(const char *pszName)
{
    static const char *const apszOption[] = {"--out", "--channels", "--page-seconds", "--mode",
                                             "--section-offset", "--add", "--set", "--settings",
                                             "--pictures", "--picture-size", "--json", "--html", "--jobs",
                                             "--result"};
    for (const char *psz : apszOption) {
        if (strcmp(psz, pszName) == 0)
            return TRUE;
    }
    return FALSE;
}

static BOOL ParseArguments(int argc, char **argv, HOSTOPTIONS *pOpt, char *pszError, size_t cbError)
{
    for (int i = 2; i < argc; i++) {
        const char *pszArg = argv[i];
        if (strcmp(pszArg, "--quiet") == 0) {
            pOpt->bQuiet = TRUE;
        } else if (pOpt->nCommand == CMD_COMPARE && CmpIsOption(pszArg)) {
            if (i + 1 >= argc)
                return CmdFail(pszError, cbError, "%s needs a value", pszArg);
            if (!CmpParseOption(pszArg, argv[++i], pOpt, pszError, cbError))
                return FALSE;
        } else if (strncmp(pszArg, "--", 2) == 0) {
            if (!IsKnownOption(pszArg))
                return CmdFail(pszError, cbError, "unknown option %s (see qfftana --help)", pszArg);
            if (!TakesAnalysisOptions(pOpt))
                return CmdFail(pszError, cbError, "%s takes no option %s", argv[1], pszArg);
            if (i + 1 >= argc)
                return CmdFail(pszError, cbError, "%s needs a value", pszArg);
            if (!CheckBatchOption(pszArg, argv[i + 1], pOpt, pszError, cbError)
                || !ParseOption(pszArg, argv[i + 1], pOpt, pszError, cbError))
                return FALSE;
            i++;
        } else if (pOpt->nCommand == CMD_BATCH || (pOpt->nCommand == CMD_BATCHONE && pOpt->aFiles.empty())) {
            pOpt->aFiles.push_back(pszArg);
        } else if (pOpt->strRecording.empty() && !UsesDemoRecording(pOpt)) {
            pOpt->strRecording = pszArg;
        } else {
            return CmdFail(pszError, cbError, "unexpected argument '%s' (see qfftana --help)", pszArg);
        }
    }
    return TRUE;
}

BOOL CmdParse(int argc, char **argv, HOSTOPTIONS *pOpt, char *pszError, size_t cbError)
{
    *pOpt = HOSTOPTIONS();
    pOpt->nCommand = CMD_HELP;
    pOpt->strOutDir = "qfftana-out";
    pOpt->nPageSeconds = 0;
    pOpt->nMode = MODE_SETTINGS;
    pOpt->bAddAll = TRUE;
    pOpt->nPictureWidth = 1280;
    pOpt->nPictureHeight = 800;
    pOpt->nJobs = 1;
    if (argc < 2)
        return TRUE;
    if (!ParseCommand(argv[1], pOpt))
        return CmdFail(pszError, cbError, "unknown command '%s' (commands: demo, analyze, info, make-demo, compare, dialogs, batch, batch-one, merge)", argv[1]);
    if (pOpt->nCommand == CMD_HELP || pOpt->nCommand == CMD_VERSION)
        return TRUE;
    if (!ParseArguments(argc, argv, pOpt, pszError, cbError))
        return FALSE;
    if (pOpt->nCommand == CMD_COMPARE)
        return CmpCheck(pOpt, pszError, cbError);
    if (pOpt->nCommand == CMD_DIALOGS && pOpt->strPicturesDir.empty())
        return CmdFail(pszError, cbError, "dialogs needs --pictures DIR");
    if ((pOpt->nCommand == CMD_BATCH || pOpt->nCommand == CMD_BATCHONE) && pOpt->aFiles.empty())
        return CmdFail(pszError, cbError, "%s needs recording files", argv[1]);
    if (pOpt->nCommand == CMD_MERGE && pOpt->strRecording.empty())
        return CmdFail(pszError, cbError, "merge needs the batch folder");
    if (!UsesDemoRecording(pOpt) && pOpt->nCommand != CMD_BATCH && pOpt->nCommand != CMD_BATCHONE
        && pOpt->strRecording.empty())
        return CmdFail(pszError, cbError, "%s needs a %s", argv[1], pOpt->nCommand == CMD_MAKEDEMO ? "file name to write (FILE.edf)" : "recording file");
    return TRUE;
}

BOOL CmdWantsPage(const HOSTOPTIONS *pOpt, int nPage)
{
    if (pOpt->bAddAll)
        return TRUE;
    for (const ADDRANGE &range : pOpt->aAddRanges) {
        if (nPage >= range.nFirst && nPage <= range.nLast)
            return TRUE;
    }
    return FALSE;
}

int CmdLastListedPage(const HOSTOPTIONS *pOpt)
{
    int nLast = 0;
    for (const ADDRANGE &range : pOpt->aAddRanges)
        nLast = range.nLast > nLast ? range.nLast : nLast;
    return nLast;
}

void CmdPrintUsage(FILE *pOut)
{
    fputs("usage:\n"
          "  qfftana demo [--out DIR] [analysis options]\n"
          "      analyse the built-in recording; the report goes to DIR/report.csv\n"
          "  qfftana analyze RECORDING [--out DIR] [analysis options]\n"
          "      analyse an EDF, EDF+, BDF, BDF+ or other recording BioSig reads\n"
          "  qfftana info RECORDING\n"
          "      show the recording's format, channels, duration and pages\n"
          "  qfftana make-demo FILE.edf\n"
          "      write the built-in recording as EDF+\n"
          "  qfftana compare [RECORDING] --a PAGES --b PAGES [--labels A,B] [--out DIR]\n"
          "          [--pictures DIR] [--html FILE] [analysis options but --add]\n"
          "      average two sets of pages (the built-in recording without RECORDING) and\n"
          "      compare their band powers and peak frequencies: DIR/compare.csv\n"
          "      --a 1-9, --a-seconds 0-90 (pages wholly inside, end excluded) or\n"
          "      --a-annotation TEXT (pages an EDF+ annotation overlaps); --b the same\n"
          "  qfftana dialogs --pictures DIR [--out DIR] [analysis options]\n"
          "      run the demo, then draw the setup panel (both sizes) and the setup\n"
          "      dialogs and About box, filled from its analysis, as DIR/*.png\n"
          "  qfftana batch FILES... --out DIR [--jobs N] [analysis options]\n"
          "      analyse each recording in a worker process of its own (N at a time),\n"
          "      each into a folder of DIR, and tabulate them all in DIR/summary.csv and\n"
          "      DIR/coherence.csv; a recording analysed earlier and unchanged since is\n"
          "      not analysed again\n"
          "  qfftana batch-one FILE --out DIR [analysis options]\n"
          "      one recording of a batch (one task of a cluster job array)\n"
          "  qfftana merge DIR\n"
          "      the tables of DIR again, from its recordings' results, in the order of\n"
          "      DIR/files.txt\n"
          "  qfftana --version\n"
          "      show the program's version\n"
          "analysis options:\n"
          "  --channels C3,C4,O1,O2   up to 8 analysis channels by label\n"
          "  --page-seconds S         page length in whole seconds (default: the length\n"
          "                           nearest 10 that suits the FFT size at the base rate)\n"
          "  --mode page|section      FFT over the page or one block at the section offset\n"
          "  --section-offset SECONDS section start within each page (0)\n"
          "  --add all|none|LIST      pages to ADD: all (default), none, or e.g. 1,3-7\n"
          "  --set [FILE.]SECTION.KEY=VALUE\n"
          "                           write a settings key first (FILE QFFTANA or QFFTANAX),\n"
          "                           e.g. FFTINFO.FFTPoint=2048\n"
          "  --settings DIR           settings folder (default: a per-user folder)\n"
          "  --pictures DIR           write the analysis window as DIR/analysis.png, in\n"
          "                           histogram mode as histogram.png and, with coherence,\n"
          "                           the coherence window as coherence.png, and the\n"
          "                           views' images as bars-CHn.svg, coherence-bands-A-B.svg\n"
          "  --picture-size WxH       size of the analysis window's picture (1280x800)\n"
          "  --json FILE              also write the summary's numbers as UTF-8 JSON\n"
          "  --html FILE              also write a report to read: one HTML file with the\n"
          "                           recording, settings, pictures, numbers and ADD log\n"
          "  --result FILE            also write them as a batch's per-recording result\n"
          "  --quiet                  no progress and no information texts\n"
          "exit status: 0 success, 1 no report, 2 bad arguments, 3 unreadable recording\n",
          pOut);
}
