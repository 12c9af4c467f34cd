// Channel labels, band labels, host texts and file names of code page 932
// characters (double-byte characters at every position, overlong and empty
// texts) through the bounded text copies and the CSV report writer: every
// copy stays within its buffer and cuts between characters, and the report
// is well-formed code page 932.
#include <windows.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <automation.h>

#include <string.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "export/csvsave.h"
#include "frame/textcopy.h"
#include "fuzzcommon.h"

namespace {

const size_t kGuardBytes = 16;
const char kGuard = '\x5A';

void CheckCp932(const char *pszWhat, const std::string &sText)
{
    size_t nBad = 0;
    if (!FuzzIsCp932(sText.data(), sText.size(), &nBad))
        FuzzFail("%s is not whole code page 932 characters at byte %zu of %zu", pszWhat, nBad,
                 sText.size());
}

// TextCopy into cb bytes followed by guards: the copy is the longest prefix
// of whole characters that fits, terminated, and nothing beyond is touched.
void CheckTextCopy(const std::string &sText, size_t cb)
{
    std::vector<char> ach(cb + kGuardBytes, kGuard);
    BOOL bFits = TextCopy(ach.data(), cb, sText.c_str());
    for (size_t i = cb; i < ach.size(); i++)
        if (ach[i] != kGuard)
            FuzzFail("TextCopy wrote beyond %zu bytes", cb);
    size_t cch = strnlen(ach.data(), cb);
    if (cch == cb)
        FuzzFail("TextCopy left %zu bytes unterminated", cb);
    std::string sCopy(ach.data(), cch);
    if (sText.compare(0, cch, sCopy) != 0)
        FuzzFail("TextCopy gave more than a prefix");
    if (bFits != (cch == sText.size()))
        FuzzFail("TextCopy says %s for %zu of %zu bytes", bFits ? "fits" : "cut", cch, sText.size());
    CheckCp932("a cut copy", sCopy);
    if (!bFits && cch + 2 < cb)
        FuzzFail("TextCopy cut %zu bytes short of its %zu", cb - 1 - cch, cb);
}

// A file name of the input's characters, with what no file name can hold
// made harmless; trail bytes that look like '\' or '|' stay.
std::string FileName(FuzzedDataProvider &in)
{
    std::string sName = FuzzCp932Text(in, 60);
    for (size_t i = 0; i < sName.size(); i++) {
        unsigned char c = (unsigned char)sName[i];
        if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
            i++;
            continue;
        }
        if (strchr("/\\:*?\"<>|.", c) != NULL)
            sName[i] = '_';
    }
    return sName + ".csv";
}

HGLOBAL SumBuffer(DWORD nLines)
{
    HGLOBAL hSums = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (nLines + 1) * sizeof(LONG));
    LONG *pn = (LONG *)GlobalLock(hSums);
    for (DWORD i = 0; i < nLines; i++)
        pn[i] = (LONG)(i * 1000);
    GlobalUnlock(hSums);
    return hSums;
}

// A record as an analysis leaves it, its texts from the input.
void FillRecord(FuzzedDataProvider &in, FFTVIEWDATA *pData)
{
    pData->wAnalyState = 2;
    pData->wAnalyCh = in.ConsumeIntegralInRange<WORD>(0, FV_ANALYCH);
    pData->nAddCount = in.ConsumeIntegralInRange<DWORD>(0, 3);
    pData->wTxOutOption = in.ConsumeBool() ? 1 : 0;
    pData->nFFTPoint = in.ConsumeIntegralInRange<DWORD>(0, 4);
    pData->nFreqMax = 3000;
    TextCopy(pData->szHostText13, FV_PATH, FuzzCp932Text(in, 300).c_str());
    TextCopy(pData->szHostText14, FV_PATH, FuzzCp932Text(in, 300).c_str());
    TextCopy(pData->szHostText15, FV_PATH, FuzzCp932Text(in, 300).c_str());
    TextCopy(pData->szCSVFile, FV_PATH, FuzzCp932Text(in, 300).c_str());
    for (int j = 0; j < pData->wAnalyCh; j++) {
        ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
        pCh->nHostCh = in.ConsumeBool() ? j : -1;
        TextCopy(pCh->szChTitle, sizeof(pCh->szChTitle), FuzzCp932Text(in, 100).c_str());
        TextCopy(pCh->szLabel, sizeof(pCh->szLabel), FuzzCp932Text(in, 100).c_str());
        pCh->nCalValue = 1;
        pCh->nCalHeight = 1;
        pCh->nDispMaxFreq = 3000;
        pCh->nSizeCode = 2;
        pCh->nChFFTPoint = 64;
        pCh->nShowLines = in.ConsumeIntegralInRange<DWORD>(0, 8);
        pCh->nChAddCount = 1;
        pCh->hAddSumBuf = SumBuffer(pCh->nShowLines);
    }
    for (FREQBAND &band : pData->aBand) {
        band.wEnable = in.ConsumeBool();
        band.wShow = in.ConsumeBool();
        band.nMinFreq = 400;
        band.nMaxFreq = 800;
        TextCopy(band.szLabel, sizeof(band.szLabel), FuzzCp932Text(in, 50).c_str());
    }
}

std::string ReadWhole(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream os;
    os << file.rdbuf();
    return os.str();
}

// The dialog opens in the folder of the previous report: the path up to
// and with its last real '\' (a trail byte that looks like one is none).
void CheckProposedFolder(const char *pszPrevious)
{
    AUTOFILEDLGCALL call;
    if (!AutoGetFileDialogCall(AutoGetFileDialogCount() - 1, &call))
        FuzzFail("the save dialog was not shown");
    std::string sPrevious = pszPrevious, sFolder = call.szInitialDir;
    if (sPrevious.size() < 7) {
        if (!sFolder.empty())
            FuzzFail("a short path proposed the folder \"%s\"", sFolder.c_str());
        return;
    }
    size_t nEnd = sPrevious.size();
    for (size_t i = 0; i < sPrevious.size(); i++) {
        unsigned char c = (unsigned char)sPrevious[i];
        if (c == '\\')
            nEnd = i + 1;
        else if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC))
            i++;
    }
    if (sFolder != sPrevious.substr(0, nEnd))
        FuzzFail("the dialog proposed the folder \"%s\" for \"%s\"", sFolder.c_str(),
                 sPrevious.c_str());
}

void CheckReport(FuzzedDataProvider &in, const std::string &sDir)
{
    HGLOBAL hData = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(FFTVIEWDATA));
    FFTVIEWDATA *pData = (FFTVIEWDATA *)GlobalLock(hData);
    FillRecord(in, pData);
    std::string sPrevious = pData->szCSVFile;
    std::string sName = FileName(in);
    AutoQueueFileDialogPath((sDir + sName).c_str());
    int nResult = CsvSaveReport(NULL, pData);
    CheckProposedFolder(sPrevious.c_str());
    if (nResult != CSV_SAVED)
        FuzzFail("the report to \"%s\" was not saved (%d)", sName.c_str(), nResult);
    CheckCp932("the stored report path", pData->szCSVFile);
    int nFiles = 0;
    for (const auto &entry : std::filesystem::directory_iterator(sDir)) {
        CheckCp932("the report", ReadWhole(entry.path()));
        std::filesystem::remove(entry.path());
        nFiles++;
    }
    if (nFiles != 1)
        FuzzFail("%d files written for one report", nFiles);
    for (const ANALYCHANNEL &ch : pData->aAnalyCh)
        if (ch.hAddSumBuf != NULL)
            GlobalFree(ch.hAddSumBuf);
    GlobalUnlock(hData);
    GlobalFree(hData);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pbData, size_t cbData)
{
    static const std::string sDir = FuzzTempDir("texts");
    static bool bInit = (CsvSaveInit(), true);
    (void)bInit;
    FuzzedDataProvider in(pbData, cbData);
    std::string sText = FuzzCp932Text(in, 300);
    for (size_t cb = 1; cb <= sText.size() + 2; cb++)
        CheckTextCopy(sText, cb);
    CheckReport(in, sDir);
    AutoClearFileDialogAnswers();
    AutoClearLogs();
    return 0;
}
