/*
 * fftview.h - FFTVIEWDATA, the state of one analysis window, and the records
 * it is made of.
 *
 * The record lives in one movable, zero-initialised global memory block whose
 * handle is window long 0 of the analysis window. Whoever uses it reads that
 * handle, does nothing when it is 0, locks it, does nothing when the lock
 * fails, works, and unlocks on every path: a pointer is never kept beyond one
 * message. Locks nest, so a handler that notifies the host may be re-entered
 * by the host's answer on the same thread.
 *
 * Frequencies are whole hundredths of a hertz (700 = 7.00 Hz). Switches are
 * 16-bit words holding 0 or 1. Texts are NUL-terminated ANSI strings that
 * always fit their buffers.
 */
#ifndef QFFTANA_FFTVIEW_H
#define QFFTANA_FFTVIEW_H

#include <windows.h>

#include <stddef.h>

/* Table sizes the record sets. */
#define FV_HOSTCH       64    /* host channels */
#define FV_ANALYCH      8     /* analysis channels */
#define FV_BANDS        8     /* frequency bands */
#define FV_ADDLOG       1000  /* add-log entries */
#define FV_HOSTTEXTS    24    /* host texts of item 10 */
#define FV_MENUCH       102   /* values behind the channel table's menu items */
#define FV_PATH         260   /* paths and host texts */
#define FV_MESSAGE      128   /* outcome text */
#define FV_NAME         64    /* channel names and analysis channel labels */
#define FV_SHORTNAME    32    /* band labels and second channel names */
#define FV_ANALYWORK    1840  /* bytes of the analysis channels' work area */

/* Window extra bytes of the analysis window. On the 32-bit build the slots
   are long 0, long 4, long 8 and word 12 of 20 bytes; where handles are wider
   the same slots are widened to the handle size. */
#define FVW_DATA        (0 * (int)sizeof(LONG_PTR)) /* HGLOBAL of FFTVIEWDATA */
#define FVW_FONT        (1 * (int)sizeof(LONG_PTR)) /* font of WM_SETFONT */
#define FVW_NOTIFYWND   (2 * (int)sizeof(LONG_PTR)) /* notify window */
#define FVW_NOTIFYID    (3 * (int)sizeof(LONG_PTR)) /* notify id (word) */
#define FVW_EXTRA       (5 * (int)sizeof(LONG_PTR))

/* A frequency band: its edges, switches, label and per-channel results. */
typedef struct tagFREQBAND {
    WORD  wEnable;                        /* 1 = the band is evaluated */
    WORD  wShow;                          /* 1 = listed in the report's band tables */
    WORD  wColor;                         /* colour number kept in the file */
    DWORD nMinFreq;                       /* lower edge, 0.01 Hz */
    DWORD nMaxFreq;                       /* upper edge, 0.01 Hz */
    float afBandPower[FV_ANALYCH];        /* band power per analysis channel */
    float afLastBandPower[FV_ANALYCH];    /* band power of the last added spectrum */
    float afBandPercent[FV_ANALYCH];      /* share of the display-range total, % */
    char  szLabel[FV_SHORTNAME];
} FREQBAND;

/* One host channel as the host describes it, with the samples of the page. */
typedef struct tagHOSTCHANNEL {
    WORD    wChUsed;                      /* item 30: offered for automatic selection */
    WORD    wSignalType;                  /* item 38: signal type code */
    DWORD   nChRate;                      /* item 39: sampling rate, Hz */
    DWORD   nCalValue;                    /* item 31 */
    DWORD   nCalHeight;                   /* item 32 */
    DWORD   nItem36;                      /* item 36, stored */
    DWORD   nItem37;                      /* item 37, stored */
    DWORD   nCalRange;                    /* item 35 */
    HGLOBAL hData;                        /* 16-bit samples of the page, or 0 */
    DWORD   nDataSamples;                 /* samples in hData */
    char    szChName[FV_NAME];            /* text item 20 */
    char    szChName2[FV_SHORTNAME];      /* text item 21 */
} HOSTCHANNEL;

/* One analysis channel: what it binds to, its FFT geometry and its results. */
typedef struct tagANALYCHANNEL {
    HGLOBAL hSpecBuf;                     /* latest spectrum, int32 per line */
    HGLOBAL hAddSumBuf;                   /* running ADD sum, int32 per line */
    WORD    wBlockCount;                  /* blocks averaged by the last page FFT */
    DWORD   nSignal;                      /* signal type to match */
    char    szLabel[FV_NAME];             /* channel name to match */
    LONG    nHostCh;                      /* bound host channel, -1 for none */
    DWORD   nChRate;                      /* sampling rate of the bound channel */
    DWORD   nCalValue;
    DWORD   nCalHeight;
    DWORD   nScaleRef;
    DWORD   nItem36;                      /* copy of the host channel's item 36 */
    DWORD   nItem37;                      /* copy of the host channel's item 37 */
    DWORD   nDispMaxFreq;
    DWORD   nSizeCode;
    DWORD   nChFFTPoint;
    DWORD   nBlockLen;
    DWORD   nShowLines;
    DWORD   nLines;                       /* lines of the last spectrum */
    DWORD   nChAddCount;                  /* spectra summed */
    DWORD   nAddLines;                    /* lines at the last ADD */
    float   fAddTotal;
    float   fAddMeanFreq;
    float   fAddEdgeFreq;
    char    szChTitle[FV_NAME];           /* graph and report title */
    char    szChName2[FV_SHORTNAME];      /* copy of the host channel's second name */
} ANALYCHANNEL;

/* One ADD: the section and, per analysis channel, its results. */
typedef struct tagFFTADDENTRY {
    LONG  nSectStart;                     /* samples from the recording start */
    LONG  nSectEnd;
    WORD  awStartTime[4];                 /* hour, minute, second, tenth */
    WORD  awStopTime[4];
    float afTotalPower[FV_ANALYCH];
    float afMeanFreq[FV_ANALYCH];
    float afEdgeFreq[FV_ANALYCH];
    float aafBandPower[FV_ANALYCH][FV_BANDS]; /* [channel][band] */
} FFTADDENTRY;

typedef struct tagFFTVIEWDATA {
    /* identity and links, settings, library objects, coherence results */
    HGLOBAL hSelf;
    HWND    hWnd;
    HWND    hNotifyWnd;
    HWND    hSetupDlg;
    WORD    wNotifyId;
    WORD    wHostItem18;
    WORD    wHostItem19;                  /* language of the analysis setup dialog */
    WORD    wTxOutOption;
    WORD    wHostMode;                    /* item 3: host playback mode */
    WORD    wAnalyState;                  /* 0 idle, 2 analysing */
    WORD    wReportTextMode;
    WORD    wAnalyMaxCh;
    WORD    wAnalyCh;                     /* analysis channels in use, at most 8 */
    WORD    wFFTAreaSw;                   /* 1 section FFT, 0 page FFT */
    WORD    wFFTCalMode;
    WORD    wFFTFreqStdSw;
    WORD    wAutoChSelect;
    WORD    wHistogram;                   /* 0 spectra, 1 band histogram */
    WORD    wShowFreqPara;
    WORD    wADDKeySw;                    /* 1 = the host's F1 key adds */
    DWORD   hEegFilter;                   /* filter object of QEEGFILT */
    DWORD   idUpdateTimer;                /* non-zero while timer 800 runs */
    HWND    hLinkWnd;
    DWORD   nLineHeight;                  /* tmHeight + 4 of the window's font */
    DWORD   hFFTWork;                     /* computation object of QFFTGRPH */
    WORD    wMonitor;
    WORD    wFFTDone;                     /* 1 once a result can be added */
    WORD    wFFTDrawType;
    WORD    wWindowType;
    WORD    wLowCutSw;
    WORD    wHiCutSw;
    DWORD   nAddCount;                    /* entries in use in the add log */
    DWORD   nFreqMin;
    DWORD   nFreqMax;
    DWORD   nFFTViewMag;
    DWORD   nFFTPoint;
    DWORD   nLowCutFreq;
    DWORD   nHiCutFreq;
    DWORD   nEdgePercent;
    DWORD   nPeakFreqLevel;
    DWORD   nMeanMinRange;
    DWORD   nMeanMaxRange;
    DWORD   nPeakMinRange;
    DWORD   nPeakMaxRange;
    DWORD   nEdgeMinRange;
    DWORD   nEdgeMaxRange;
    WORD    wCohEnable;
    WORD    wCoherenceSquare;
    HWND    hCohWnd;
    WORD    awCohLines[FV_ANALYCH][FV_ANALYCH];
    float   afCohValue[1 + FV_BANDS][FV_ANALYCH][FV_ANALYCH];

    /* host acquisition items */
    WORD    wHostItem10;
    DWORD   nPageTime;                    /* item 21: page length, s */
    DWORD   nPageStart;                   /* page start, base-rate samples */
    DWORD   anHostItem17[8];
    DWORD   anRecTime[8];                 /* item 16: recording start date and time */
    DWORD   nTotalSamples;                /* nBaseRate x nTotalTime */
    DWORD   nHostChCount;                 /* item 6, at most 64 */
    DWORD   nHostItem15;
    LONG    nBaseRate;                    /* item 11: samples per second */
    DWORD   nTotalTime;                   /* item 22 */
    DWORD   nAreaOffset;                  /* item 124: cursor area offset in the page */
    DWORD   nSectStart;
    DWORD   nSectEnd;
    WORD    awSectStartTime[4];
    WORD    awSectEndTime[4];
    DWORD   nHostItem23;
    DWORD   anHostItem24[3];

    /* add log */
    FFTADDENTRY aAddLog[FV_ADDLOG];

    /* host texts of item 10, by sub-id */
    char    szHostText11[FV_PATH];
    char    szHostText13[FV_PATH];
    char    szHostText14[FV_PATH];
    char    szHostText21[FV_PATH];
    char    szHostText22[FV_PATH];
    char    szHostText23[FV_PATH];
    char    szHostText104[FV_PATH];
    char    szHostText105[FV_PATH];
    char    szHostText106[FV_PATH];
    char    szHostText107[FV_PATH];
    char    szHostText201[FV_PATH];
    char    szHostText101[FV_PATH];
    char    szHostText24[FV_PATH];
    char    szHostText25[FV_PATH];
    char    szHostText301[FV_PATH];
    char    szHostText302[FV_PATH];
    char    szHostText303[FV_PATH];
    char    szHostText304[FV_PATH];
    char    szHostText305[FV_PATH];
    char    szHostText306[FV_PATH];
    char    szHostText307[FV_PATH];
    char    szHostText308[FV_PATH];
    char    szHostText309[FV_PATH];
    char    szHostText310[FV_PATH];

    /* settings and window state continued */
    WORD    wPreviewPrint;
    char    szMessage[FV_MESSAGE];        /* fetched by the host with QPM_GETMESSAGE */
    WORD    wChTblDrag;
    LONG    nChTblRowHeight;
    LONG    nChTblRows;
    LONG    nChTblTop;
    LONG    nChTblMode;
    LONG    nChTblFirst;
    LONG    nChTblLast;
    DWORD   anMenuCh[FV_MENUCH];
    COLORREF acrBandColor[FV_BANDS];
    char    szIniDir[FV_PATH];
    char    szIniFile[FV_PATH];
    char    szIniFileX[FV_PATH];
    char    szCSVFile[FV_PATH];
    char    szHostPath[FV_PATH];
    char    szAppDir[FV_PATH];
    char    szHelpFile[FV_PATH];
    char    szManualFile[FV_PATH];
    char    szHostText15[FV_PATH];

    /* tables */
    FREQBAND     aBand[FV_BANDS];
    HOSTCHANNEL  aHostCh[FV_HOSTCH];
    ANALYCHANNEL aAnalyCh[FV_ANALYCH];

    /* work area of the analysis channels, reserved: zero and unused today,
       it brings the block to its fixed size of 401,320 bytes on the 32-bit
       build without moving any field above */
    BYTE    abAnalyWork[FV_ANALYWORK];
} FFTVIEWDATA;

/* The 32-bit layout: offsets of a few fields of each record and each group
   of FFTVIEWDATA, and the sizes. A field added, removed, moved or widened
   breaks the build. */
#define FV_AT(type, field, offset) \
    static_assert(sizeof(void *) != 4 || offsetof(type, field) == (offset), \
                  #type "." #field " moved")
FV_AT(FREQBAND, nMinFreq, 8);
FV_AT(FREQBAND, afBandPower, 16);
FV_AT(FREQBAND, szLabel, 112);
FV_AT(HOSTCHANNEL, nChRate, 4);
FV_AT(HOSTCHANNEL, hData, 28);
FV_AT(HOSTCHANNEL, szChName2, 100);
FV_AT(ANALYCHANNEL, wBlockCount, 8);
FV_AT(ANALYCHANNEL, nSignal, 12);
FV_AT(ANALYCHANNEL, nHostCh, 80);
FV_AT(ANALYCHANNEL, fAddTotal, 140);
FV_AT(ANALYCHANNEL, szChName2, 216);
FV_AT(FFTADDENTRY, awStartTime, 8);
FV_AT(FFTADDENTRY, afTotalPower, 24);
FV_AT(FFTADDENTRY, aafBandPower, 120);
/* 1. identity and links, settings, library objects, coherence results */
FV_AT(FFTVIEWDATA, wNotifyId, 16);
FV_AT(FFTVIEWDATA, hEegFilter, 48);
FV_AT(FFTVIEWDATA, nAddCount, 80);
FV_AT(FFTVIEWDATA, hCohWnd, 144);
FV_AT(FFTVIEWDATA, afCohValue, 276);
/* 2. host acquisition items */
FV_AT(FFTVIEWDATA, wHostItem10, 2580);
FV_AT(FFTVIEWDATA, nPageTime, 2584);
FV_AT(FFTVIEWDATA, nBaseRate, 2668);
FV_AT(FFTVIEWDATA, anHostItem24, 2708);
/* 3. add log */
FV_AT(FFTVIEWDATA, aAddLog, 2720);
/* 4. host texts */
FV_AT(FFTVIEWDATA, szHostText11, 378720);
FV_AT(FFTVIEWDATA, szHostText310, 384700);
/* 5. settings and window state continued */
FV_AT(FFTVIEWDATA, wPreviewPrint, 384960);
FV_AT(FFTVIEWDATA, szMessage, 384962);
FV_AT(FFTVIEWDATA, nChTblRowHeight, 385092);
FV_AT(FFTVIEWDATA, anMenuCh, 385116);
FV_AT(FFTVIEWDATA, acrBandColor, 385524);
FV_AT(FFTVIEWDATA, szHostText15, 387636);
/* 6.-8. band, host channel and analysis channel tables, work area */
FV_AT(FFTVIEWDATA, aBand, 387896);
FV_AT(FFTVIEWDATA, aHostCh, 389048);
FV_AT(FFTVIEWDATA, aAnalyCh, 397496);
FV_AT(FFTVIEWDATA, abAnalyWork, 399480);
#undef FV_AT
static_assert(sizeof(void *) != 4 ||
                  (sizeof(FREQBAND) == 144 && sizeof(HOSTCHANNEL) == 132 &&
                   sizeof(ANALYCHANNEL) == 248 && sizeof(FFTADDENTRY) == 376),
              "record sizes changed");
static_assert(sizeof(void *) != 4 || sizeof(FFTVIEWDATA) == 401320,
              "FFTVIEWDATA is not 401,320 bytes");

HGLOBAL FFTViewDataCreate(HWND hWnd);
/* Allocates the record of window hWnd (movable, zero-filled) and sets the
   creation defaults: hSelf, hWnd, wAnalyCh = 2, the eight band colours.
   Returns the block handle, or 0 when it cannot be allocated. When the block
   cannot be locked its handle is returned without defaults. */

void FFTViewDataDestroy(HWND hWnd, HGLOBAL hData);
/* Releases everything the record owns and frees the block: kills the update
   timer, quits WinHelp for the help file, clears the ADD results, frees the
   page, spectrum and sum buffers, destroys the FFT and filter objects, writes
   the settings, then unlocks and frees the block. hData 0 does nothing. The
   caller clears window long 0 before, so no handler finds a freed handle. */

void FFTViewFreePages(FFTVIEWDATA *pData);
/* Frees the page buffer of every host channel (hData = 0, nDataSamples = 0). */

#endif /* QFFTANA_FFTVIEW_H */
