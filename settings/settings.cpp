// Reading and writing the settings files QFFTANA.INI and QFFTANAX.INI.
#include "settings/settings.h"

#include <stddef.h>
#include <stdio.h>

#include "eegfilt/eegfilt.h"
#include "frame/files.h"
#include "frame/textcopy.h"

#define INI_MAIN "QFFTANA.INI"
#define INI_COHERENCE "QFFTANAX.INI"
#define TEMPLATE_DIR "DEFAULT\\"
#define SEC_INITIAL "INITIAL"
#define SEC_FFTINFO "FFTINFO"
#define FILTER_CHANNELS 8

// A numeric setting: where it lives in the record, how wide it is, its
// default, and whether it is written back or only read.
typedef struct tagSETTINGKEY {
    const char *pszKey;
    size_t cbOffset;
    BYTE cbWidth;
    DWORD dwDefault;
    BOOL bWrite;
} SETTINGKEY;

#define WORD_KEY(key, field, def, write) {key, offsetof(FFTVIEWDATA, field), 2, def, write}
#define DWORD_KEY(key, field, def, write) {key, offsetof(FFTVIEWDATA, field), 4, def, write}

static const SETTINGKEY s_aInitialKeys[] = {
    WORD_KEY("PreviewPrint", wPreviewPrint, 1, TRUE),
    WORD_KEY("ReportTextMode", wReportTextMode, 0, TRUE),
};

// In file order; the written ones are written in the same order.
static const SETTINGKEY s_aFFTInfoKeys[] = {
    WORD_KEY("TxOutOption", wTxOutOption, 0, FALSE),
    WORD_KEY("AnalyMaxCh", wAnalyMaxCh, 8, FALSE),
    WORD_KEY("AnalyCh", wAnalyCh, 2, TRUE),
    WORD_KEY("AutoChSelect", wAutoChSelect, 1, TRUE),
    WORD_KEY("FFTAreaSw", wFFTAreaSw, 0, TRUE),
    WORD_KEY("FFTCalMode", wFFTCalMode, 1, FALSE),
    WORD_KEY("FFTFreqStdSw", wFFTFreqStdSw, 1, TRUE),
    WORD_KEY("ADDKeySw", wADDKeySw, 1, TRUE),
    DWORD_KEY("FreqMin", nFreqMin, 0, TRUE),
    DWORD_KEY("FreqMax", nFreqMax, 3000, TRUE),
    DWORD_KEY("FFTPoint", nFFTPoint, 1024, TRUE),
    WORD_KEY("FFTDrawType", wFFTDrawType, 0, TRUE),
    WORD_KEY("WindowType", wWindowType, 0, TRUE),
    DWORD_KEY("FFTViewMag", nFFTViewMag, 1, TRUE),
    WORD_KEY("ShowFreqPara", wShowFreqPara, 0, TRUE),
    WORD_KEY("LowCutSw", wLowCutSw, 0, TRUE),
    DWORD_KEY("LowCutFreq", nLowCutFreq, 20, TRUE),
    WORD_KEY("HiCutSw", wHiCutSw, 0, FALSE),
    DWORD_KEY("HiCutFreq", nHiCutFreq, 3000, FALSE),
    DWORD_KEY("EdgePercent", nEdgePercent, 80, TRUE),
    DWORD_KEY("PeakFreqLevel", nPeakFreqLevel, 100, TRUE),
    DWORD_KEY("MeanMinRange", nMeanMinRange, 0, TRUE),
    DWORD_KEY("MeanMaxRange", nMeanMaxRange, 3000, TRUE),
    DWORD_KEY("PeakMinRange", nPeakMinRange, 100, TRUE),
    DWORD_KEY("PeakMaxRange", nPeakMaxRange, 3000, TRUE),
    DWORD_KEY("EdgeMinRange", nEdgeMinRange, 100, TRUE),
    DWORD_KEY("EdgeMaxRange", nEdgeMaxRange, 3000, TRUE),
};

static const SETTINGKEY s_aBandKeys[] = {
    {"Enable", offsetof(FREQBAND, wEnable), 2, 1, TRUE},
    {"Show", offsetof(FREQBAND, wShow), 2, 1, TRUE},
    {"Color", offsetof(FREQBAND, wColor), 2, 1, TRUE},
    {"MinFreq", offsetof(FREQBAND, nMinFreq), 4, 700, TRUE},
    {"MaxFreq", offsetof(FREQBAND, nMaxFreq), 4, 1200, TRUE},
};

#define COUNT(a) (sizeof(a) / sizeof((a)[0]))

// Profile access that stands in the defaults when there is no file name.
static DWORD ReadNumber(const char *pszFile, const char *pszSection, const char *pszKey,
                        DWORD dwDefault)
{
    if (pszFile[0] == '\0')
        return dwDefault;
    return (DWORD)GetPrivateProfileIntA(pszSection, pszKey, (INT)dwDefault, pszFile);
}

static void ReadText(const char *pszFile, const char *pszSection, const char *pszKey,
                     char *pszBuffer, DWORD cbBuffer)
{
    pszBuffer[0] = '\0';
    if (pszFile[0] != '\0')
        GetPrivateProfileStringA(pszSection, pszKey, "", pszBuffer, cbBuffer, pszFile);
}

static void WriteNumber(const char *pszFile, const char *pszSection, const char *pszKey,
                        LONG nValue)
{
    char szValue[16];
    snprintf(szValue, sizeof(szValue), "%i", (int)nValue);
    WritePrivateProfileStringA(pszSection, pszKey, szValue, pszFile);
}

static void ReadKeys(const char *pszFile, const char *pszSection, const SETTINGKEY *pKeys,
                     size_t nKeys, void *pRecord)
{
    for (size_t i = 0; i < nKeys; i++) {
        DWORD dwValue = ReadNumber(pszFile, pszSection, pKeys[i].pszKey, pKeys[i].dwDefault);
        BYTE *pField = (BYTE *)pRecord + pKeys[i].cbOffset;
        if (pKeys[i].cbWidth == 2)
            *(WORD *)pField = (WORD)dwValue;
        else
            *(DWORD *)pField = dwValue;
    }
}

// 16-bit fields are written zero-extended, 32-bit ones as signed numbers.
static void WriteKeys(const char *pszFile, const char *pszSection, const SETTINGKEY *pKeys,
                      size_t nKeys, const void *pRecord)
{
    for (size_t i = 0; i < nKeys; i++) {
        if (!pKeys[i].bWrite)
            continue;
        const BYTE *pField = (const BYTE *)pRecord + pKeys[i].cbOffset;
        LONG nValue = pKeys[i].cbWidth == 2 ? (LONG) * (const WORD *)pField
                                            : (LONG) * (const DWORD *)pField;
        WriteNumber(pszFile, pszSection, pKeys[i].pszKey, nValue);
    }
}

static void NumberedSection(char *pszSection, size_t cbSection, const char *pszBase, int i)
{
    snprintf(pszSection, cbSection, "%s%i", pszBase, i);
}

// File names from the folder; all empty when the folder is too long for them.
static void SetFileNames(FFTVIEWDATA *pData, const char *pszFolder)
{
    if (!TextCopy(pData->szIniDir, sizeof(pData->szIniDir), pszFolder) ||
        !TextJoin(pData->szIniFile, sizeof(pData->szIniFile), pszFolder, INI_MAIN) ||
        !TextJoin(pData->szIniFileX, sizeof(pData->szIniFileX), pszFolder, INI_COHERENCE)) {
        pData->szIniDir[0] = '\0';
        pData->szIniFile[0] = '\0';
        pData->szIniFileX[0] = '\0';
    }
}

static void CopyTemplateIfMissing(const char *pszFolder, const char *pszFile, const char *pszName)
{
    if (pszFile[0] == '\0' || FileExists(pszFile))
        return;
    char szTemplate[FV_PATH];
    char szSub[FV_PATH];
    if (TextJoin(szSub, sizeof(szSub), pszFolder, TEMPLATE_DIR) &&
        TextJoin(szTemplate, sizeof(szTemplate), szSub, pszName))
        CopyFileA(szTemplate, pszFile, FALSE);
}

static void LoadAnalyChannels(FFTVIEWDATA *pData)
{
    char szSection[16];
    for (int j = 0; j < FV_ANALYCH; j++) {
        NumberedSection(szSection, sizeof(szSection), "ANALYCH", j + 1);
        ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
        pCh->nSignal = ReadNumber(pData->szIniFile, szSection, "Signal", 4);
        ReadText(pData->szIniFile, szSection, "Label", pCh->szLabel, sizeof(pCh->szLabel));
    }
}

static void LoadCoherence(FFTVIEWDATA *pData)
{
    pData->wCohEnable = (WORD)ReadNumber(pData->szIniFileX, SEC_INITIAL, "Enable", 0);
    pData->wCoherenceSquare = 0;
    if (pData->wCohEnable != 0)
        pData->wCoherenceSquare =
            (WORD)ReadNumber(pData->szIniFileX, SEC_INITIAL, "CoherenceSquare", 1);
}

static void CreateFilter(FFTVIEWDATA *pData)
{
    if (pData->hEegFilter != 0)
        EfDestroy(pData->hEegFilter);
    pData->hEegFilter = EfCreate(FILTER_CHANNELS);
}

static void LoadBands(FFTVIEWDATA *pData)
{
    char szSection[16];
    for (int b = 0; b < FV_BANDS; b++) {
        NumberedSection(szSection, sizeof(szSection), "FREQBAND", b + 1);
        FREQBAND *pBand = &pData->aBand[b];
        ReadKeys(pData->szIniFile, szSection, s_aBandKeys, COUNT(s_aBandKeys), pBand);
        ReadText(pData->szIniFile, szSection, "Label", pBand->szLabel, sizeof(pBand->szLabel));
    }
}

void SettingsLoad(HWND, FFTVIEWDATA *pData, const char *pszFolder)
{
    SetFileNames(pData, pszFolder);
    CopyTemplateIfMissing(pszFolder, pData->szIniFile, INI_MAIN);
    CopyTemplateIfMissing(pszFolder, pData->szIniFileX, INI_COHERENCE);
    ReadKeys(pData->szIniFile, SEC_INITIAL, s_aInitialKeys, COUNT(s_aInitialKeys), pData);
    pData->wHostItem19 = 1;
    ReadKeys(pData->szIniFile, SEC_FFTINFO, s_aFFTInfoKeys, COUNT(s_aFFTInfoKeys), pData);
    // Every loop over the analysis channels trusts this bound.
    if (pData->wAnalyCh > FV_ANALYCH)
        pData->wAnalyCh = FV_ANALYCH;
    LoadAnalyChannels(pData);
    ReadText(pData->szIniFile, SEC_FFTINFO, "CSVFile", pData->szCSVFile, sizeof(pData->szCSVFile));
    LoadCoherence(pData);
    CreateFilter(pData);
    LoadBands(pData);
    pData->nChTblRows = pData->wAnalyCh;
}

// Labels of analysis channels are quoted so that surrounding blanks survive.
static void SaveAnalyChannels(const FFTVIEWDATA *pData)
{
    char szSection[16];
    char szLabel[FV_NAME + 2];
    for (int j = 0; j < FV_ANALYCH; j++) {
        NumberedSection(szSection, sizeof(szSection), "ANALYCH", j + 1);
        const ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
        WriteNumber(pData->szIniFile, szSection, "Signal", (LONG)pCh->nSignal);
        snprintf(szLabel, sizeof(szLabel), "\"%s\"", pCh->szLabel);
        WritePrivateProfileStringA(szSection, "Label", szLabel, pData->szIniFile);
    }
}

static void SaveBands(const FFTVIEWDATA *pData)
{
    char szSection[16];
    for (int b = 0; b < FV_BANDS; b++) {
        NumberedSection(szSection, sizeof(szSection), "FREQBAND", b + 1);
        const FREQBAND *pBand = &pData->aBand[b];
        WriteKeys(pData->szIniFile, szSection, s_aBandKeys, COUNT(s_aBandKeys), pBand);
        WritePrivateProfileStringA(szSection, "Label", pBand->szLabel, pData->szIniFile);
    }
}

void SettingsSave(HWND, FFTVIEWDATA *pData)
{
    if (pData->szIniFile[0] == '\0')
        return;
    WriteKeys(pData->szIniFile, SEC_INITIAL, s_aInitialKeys, COUNT(s_aInitialKeys), pData);
    WriteKeys(pData->szIniFile, SEC_FFTINFO, s_aFFTInfoKeys, COUNT(s_aFFTInfoKeys), pData);
    WritePrivateProfileStringA(SEC_FFTINFO, "CSVFile", pData->szCSVFile, pData->szIniFile);
    SaveAnalyChannels(pData);
    SaveBands(pData);
    if (pData->wCohEnable != 0 && pData->szIniFileX[0] != '\0')
        WriteNumber(pData->szIniFileX, SEC_INITIAL, "CoherenceSquare",
                    (LONG)pData->wCoherenceSquare);
}
