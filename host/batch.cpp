// Batches: recordings analysed by worker processes, then tabulated.
#include "batch.h"

#include <errno.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <sstream>

#include <windows.h>

#include "batchdir.h"
#include "batchresult.h"
#include "merge.h"
#include "progress.h"
#include "setfolder.h"
#include "worker.h"

enum {
    BATCH_OK = 0,
    BATCH_FAILED = 1,
    BATCH_REFUSED = 2,
};

#define NUMBERS_FILE "numbers.csv"   // what the worker writes; the batch commits it

typedef struct tagJOB {
    std::string strFile;          // as given
    std::string strFolder;        // DIR/NAME
    struct stat stBefore;         // the recording when its worker started
    WORKER worker;
} JOB;

typedef struct tagBATCH {
    const HOSTOPTIONS *pOpt;
    std::string strSettings;      // the folder each worker's settings are copied from
    std::vector<std::string> aOptions;   // what a result was made with: options and settings
    int nTotal, nFinished, nFailed, nAnalysed;
    double dStart;
} BATCH;

static int Complain(int nExit, const std::string &strText)
{
    fprintf(stderr, "qfftana: %s\n", strText.c_str());
    return nExit;
}

static bool SameFile(const struct stat *p1, const struct stat *p2)
{
    return p1->st_dev == p2->st_dev && p1->st_ino == p2->st_ino && p1->st_size == p2->st_size
        && p1->st_mtim.tv_sec == p2->st_mtim.tv_sec && p1->st_mtim.tv_nsec == p2->st_mtim.tv_nsec;
}

static bool Newer(const struct timespec *p1, const struct timespec *p2)
{
    return p1->tv_sec > p2->tv_sec || (p1->tv_sec == p2->tv_sec && p1->tv_nsec > p2->tv_nsec);
}

// A successful result made from this very file with these options.
static bool IsCurrent(const BATCH *pBatch, const JOB *pJob)
{
    std::string strResult = pJob->strFolder + "/" RESULT_FILE;
    struct stat stResult, stFile;
    BATCHRESULT result;
    return stat(strResult.c_str(), &stResult) == 0 && stat(pJob->strFile.c_str(), &stFile) == 0
        && Newer(&stResult.st_mtim, &stFile.st_mtim) && ResultRead(strResult, &result) && result.strError.empty()
        && result.strFile == pJob->strFile && result.aOptions == pBatch->aOptions;
}

static bool Commit(const BATCH *pBatch, const JOB *pJob, BATCHRESULT *pResult)
{
    pResult->strFile = pJob->strFile;
    pResult->aOptions = pBatch->aOptions;
    std::string strError;
    if (ResultWrite(pJob->strFolder + "/" RESULT_FILE, pResult, &strError))
        return true;
    Complain(BATCH_FAILED, strError);
    return false;
}

static void CommitError(const BATCH *pBatch, const JOB *pJob, const std::string &strError)
{
    BATCHRESULT result;
    result.strError = strError;
    Commit(pBatch, pJob, &result);
}

// Each worker starts from the batch's settings, and the plug-in writes
// them back into its own copy only.
static bool CopySettings(const std::string &strFrom, const std::string &strTo)
{
    if ((mkdir(strTo.c_str(), 0755) != 0 && errno != EEXIST)
        || (mkdir((strTo + "DEFAULT").c_str(), 0755) != 0 && errno != EEXIST))
        return false;
    bool bOk = true;
    for (const char *pszFile : {SET_MAINFILE, SET_COHFILE}) {
        bOk = CopyFileA((strFrom + pszFile).c_str(), (strTo + pszFile).c_str(), FALSE) && bOk;
        std::string strTemplate = std::string("DEFAULT/") + pszFile;
        bOk = CopyFileA((strFrom + strTemplate).c_str(), (strTo + strTemplate).c_str(), FALSE) && bOk;
    }
    return bOk;
}

// Starts the worker of a recording; false when the recording failed at once.
static bool StartJob(const BATCH *pBatch, JOB *pJob)
{
    std::string strSettings = pJob->strFolder + "/settings/";
    if (mkdir(pJob->strFolder.c_str(), 0755) != 0 && errno != EEXIST) {
        Complain(BATCH_FAILED, "cannot create " + pJob->strFolder + ": " + strerror(errno));
        return false;
    }
    remove((pJob->strFolder + "/" RESULT_FILE).c_str());
    remove((pJob->strFolder + "/" NUMBERS_FILE).c_str());
    if (stat(pJob->strFile.c_str(), &pJob->stBefore) != 0) {
        CommitError(pBatch, pJob, "cannot read the recording: " + std::string(strerror(errno)));
        return false;
    }
    if (!CopySettings(pBatch->strSettings, strSettings)) {
        CommitError(pBatch, pJob, "cannot copy the settings into " + strSettings);
        return false;
    }
    // A path that starts with '-' must not read as an option.
    std::string strPath = pJob->strFile[0] == '-' ? "./" + pJob->strFile : pJob->strFile;
    std::vector<std::string> aArgs = {"analyze", strPath, "--out", pJob->strFolder, "--settings", strSettings,
                                      "--result", pJob->strFolder + "/" NUMBERS_FILE, "--quiet"};
    aArgs.insert(aArgs.end(), pBatch->pOpt->aPassed.begin(), pBatch->pOpt->aPassed.end());
    std::string strError;
    if (!WorkerStart(WorkerProgram(), aArgs, pJob->strFolder + "/worker.log", &pJob->worker, &strError)) {
        CommitError(pBatch, pJob, strError);
        return false;
    }
    return true;
}

// The result of a worker that has ended; false when the recording failed.
static bool FinishJob(const BATCH *pBatch, JOB *pJob, int nStatus)
{
    std::string strError = WorkerFailure(&pJob->worker, nStatus);
    struct stat stAfter;
    if (strError.empty() && stat(pJob->strFile.c_str(), &stAfter) != 0)
        strError = "the recording disappeared while it was analysed";
    else if (strError.empty() && !SameFile(&pJob->stBefore, &stAfter))
        strError = "the recording changed while it was analysed; analyse it again";
    BATCHRESULT result;
    if (strError.empty() && !ResultRead(pJob->strFolder + "/" NUMBERS_FILE, &result))
        strError = "the worker ended without its numbers";
    if (!strError.empty()) {
        CommitError(pBatch, pJob, strError);
        return false;
    }
    return Commit(pBatch, pJob, &result);
}

static void ShowProgress(BATCH *pBatch)
{
    if (pBatch->pOpt->bQuiet)
        return;
    fprintf(stderr, "qfftana: %d/%d recordings", pBatch->nFinished, pBatch->nTotal);
    if (pBatch->nFailed > 0)
        fprintf(stderr, ", %d failed", pBatch->nFailed);
    int nLeft = pBatch->nTotal - pBatch->nFinished;
    if (nLeft > 0 && pBatch->nAnalysed > 0) {
        // Recordings still to come take as long as those analysed so far.
        double dLeft = (ProgressSeconds() - pBatch->dStart) / pBatch->nAnalysed * nLeft;
        fprintf(stderr, ", about %d min %02d s left", (int)dLeft / 60, (int)dLeft % 60);
    }
    fputc('\n', stderr);
}

static void Finished(BATCH *pBatch, bool bOk, bool bAnalysed)
{
    pBatch->nFinished++;
    pBatch->nFailed += bOk ? 0 : 1;
    pBatch->nAnalysed += bAnalysed ? 1 : 0;
    ShowProgress(pBatch);
}

// Starts the next recording that needs a worker; false when none is left.
static bool StartNext(BATCH *pBatch, std::vector<JOB> *paJobs, size_t *pnNext, JOB *pSlot)
{
    while (*pnNext < paJobs->size()) {
        JOB *pJob = &(*paJobs)[(*pnNext)++];
        if (IsCurrent(pBatch, pJob)) {
            Finished(pBatch, true, false);
        } else if (StartJob(pBatch, pJob)) {
            *pSlot = *pJob;
            return true;
        } else {
            Finished(pBatch, false, false);
        }
    }
    return false;
}

static void RunJobs(BATCH *pBatch, std::vector<JOB> *paJobs, int nWorkers)
{
    std::vector<JOB> aSlots(nWorkers);
    size_t nNext = 0;
    int nRunning = 0;
    for (JOB &slot : aSlots)
        nRunning += StartNext(pBatch, paJobs, &nNext, &slot) ? 1 : 0;
    while (nRunning > 0) {
        bool bAny = false;
        for (JOB &slot : aSlots) {
            int nStatus = 0;
            if (!WorkerPoll(&slot.worker, nWorkers == 1, &nStatus))
                continue;
            bAny = true;
            Finished(pBatch, FinishJob(pBatch, &slot, nStatus), true);
            nRunning--;
            nRunning += StartNext(pBatch, paJobs, &nNext, &slot) ? 1 : 0;
        }
        if (!bAny)
            WorkerAwaitAny();
    }
}

// The analysis options and a hash of the settings files' text: a result
// made with others is not current.
static std::vector<std::string> RunOptions(const HOSTOPTIONS *pOpt, const std::string &strSettings)
{
    std::vector<std::string> aOptions = pOpt->aPassed;
    uint32_t nHash = 2166136261u;
    for (const char *pszFile : {SET_MAINFILE, SET_COHFILE}) {
        std::ifstream in(strSettings + pszFile, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        for (unsigned char c : text.str() + '\0')
            nHash = (nHash ^ c) * 16777619u;
    }
    char szHash[32];
    snprintf(szHash, sizeof(szHash), "settings %08x", (unsigned)nHash);
    aOptions.push_back(szHash);
    return aOptions;
}

// Refuses a recording listed twice: two workers would share its folder.
static bool Distinct(const std::vector<std::string> &aFiles, std::string *pstrError)
{
    std::set<std::string> seen;
    for (const std::string &strFile : aFiles) {
        if (!seen.insert(strFile).second) {
            *pstrError = strFile + " is listed twice";
            return false;
        }
    }
    return true;
}

static int Prepare(const HOSTOPTIONS *pOpt, bool bShared, BATCH *pBatch, int *pfdLock)
{
    std::string strError;
    if (!Distinct(pOpt->aFiles, &strError) || !BatchLock(pOpt->strOutDir, bShared, pfdLock, &strError))
        return Complain(BATCH_REFUSED, strError);
    char szError[512];
    int fdHold = BatchLockSettings(pOpt->strOutDir);
    BOOL bPrepared = SetPrepareFolder(pOpt, &pBatch->strSettings, szError, sizeof(szError));
    if (bPrepared)
        pBatch->aOptions = RunOptions(pOpt, pBatch->strSettings);
    if (fdHold >= 0)
        close(fdHold);
    if (!bPrepared)
        return Complain(BATCH_REFUSED, szError);
    pBatch->pOpt = pOpt;
    pBatch->nTotal = (int)pOpt->aFiles.size();
    pBatch->nFinished = pBatch->nFailed = pBatch->nAnalysed = 0;
    pBatch->dStart = ProgressSeconds();
    return BATCH_OK;
}

static std::vector<JOB> MakeJobs(const HOSTOPTIONS *pOpt, size_t nCount)
{
    std::vector<JOB> aJobs(nCount);
    for (size_t i = 0; i < nCount; i++) {
        aJobs[i].strFile = pOpt->aFiles[i];
        aJobs[i].strFolder = pOpt->strOutDir + "/" + ResultFolderName(pOpt->aFiles[i]);
    }
    return aJobs;
}

static int Merge(const std::string &strDir, bool bQuiet)
{
    std::string strError;
    int nRecordings = 0, nFailed = 0;
    if (!MergeTables(strDir, &nRecordings, &nFailed, &strError))
        return Complain(BATCH_REFUSED, strError);
    if (!bQuiet)
        printf("%d recordings, %d failed: %s/" MERGE_SUMMARY ", %s/" MERGE_COHERENCE "\n", nRecordings, nFailed,
               strDir.c_str(), strDir.c_str());
    return nFailed > 0 ? BATCH_FAILED : BATCH_OK;
}

int BatchRun(const HOSTOPTIONS *pOpt)
{
    BATCH batch;
    int fdLock = -1;
    int nCode = Prepare(pOpt, false, &batch, &fdLock);
    std::string strError;
    if (nCode == BATCH_OK && !BatchWriteList(pOpt->strOutDir, pOpt->aFiles, &strError))
        nCode = Complain(BATCH_REFUSED, strError);
    if (nCode == BATCH_OK) {
        std::vector<JOB> aJobs = MakeJobs(pOpt, pOpt->aFiles.size());
        RunJobs(&batch, &aJobs, pOpt->nJobs);
        nCode = Merge(pOpt->strOutDir, pOpt->bQuiet);
    }
    if (fdLock >= 0)
        close(fdLock);
    return nCode;
}

int BatchRunOne(const HOSTOPTIONS *pOpt)
{
    BATCH batch;
    int fdLock = -1;
    int nCode = Prepare(pOpt, true, &batch, &fdLock);
    if (nCode == BATCH_OK) {
        std::vector<JOB> aJobs = MakeJobs(pOpt, 1);
        RunJobs(&batch, &aJobs, 1);
        nCode = batch.nFailed > 0 ? BATCH_FAILED : BATCH_OK;
    }
    if (fdLock >= 0)
        close(fdLock);
    return nCode;
}

int BatchMerge(const HOSTOPTIONS *pOpt)
{
    int fdLock = -1;
    std::string strError;
    struct stat st;
    if (stat(pOpt->strRecording.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return Complain(BATCH_REFUSED, pOpt->strRecording + " is no batch folder");
    if (!BatchLock(pOpt->strRecording, false, &fdLock, &strError))
        return Complain(BATCH_REFUSED, strError);
    int nCode = Merge(pOpt->strRecording, pOpt->bQuiet);
    close(fdLock);
    return nCode;
}
