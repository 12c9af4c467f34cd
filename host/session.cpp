// One analysis run through the analysis window's messages.
#include "session.h"

#include "dlgpictures.h"
#include "pictures.h"

#include <automation.h>
#include <errno.h>
#include <limits.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "hostproto.h"
#include "hostwnd.h"
#include "progress.h"

#define ANALY_WIDTH  1000
#define ANALY_HEIGHT 700
#define ANALY_ID     100

typedef WORD(WINAPI *VERSIONPROC)(void);

typedef struct tagRUN {
    RECORDING *pRec;
    const HOSTOPTIONS *pOpt;
    HOSTSTATE state;
    HMODULE hPlugin;
    HWND hFrame;
    DWORD nPages;
    DWORD nOffset;           // section offset in base-rate samples
    BOOL bSection;
} RUN;

// Every run that ends without a report says so first.
static int Fail(char *pszError, size_t cbError, int nCode, const char *pszText)
{
    snprintf(pszError, cbError, "%s%s", nCode == SESSION_NOREPORT ? "no report was written: " : "", pszText);
    return nCode;
}

static std::string ProgramFolder(void)
{
    char szExe[PATH_MAX];
    ssize_t cch = readlink("/proc/self/exe", szExe, sizeof(szExe) - 1);
    if (cch <= 0)
        return ".";
    szExe[cch] = '\0';
    char *pszSlash = strrchr(szExe, '/');
    if (pszSlash)
        *pszSlash = '\0';
    return szExe;
}

static std::string AbsolutePath(const std::string &strPath)
{
    if (!strPath.empty() && strPath[0] == '/')
        return strPath;
    char szCwd[PATH_MAX];
    return std::string(getcwd(szCwd, sizeof(szCwd)) ? szCwd : ".") + "/" + strPath;
}

// The page count and the section offset the recording allows.
static int PlanPages(RUN *pRun, DWORD nBaseRate, char *pszError, size_t cbError)
{
    const HOSTOPTIONS *pOpt = pRun->pOpt;
    DWORD nSeconds = RecWholeSeconds(pRun->pRec);
    pRun->nPages = nSeconds / (DWORD)pOpt->nPageSeconds;
    if (pRun->nPages == 0) {
        snprintf(pszError, cbError, "the recording is %u s long, shorter than one page of %d s (try a smaller --page-seconds)",
                 (unsigned)nSeconds, pOpt->nPageSeconds);
        return SESSION_BADREC;
    }
    if (CmdLastListedPage(pOpt) > (int)pRun->nPages) {
        snprintf(pszError, cbError, "--add: page %d does not exist; the recording has %u pages of %d s",
                 CmdLastListedPage(pOpt), (unsigned)pRun->nPages, pOpt->nPageSeconds);
        return SESSION_BADARGS;
    }
    if (pOpt->dSectionOffset >= pOpt->nPageSeconds) {
        snprintf(pszError, cbError, "--section-offset %.3g s lies beyond the page of %d s", pOpt->dSectionOffset, pOpt->nPageSeconds);
        return SESSION_BADARGS;
    }
    pRun->nOffset = (DWORD)floor(pOpt->dSectionOffset * nBaseRate + 0.5);
    return SESSION_OK;
}

static int LoadPlugin(RUN *pRun, char *pszError, size_t cbError)
{
    pRun->hPlugin = LoadLibraryA(QP_PLUGIN_MODULE);
    if (!pRun->hPlugin)
        return Fail(pszError, cbError, SESSION_NOREPORT, "cannot load the plug-in " QP_PLUGIN_MODULE " (is it beside qfftana?)");
    VERSIONPROC pfnVersion = (VERSIONPROC)(void *)GetProcAddress(pRun->hPlugin, "QOptionGetVersion");
    if (!pfnVersion || pfnVersion() != QP_PLUGIN_VERSION)
        return Fail(pszError, cbError, SESSION_NOREPORT, "the plug-in " QP_PLUGIN_MODULE " does not answer the option interface version 100");
    return SESSION_OK;
}

// Creates the windows and names the notify window and the folders.
static int OpenWindows(RUN *pRun, const std::string &strSettingsFolder, char *pszError, size_t cbError)
{
    pRun->hFrame = HostCreateFrame(&pRun->state);
    if (!pRun->hFrame)
        return Fail(pszError, cbError, SESSION_NOREPORT, "cannot create the host's frame window");
    HWND hAnaly = CreateWindowExA(0, QP_ANALYSIS_CLASS, "", WS_CHILD | WS_VISIBLE, 0, 0, ANALY_WIDTH, ANALY_HEIGHT,
                                  pRun->hFrame, (HMENU)(INT_PTR)ANALY_ID, GetModuleHandleA(NULL), NULL);
    if (!hAnaly)
        return Fail(pszError, cbError, SESSION_NOREPORT, "the plug-in did not create its analysis window (class " QP_ANALYSIS_CLASS ")");
    pRun->state.hAnaly = hAnaly;
    SendMessageA(hAnaly, QPM_SETNOTIFY, (WPARAM)pRun->hFrame, MAKELPARAM(HOST_NOTIFY_ID, 0));
    std::string strApp = ProgramFolder();
    std::string strHost = pRun->pOpt->strRecording.empty() ? AbsolutePath(pRun->pOpt->strOutDir)
                                                           : AbsolutePath(pRun->pOpt->strRecording);
    SendMessageA(hAnaly, QPM_SETPATH, QP_PATH_APP, (LPARAM)strApp.c_str());
    SendMessageA(hAnaly, QPM_SETPATH, QP_PATH_HOST, (LPARAM)strHost.c_str());
    SendMessageA(hAnaly, QPM_SETPATH, QP_PATH_SETTINGS, (LPARAM)strSettingsFolder.c_str());
    // The children exist now: a size change lets the window lay them out.
    MoveWindow(hAnaly, 0, 0, ANALY_WIDTH, ANALY_HEIGHT, FALSE);
    HostPushItems(&pRun->state);
    AutoPump();
    return SESSION_OK;
}

static void DeliverPage(const RUN *pRun, DWORD nPage)
{
    for (size_t c = 0; c < pRun->pRec->aChannels.size(); c++) {
        const RECCHANNEL &ch = pRun->pRec->aChannels[c];
        SendMessageA(pRun->state.hAnaly, QPM_SETCHDATA, MAKEWPARAM((WORD)c, (WORD)ch.nRate), (LPARAM)ch.aPage.data());
    }
    DWORD nPageStart = nPage * pRun->state.nBaseRate * (DWORD)pRun->pOpt->nPageSeconds;
    if (pRun->bSection && nPage == 0)
        SendMessageA(pRun->state.hAnaly, QPM_SETVALUE, MAKEWPARAM(QPI_AREAOFFSET, 0), (LPARAM)pRun->nOffset);
    else
        SendMessageA(pRun->state.hAnaly, QPM_SETAREA, 0, (LPARAM)nPageStart);
}

// Presses a button of the analysis window as a click would: only when it
// exists and is enabled.
static BOOL PressButton(HWND hAnaly, int nId)
{
    HWND hButton = GetDlgItem(hAnaly, nId);
    if (!hButton || !IsWindowEnabled(hButton))
        return FALSE;
    SendMessageA(hAnaly, WM_COMMAND, MAKEWPARAM(nId, QP_BN_CLICKED), (LPARAM)hButton);
    return TRUE;
}

// Presses ADD for the page and counts what became of it.
static void AddPage(RUN *pRun, SESSIONRESULT *pResult)
{
    int nErrorsBefore = pRun->state.nErrorTexts;
    if (!PressButton(pRun->state.hAnaly, QP_ID_ADD)) {
        pResult->nRefused++;
        pResult->strRefusal = "ADD was not available (the page gave no spectrum)";
    } else if (pRun->state.nErrorTexts > nErrorsBefore) {
        pResult->nRefused++;
        pResult->strRefusal = pRun->state.szLastError;
    } else {
        pResult->nAdded++;
    }
}

static int RunPages(RUN *pRun, SESSIONRESULT *pResult, char *pszError, size_t cbError)
{
    PROGRESS progress;
    ProgressBegin(&progress, pRun->pOpt->bQuiet ? NULL : stderr, (int)pRun->nPages);
    double dStart = ProgressSeconds();
    DWORD nSeconds = (DWORD)pRun->pOpt->nPageSeconds;
    for (DWORD nPage = 0; nPage < pRun->nPages; nPage++) {
        char szWhy[512];
        if (!RecLoadPage(pRun->pRec, nPage * nSeconds, nSeconds, szWhy, sizeof(szWhy))) {
            ProgressEnd(&progress, pResult->nPages);
            return Fail(pszError, cbError, SESSION_NOREPORT, szWhy);
        }
        DeliverPage(pRun, nPage);
        if (CmdWantsPage(pRun->pOpt, (int)nPage + 1))
            AddPage(pRun, pResult);
        AutoPump();
        pResult->nPages++;
        ProgressStep(&progress, pResult->nPages);
    }
    pResult->dSeconds = ProgressSeconds() - dStart;
    ProgressEnd(&progress, pResult->nPages);
    return SESSION_OK;
}

static BOOL FileHasData(const std::string &strPath)
{
    struct stat st;
    return stat(strPath.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0;
}

static int SaveReport(RUN *pRun, SESSIONRESULT *pResult, char *pszError, size_t cbError)
{
    if (mkdir(pRun->pOpt->strOutDir.c_str(), 0755) != 0 && errno != EEXIST) {
        snprintf(pszError, cbError, "no report was written: cannot create the output folder %s: %s",
                 pRun->pOpt->strOutDir.c_str(), strerror(errno));
        return SESSION_NOREPORT;
    }
    pResult->strReport = AbsolutePath(pRun->pOpt->strOutDir) + "/report.csv";
    remove(pResult->strReport.c_str());
    int nErrorsBefore = pRun->state.nErrorTexts;
    AutoClearFileDialogAnswers();
    AutoQueueFileDialogPath(pResult->strReport.c_str());
    BOOL bPressed = PressButton(pRun->state.hAnaly, QP_ID_SAVE);
    AutoClearFileDialogAnswers();
    AutoPump();
    if (pRun->state.nErrorTexts == nErrorsBefore && FileHasData(pResult->strReport))
        return SESSION_OK;
    remove(pResult->strReport.c_str());
    if (!bPressed && pRun->state.nErrorTexts > 0)
        return Fail(pszError, cbError, SESSION_NOREPORT, (std::string("the plug-in reported: ") + pRun->state.szLastError).c_str());
    if (!bPressed)
        return Fail(pszError, cbError, SESSION_NOREPORT, "Save.. is not available (no section was added)");
    return Fail(pszError, cbError, SESSION_NOREPORT, "Save.. did not write the report");
}

static void CloseAll(RUN *pRun)
{
    if (pRun->state.hAnaly) {
        SendMessageA(pRun->state.hAnaly, QPM_STOPANALY, 0, 0);
        DestroyWindow(pRun->state.hAnaly);   // the plug-in writes its settings back
        pRun->state.hAnaly = NULL;
    }
    if (pRun->hFrame)
        DestroyWindow(pRun->hFrame);
    AutoPump();
    if (pRun->hPlugin)
        FreeLibrary(pRun->hPlugin);
}

static int Analyse(RUN *pRun, const std::string &strSettingsFolder, SESSIONRESULT *pResult,
                   char *pszError, size_t cbError)
{
    int nCode = LoadPlugin(pRun, pszError, cbError);
    if (nCode == SESSION_OK)
        nCode = OpenWindows(pRun, strSettingsFolder, pszError, cbError);
    if (nCode != SESSION_OK)
        return nCode;
    SendMessageA(pRun->state.hAnaly, QPM_STARTANALY, 0, 0);
    if (!pRun->state.bStarted)
        return Fail(pszError, cbError, SESSION_NOREPORT, "the plug-in did not start its analysis");
    nCode = RunPages(pRun, pResult, pszError, cbError);
    if (nCode != SESSION_OK)
        return nCode;
    return SaveReport(pRun, pResult, pszError, cbError);
}

// Where the pictures go: --pictures, else for --html a temporary folder.
static void ChoosePictureFolder(const RUN *pRun, SESSIONRESULT *pResult)
{
    pResult->strPictures = pRun->pOpt->strPicturesDir;
    if (!pResult->strPictures.empty() || pRun->pOpt->strHtmlFile.empty())
        return;
    const char *pszTemp = getenv("TMPDIR");
    std::string strTemplate = std::string(pszTemp && *pszTemp ? pszTemp : "/tmp") + "/qfftana-pictures-XXXXXX";
    std::vector<char> aName(strTemplate.begin(), strTemplate.end());
    aName.push_back('\0');
    if (mkdtemp(aName.data()) != NULL) {
        pResult->strPictures = aName.data();
        pResult->bTempPictures = TRUE;
    }
}

int SessionRun(RECORDING *pRec, const HOSTOPTIONS *pOpt, const std::string &strSettingsFolder,
               SESSIONRESULT *pResult, char *pszError, size_t cbError)
{
    *pResult = SESSIONRESULT();
    RUN run = {};
    run.pRec = pRec;
    run.pOpt = pOpt;
    run.state.pRec = pRec;
    run.state.nBaseRate = RecBaseRate(pRec);
    run.state.nPageSeconds = (DWORD)pOpt->nPageSeconds;
    run.state.pszFileName = pRec->szName;
    run.state.bQuiet = pOpt->bQuiet;
    int nCode = PlanPages(&run, run.state.nBaseRate, pszError, cbError);
    if (nCode != SESSION_OK)
        return nCode;
    // With section mode from the settings file the host must know it too.
    run.bSection = pOpt->nMode == MODE_SECTION
                || (pOpt->nMode == MODE_SETTINGS
                    && GetPrivateProfileIntA("FFTINFO", "FFTAreaSw", 0, (strSettingsFolder + "QFFTANA.INI").c_str()) == 1);
    nCode = Analyse(&run, strSettingsFolder, pResult, pszError, cbError);
    // The pictures show the window as the run left it, report or not.
    char szPictureError[512];
    ChoosePictureFolder(&run, pResult);
    if (run.state.hAnaly != NULL && !pResult->strPictures.empty()
        && !(pOpt->nCommand == CMD_DIALOGS
                 ? PicturesWriteDialogs(run.state.hAnaly, pResult->strPictures, szPictureError, sizeof(szPictureError))
                 : PicturesWriteAnalysis(run.state.hAnaly, pResult->strPictures, pOpt->nPictureWidth,
                                         pOpt->nPictureHeight, szPictureError, sizeof(szPictureError)))
        && nCode == SESSION_OK && !pResult->bTempPictures) {
        snprintf(pszError, cbError, "%s", szPictureError);
        nCode = SESSION_NOREPORT;   // exit status 1: the run did not give everything asked for
    }
    if (run.state.hAnaly != NULL && (!pOpt->strHtmlFile.empty() || !pOpt->strResultFile.empty()))
        CohReadMatrix(run.state.hAnaly, &pResult->coherence);
    CloseAll(&run);
    return nCode;
}

void SessionRemoveTemporary(SESSIONRESULT *pResult)
{
    if (!pResult->bTempPictures)
        return;
    for (const char *pszName : {"analysis.png", "histogram.png", "coherence.png"})
        remove((pResult->strPictures + "/" + pszName).c_str());
    // and the views' images beside them (pictures.h names them)
    for (int a = 1; a <= HOST_MAXCHANNELS; a++) {
        remove((pResult->strPictures + "/bars-CH" + std::to_string(a) + ".svg").c_str());
        for (int b = a + 1; b <= HOST_MAXCHANNELS; b++)
            remove((pResult->strPictures + "/coherence-bands-" + std::to_string(a) + "-" + std::to_string(b) + ".svg")
                       .c_str());
    }
    rmdir(pResult->strPictures.c_str());
    pResult->strPictures.clear();
    pResult->bTempPictures = FALSE;
}
