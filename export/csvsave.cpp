// The CSV report: the save dialog, then the identification and add log,
// band power, band percentage, averaged spectrum and per-section tables.
#include "export/csvsave.h"

#include <commdlg.h>
#include <mmsystem.h>
#include <stdio.h>
#include <string.h>

#include "export/csvtext.h"
#include "fftgrph/fftgrph.h"
#include "frame/textcopy.h"

#define DLG_CHARS 260
// A stored path shorter than this names no file worth proposing.
#define MIN_PROPOSED_PATH 7
// Working buffer bytes per line the report expects.
#define LINE_BYTES 128
#define SECTION4_LINES_PER_ENTRY 32
#define TXOUT_SECTIONS 0x0001
// Spectrum cells are "%7.2f": seven wide ("0.50,  12.34,   5.67,").
#define SPECTRUM_CELL_WIDTH 7
// The report is written beside its target under this suffix first.
#define TEMP_SUFFIX ".tmp"

// The module's save dialog and its buffers.
static OPENFILENAMEA s_ofn;
static char s_szFilter[DLG_CHARS];
static char s_szFile[DLG_CHARS];
static char s_szInitialDir[DLG_CHARS];
static char s_szTitle[DLG_CHARS];

void CsvSaveInit(void)
{
    s_ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    s_ofn.hwndOwner = NULL;
    s_ofn.hInstance = NULL;
    s_ofn.lpstrFilter = s_szFilter;
    s_ofn.lpstrCustomFilter = NULL;
    s_ofn.nMaxCustFilter = 0;
    s_ofn.nFilterIndex = 0;
    s_ofn.lpstrFile = s_szFile;
    s_ofn.nMaxFile = DLG_CHARS;
    s_ofn.lpstrFileTitle = NULL;
    s_ofn.nMaxFileTitle = 0;
    s_ofn.lpstrInitialDir = s_szInitialDir;
    s_ofn.lpstrTitle = s_szTitle;
    s_ofn.Flags = 0;
    s_ofn.lpstrDefExt = "CSV";
    s_ofn.lCustData = 0;
    s_ofn.lpfnHook = NULL;
    s_ofn.lpTemplateName = NULL;
}

// The filter pairs: every '|' of the pattern becomes a NUL.
static void BuildFilter(void)
{
    static const char szPattern[] = "CSV File(*.CSV)|*.CSV|All Files(*.*)|*.*|";
    for (size_t i = 0; i < sizeof(s_szFilter); i++) {
        s_szFilter[i] = szPattern[i] == '|' ? '\0' : szPattern[i];
        if (szPattern[i] == '\0')
            break;
    }
}

// The last backslash of a path; a trail byte of a double-byte character that
// has the same value is none.
static char *LastBackslash(char *pszPath)
{
    char *pchLast = NULL;
    for (char *pch = pszPath; *pch != '\0'; pch++) {
        if (*pch == '\\')
            pchLast = pch;
        else if (IsDBCSLeadByte((BYTE)*pch) && pch[1] != '\0')
            pch++;
    }
    return pchLast;
}

// Proposes the previous file in its folder; a path too short to be one
// leaves the dialog's default folder and an empty name.
static void ProposeFile(const FFTVIEWDATA *pData)
{
    TextCopy(s_szInitialDir, sizeof(s_szInitialDir), pData->szCSVFile);
    TextCopy(s_szFile, sizeof(s_szFile), pData->szCSVFile);
    if (strlen(s_szInitialDir) < MIN_PROPOSED_PATH) {
        s_szInitialDir[0] = '\0';
        s_szFile[0] = '\0';
        s_ofn.Flags = OFN_OVERWRITEPROMPT | OFN_SHAREAWARE;
        return;
    }
    char *pchSlash = LastBackslash(s_szInitialDir);
    if (pchSlash != NULL)
        pchSlash[1] = '\0';
    s_ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_SHAREAWARE;
}

static int AnalyChannelCount(const FFTVIEWDATA *pData)
{
    return pData->wAnalyCh < FV_ANALYCH ? pData->wAnalyCh : FV_ANALYCH;
}

static BOOL InUse(const FFTVIEWDATA *pData, int j)
{
    return pData->aAnalyCh[j].nHostCh >= 0;
}

static BOOL IsListed(const FREQBAND *pBand)
{
    return pBand->wEnable != 0 && pBand->wShow != 0;
}

static void ChannelHeading(CSVTEXT *pText, const FFTVIEWDATA *pData, int j)
{
    CsvText(pText, ",CH");
    CsvInt(pText, j + 1);
    CsvText(pText, "(");
    CsvText(pText, pData->aAnalyCh[j].szChTitle);
    CsvText(pText, ")");
}

static void BandHeading(CSVTEXT *pText, const FFTVIEWDATA *pData)
{
    CsvText(pText, "Band Name,Min Freq(Hz),Max Freq(Hz)");
    for (int j = 0; j < AnalyChannelCount(pData); j++) {
        if (InUse(pData, j))
            ChannelHeading(pText, pData, j);
    }
    CsvNewLine(pText);
}

static void BandLimits(CSVTEXT *pText, const FREQBAND *pBand)
{
    CsvText(pText, pBand->szLabel);
    CsvText(pText, ",");
    CsvFixed(pText, 3, pBand->nMinFreq * 0.01f);
    CsvText(pText, ",");
    CsvFixed(pText, 3, pBand->nMaxFreq * 0.01f);
}

// A band or the analysis range reaches beyond what the channel can show.
static BOOL IsBandError(const FFTVIEWDATA *pData, const FREQBAND *pBand, int j)
{
    DWORD nDispMax = pData->aAnalyCh[j].nDispMaxFreq;
    return pBand->nMaxFreq > nDispMax || pData->nFreqMax > nDispMax;
}

// Band power of the last ADD in calibrated units: the calibration factor
// once, or squared for calibrated power that is not standardised.
static double ScaledBandPower(const FFTVIEWDATA *pData, const FREQBAND *pBand, int j)
{
    const ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
    if ((LONG)pCh->nCalHeight <= 0)
        return 0.0;
    double dV = pCh->nCalValue, dH = (LONG)pCh->nCalHeight;
    double dPower = pBand->afLastBandPower[j];
    if (pData->wFFTCalMode != 0 && pData->wFFTFreqStdSw == 0)
        return ((dPower * dV / dH) * dV) / dH;
    return dPower * dV / dH;
}

typedef void (*BANDCELLPROC)(CSVTEXT *pText, const FFTVIEWDATA *pData, const FREQBAND *pBand, int j);

// Band power cell: "0" while nothing was added.
static void PowerCell(CSVTEXT *pText, const FFTVIEWDATA *pData, const FREQBAND *pBand, int j)
{
    if ((LONG)pData->nAddCount <= 0)
        CsvText(pText, "0");
    else
        CsvFixed(pText, 8, ScaledBandPower(pData, pBand, j));
}

static void PercentCell(CSVTEXT *pText, const FFTVIEWDATA *, const FREQBAND *pBand, int j)
{
    CsvFixed(pText, 3, pBand->afBandPercent[j]);
}

// The heading and one line per listed band: label, limits, then a cell per
// channel in use ("ERR" where the band lies beyond the channel's range).
static void BandTable(CSVTEXT *pText, const FFTVIEWDATA *pData, BANDCELLPROC pfnCell)
{
    BandHeading(pText, pData);
    for (const FREQBAND &band : pData->aBand) {
        if (!IsListed(&band))
            continue;
        BandLimits(pText, &band);
        for (int j = 0; j < AnalyChannelCount(pData); j++) {
            if (!InUse(pData, j))
                continue;
            CsvText(pText, ",");
            if (IsBandError(pData, &band, j))
                CsvText(pText, "ERR");
            else
                pfnCell(pText, pData, &band, j);
        }
        CsvNewLine(pText);
    }
    CsvText(pText, "\r\n\r\n");
}

// FALSE unless every byte was written (a full disk writes fewer).
static BOOL WriteText(HMMIO hFile, const CSVTEXT *pText)
{
    return mmioWrite(hFile, pText->pchText, (LONG)pText->cchText) == (LONG)pText->cchText;
}

static void IdentSection(CSVTEXT *pText, const FFTVIEWDATA *pData)
{
    char szCell[64];
    CsvText(pText, "FileName,");
    CsvText(pText, pData->szHostText15);
    CsvText(pText, "\r\nName1,");
    CsvText(pText, pData->szHostText13);
    CsvText(pText, "\r\nName2,");
    CsvText(pText, pData->szHostText14);
    const DWORD *pnDate = pData->anHostItem17;
    snprintf(szCell, sizeof(szCell), "\r\nDate, %4i/%02i/%02i, %02i:%02i:%02i\r\n\r\n",
             (int)pnDate[0], (int)pnDate[1], (int)pnDate[2], (int)pnDate[3], (int)pnDate[4],
             (int)pnDate[5]);
    CsvText(pText, szCell);
    CsvText(pText, "Average Count,");
    CsvInt(pText, (int)pData->nAddCount);
    CsvText(pText, "\r\nCount No.,Start Time,Stop Time\r\n");
    for (DWORD k = 0; k < pData->nAddCount && k < FV_ADDLOG; k++) {
        CsvInt(pText, (int)k + 1);
        CsvText(pText, ",");
        CsvTime(pText, pData->aAddLog[k].awStartTime);
        CsvText(pText, ",");
        CsvTime(pText, pData->aAddLog[k].awStopTime);
        CsvNewLine(pText);
    }
    CsvText(pText, "\r\nBand Power(uV^2)\r\n");
    BandTable(pText, pData, PowerCell);
}

static void PercentSection(CSVTEXT *pText, const FFTVIEWDATA *pData)
{
    CsvText(pText, "Contain Band Power(%)\r\n");
    BandTable(pText, pData, PercentCell);
}

// The summed spectra of the channels in use, locked for section 3.
typedef struct tagSUMSET {
    const LONG *aplSum[FV_ANALYCH]; // NULL: no data
    SIZE_T anSums[FV_ANALYCH];      // sums the buffer holds
    float fStep;                    // S, Hz per line
    DWORD nRows;                    // R
} SUMSET;

static void LockSums(const FFTVIEWDATA *pData, SUMSET *pSums)
{
    memset(pSums, 0, sizeof(*pSums));
    for (int j = 0; j < AnalyChannelCount(pData); j++) {
        const ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
        if (!InUse(pData, j))
            continue;
        if (pSums->fStep == 0.0f && pData->hFFTWork != 0)
            pSums->fStep = FgGetFreqStep(pData->hFFTWork, j);
        if (pSums->nRows == 0)
            pSums->nRows = pCh->nShowLines;
        if (pCh->hAddSumBuf == NULL)
            continue;
        pSums->aplSum[j] = (const LONG *)GlobalLock(pCh->hAddSumBuf);
        pSums->anSums[j] = GlobalSize(pCh->hAddSumBuf) / sizeof(LONG);
    }
}

static void UnlockSums(const FFTVIEWDATA *pData, const SUMSET *pSums)
{
    for (int j = 0; j < FV_ANALYCH; j++) {
        if (pSums->aplSum[j] != NULL)
            GlobalUnlock(pData->aAnalyCh[j].hAddSumBuf);
    }
}

// One channel's cell of spectrum row i: blank above the channel's highest
// frequency, else the mean of the sums in calibrated units (0.00 without a
// count or a calibration height). Rows past the end of the channel's sums
// have no frequency it can show and are blank too.
static void SpectrumCell(CSVTEXT *pText, const FFTVIEWDATA *pData, const SUMSET *pSums, int j,
                         DWORD i)
{
    const ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
    long long nFreq = (long long)((double)i * 100.0 * pSums->fStep);
    if (nFreq > (long long)pCh->nDispMaxFreq || i >= pSums->anSums[j]) {
        CsvText(pText, " ");
        return;
    }
    double dValue = 0.0;
    if ((LONG)pCh->nChAddCount > 0 && (LONG)pCh->nCalHeight > 0)
        dValue = (double)pSums->aplSum[j][i] / (LONG)pCh->nChAddCount * pCh->nCalValue /
                 (LONG)pCh->nCalHeight;
    CsvFixed(pText, SPECTRUM_CELL_WIDTH, dValue);
}

static void SpectrumSection(CSVTEXT *pText, const FFTVIEWDATA *pData)
{
    CsvText(pText, "Average Power Spectrum(^2)\r\nFrequency(Hz)");
    for (int j = 0; j < AnalyChannelCount(pData); j++)
        ChannelHeading(pText, pData, j);
    CsvNewLine(pText);
    SUMSET sums;
    LockSums(pData, &sums);
    for (DWORD i = 0; i < sums.nRows; i++) {
        CsvFixed(pText, 3, (double)i * sums.fStep);
        CsvText(pText, ",");
        for (int j = 0; j < AnalyChannelCount(pData); j++) {
            if (sums.aplSum[j] == NULL)
                continue;
            SpectrumCell(pText, pData, &sums, j, i);
            CsvText(pText, ",");
        }
        CsvNewLine(pText);
    }
    UnlockSums(pData, &sums);
    CsvText(pText, "\r\n\r\n");
}

static BOOL QualifiesForSections(const FFTVIEWDATA *pData, int j)
{
    const ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
    return InUse(pData, j) && pCh->nSizeCode >= 1 && pCh->nChFFTPoint >= 17;
}

static void SectionsHeadings(CSVTEXT *pText, const FFTVIEWDATA *pData)
{
    CsvText(pText, "Select Area Power(^2)\r\n , , ,");
    for (int j = 0; j < AnalyChannelCount(pData); j++) {
        if (!QualifiesForSections(pData, j))
            continue;
        CsvText(pText, pData->aAnalyCh[j].szLabel);
        CsvText(pText, ", , ,");
        for (const FREQBAND &band : pData->aBand) {
            if (band.wEnable != 0)
                CsvText(pText, " ,");
        }
    }
    CsvText(pText, "\r\nArea No.,Start Time,Stop Time,");
    for (int j = 0; j < AnalyChannelCount(pData); j++) {
        if (!QualifiesForSections(pData, j))
            continue;
        CsvText(pText, "MeanFreq(Hz),EdgeFreq(Hz),TotalPower,");
        for (const FREQBAND &band : pData->aBand) {
            if (band.wEnable == 0)
                continue;
            CsvText(pText, band.szLabel);
            CsvText(pText, ",");
        }
    }
    CsvNewLine(pText);
}

static void SectionsSection(CSVTEXT *pText, const FFTVIEWDATA *pData)
{
    SectionsHeadings(pText, pData);
    for (DWORD k = 0; k < pData->nAddCount && k < FV_ADDLOG; k++) {
        const FFTADDENTRY *pEntry = &pData->aAddLog[k];
        CsvInt(pText, (int)k + 1);
        CsvText(pText, ",");
        CsvTime(pText, pEntry->awStartTime);
        CsvText(pText, ",");
        CsvTime(pText, pEntry->awStopTime);
        CsvText(pText, ",");
        for (int j = 0; j < AnalyChannelCount(pData); j++) {
            if (!QualifiesForSections(pData, j))
                continue;
            CsvFixed(pText, 3, pEntry->afMeanFreq[j]);
            CsvText(pText, ",");
            CsvFixed(pText, 3, pEntry->afEdgeFreq[j]);
            CsvText(pText, ",");
            CsvFixed(pText, 5, pEntry->afTotalPower[j]);
            CsvText(pText, ",");
            for (int b = 0; b < FV_BANDS; b++) {
                if (pData->aBand[b].wEnable == 0)
                    continue;
                CsvFixed(pText, 5, pEntry->aafBandPower[j][b]);
                CsvText(pText, ",");
            }
        }
        CsvNewLine(pText);
    }
    CsvText(pText, "\r\n\r\n");
}

static SIZE_T WorkingBytes(const FFTVIEWDATA *pData)
{
    ULONGLONG nLines = pData->nFFTPoint;
    ULONGLONG nPerEntry = (pData->wTxOutOption & TXOUT_SECTIONS) ? SECTION4_LINES_PER_ENTRY : 1;
    nLines += nPerEntry * pData->nAddCount;
    return (SIZE_T)(LINE_BYTES * nLines);
}

// Assembles each section in the working buffer and writes it with one call.
// Returns FALSE when the buffer could not grow for a section or a write
// failed.
static BOOL WriteSections(HMMIO hFile, CSVTEXT *pText, const FFTVIEWDATA *pData)
{
    void (*const apfnSection[])(CSVTEXT *, const FFTVIEWDATA *) = {
        IdentSection, PercentSection, SpectrumSection, SectionsSection,
    };
    int nSections = (pData->wTxOutOption & TXOUT_SECTIONS) ? 4 : 3;
    for (int s = 0; s < nSections; s++) {
        CsvTextReset(pText);
        apfnSection[s](pText, pData);
        if (pText->bFailed || !WriteText(hFile, pText))
            return FALSE;
    }
    return TRUE;
}

// Writes the report to a temporary file in the target's folder and renames
// it over the target only once every byte is written and the file closed:
// a failure leaves an earlier report as it was and no partial file.
static BOOL WriteReport(const FFTVIEWDATA *pData)
{
    char szTemp[MAX_PATH + sizeof(TEMP_SUFFIX)];
    if (!TextJoin(szTemp, sizeof(szTemp), pData->szCSVFile, TEMP_SUFFIX))
        return FALSE;
    HMMIO hFile = mmioOpenA(szTemp, NULL, MMIO_CREATE | MMIO_WRITE);
    if (hFile == NULL)
        return FALSE;
    CSVTEXT text;
    BOOL bWritten = CsvTextOpen(&text, WorkingBytes(pData));
    if (bWritten) {
        bWritten = WriteSections(hFile, &text, pData);
        CsvTextClose(&text);
    }
    bWritten = mmioClose(hFile, 0) == MMSYSERR_NOERROR && bWritten;
    if (bWritten && MoveFileExA(szTemp, pData->szCSVFile, MOVEFILE_REPLACE_EXISTING))
        return TRUE;
    DeleteFileA(szTemp);
    return FALSE;
}

int CsvSaveReport(HWND hWnd, FFTVIEWDATA *pData)
{
    if (pData->wAnalyState == 0)
        return CSV_NOTSAVED;
    TextCopy(s_szTitle, sizeof(s_szTitle), "CSV File Select");
    BuildFilter();
    ProposeFile(pData);
    s_ofn.hwndOwner = hWnd;
    s_ofn.lpstrDefExt = "CSV";
    if (!GetSaveFileNameA(&s_ofn))
        return CSV_NOTSAVED;
    TextCopy(pData->szCSVFile, sizeof(pData->szCSVFile), s_szFile);

    return WriteReport(pData) ? CSV_SAVED : CSV_FAILED;
}
