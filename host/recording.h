/*
 * recording.h - a recording as the host hands it to the analysis window.
 *
 * Every channel gives its samples as signed 16-bit steps at its own
 * whole-number rate: held whole in aSamples (the built-in recording, the
 * formats BioSig reads), or read page by page from the file (EDF and BDF,
 * pStream; see recstream.h). RecLoadPage puts a page into every channel's
 * aPage either way. One step is dUvPerStep microvolts (for a
 * channel whose unit is not a voltage: one step of that unit); the pair
 * nCalValue / nCalHeight gives the same value as two integers for the
 * window's calibration items, nCalHeight being a power of ten from 1000 to
 * 10^7 chosen so that nCalValue keeps at least five significant digits
 * where the range allows.
 *
 * Labels are the names given to the window and matched against the
 * settings: the file's label without a signal-type prefix ("EEG Fp1" ->
 * "Fp1") and without padding dots ("Fc5." -> "Fc5").
 */
#ifndef HOST_RECORDING_H
#define HOST_RECORDING_H

#include <windows.h>

#include <stddef.h>

#include <memory>
#include <string>
#include <vector>

#define REC_MAXCHANNELS 64  /* the window takes at most 64 host channels */
#define REC_LABELSIZE   64  /* channel name buffer of the window */
#define REC_TEXTSIZE    128

typedef struct tagRECCHANNEL {
    char szLabel[REC_LABELSIZE];      /* name given to the window */
    char szFileLabel[REC_LABELSIZE];  /* label as the file has it */
    char szUnit[16];                  /* physical unit as the file has it */
    WORD wSignalType;                 /* signal type code (QPRJFILE table) */
    DWORD nRate;                      /* samples per second */
    double dUvPerStep;                /* microvolts per 16-bit step, > 0 */
    DWORD nCalValue;                  /* nCalValue / nCalHeight = dUvPerStep */
    DWORD nCalHeight;
    std::vector<short> aSamples;      /* the whole channel; empty when streamed */
    std::vector<short> aPage;         /* the page RecLoadPage loaded */
    /* Streamed channels: where the samples are and how they become steps,
     * step = round((digital - dOffset) * dStepsPerDigital). */
    int nFileSignal;
    unsigned long long nStreamSamples;
    double dOffset;
    double dStepsPerDigital;
    double dUvPerDigital;             /* the file's own resolution */
    int nDigMin, nDigMax;             /* the header's digital range */
} RECCHANNEL;

typedef struct tagRECSTREAM RECSTREAM;  /* an open file, recstream.cpp */

typedef struct tagRECORDING {
    char szFormat[32];                /* "EDF+", "BDF", ... or "built-in" */
    char szName[260];                 /* file name without folder */
    char szPatientName[REC_TEXTSIZE];
    char szPatientId[REC_TEXTSIZE];
    char szPatientField[81];          /* EDF/BDF: the header's patient and recording fields as */
    char szRecordingField[81];        /* they stand (trimmed); empty for other formats */
    int anStart[6];                   /* year, month, day, hour, minute, second */
    double dDuration;                 /* seconds */
    int nSkipped;                     /* channels left out: annotations, unusable */
    std::string strNotes;             /* what the reader left out or changed, one line each */
    std::vector<RECCHANNEL> aChannels;
    std::shared_ptr<RECSTREAM> pStream;  /* set for a streamed recording */
} RECORDING;

DWORD RecBaseRate(const RECORDING *pRec);
/* The base rate of the recording: the rate most channels share (the higher
 * one on a tie), 0 without channels. */

DWORD RecWholeSeconds(const RECORDING *pRec);
/* The duration in whole seconds that every channel covers completely. */

unsigned long long RecChannelSamples(const RECCHANNEL *pCh);
/* The channel's length in samples, held or streamed. */

BOOL RecFitSteps(RECORDING *pRec, DWORD nFFTPoints, std::string *pstrNotes, char *pszError, size_t cbError);
/* Gives every channel the finest step at which its content, offset
 * removed, keeps the plug-in's spectra and ADD sums inside 32 bits for
 * nFFTPoints (ChFineStep): a pass over the file for a streamed recording
 * (RecStreamFitSteps), the held samples mapped anew otherwise. Flat
 * channels (and clipping ones of a file) are named in *pstrNotes. FALSE,
 * with a reason, when a streamed file cannot be read. */

BOOL RecLoadPage(RECORDING *pRec, DWORD nFirstSecond, DWORD nSeconds, char *pszError, size_t cbError);
/* Puts the samples of the nSeconds from nFirstSecond into every channel's
 * aPage (nSeconds * rate steps each; the seconds must lie within
 * RecWholeSeconds). FALSE, with a reason, when a streamed file no longer
 * holds them. */

void RecCopyText(char *pszTo, size_t cbTo, const char *pszFrom);
/* Copies a text into a fixed buffer of cbTo >= 1 bytes, cut to fit and
 * always terminated. */

int RecFindLabel(const RECORDING *pRec, const char *pszLabel);
/* Index of the first channel whose label (or label in the file) equals
 * pszLabel, ignoring ASCII case; -1 when none does. */

#endif /* HOST_RECORDING_H */
