/*
 * edffile.h - the EDF, EDF+, BDF and BDF+ file layout, decoded by our own
 * code: the header, the samples of a data record and the time-stamped
 * annotation lists (TALs) of EDF+ and BDF+.
 *
 * Every function works on bytes it is given, bounded by their length, and
 * keeps no state between calls: a damaged or hostile file gives an error,
 * never a read outside its buffer.
 */
#ifndef HOST_EDFFILE_H
#define HOST_EDFFILE_H

#include <windows.h>

#include <stddef.h>

#include <string>
#include <vector>

#define EDF_FIXEDSIZE   256     /* the fixed part of the header */
#define EDF_MAXSIGNALS  4096

typedef struct tagEDFSIGNAL {
    char szLabel[17];
    char szUnit[9];
    double dPhysMin, dPhysMax;
    int nDigMin, nDigMax;
    DWORD nSamples;             /* samples per data record */
    size_t cbOffset;            /* where the signal starts within a record */
    BOOL bAnnotation;           /* "EDF Annotations" / "BDF Annotations" */
} EDFSIGNAL;

typedef struct tagEDFHEADER {
    BOOL bBdf;                  /* 24-bit samples */
    BOOL bPlus;                 /* EDF+ / BDF+ */
    BOOL bDiscontinuous;        /* EDF+D / BDF+D */
    char szPatient[81];         /* local patient field, trimmed */
    char szRecording[81];       /* local recording field, trimmed */
    int anStart[6];             /* year, month, day, hour, minute, second */
    size_t cbHeader;
    size_t cbRecord;            /* bytes of one data record */
    long long nRecordsDeclared; /* -1: unknown (the file was being written) */
    long long nRecords;         /* complete records the file holds */
    double dRecordSeconds;
    std::vector<EDFSIGNAL> aSignals;
} EDFHEADER;

typedef struct tagEDFANNOTATION {
    double dOnset;              /* seconds from the start */
    double dDuration;           /* seconds, -1 when not given */
    std::string strText;        /* empty for a record's time-keeping entry */
} EDFANNOTATION;

BOOL EdfIsEdfOrBdf(const unsigned char *pb, size_t cb);
/* Whether the bytes begin as EDF ("0" and blanks) or BDF (0xFF "BIOSEMI"). */

size_t EdfHeaderSize(const unsigned char *pb, size_t cb);
/* The header size the fixed part announces (256 per signal plus 256), or 0
 * when cb < 256 or the signal count is no number in 1..EDF_MAXSIGNALS. */

BOOL EdfParseHeader(const unsigned char *pb, size_t cb, unsigned long long cbFile, EDFHEADER *pHdr,
                    char *pszError, size_t cbError);
/* Decodes the header in pb (cb bytes, at least EdfHeaderSize) of a file
 * of cbFile bytes. Checks that numeric fields are numbers, the header size
 * matches the signal count, every signal has samples, and that the file
 * holds the records the header declares; a file whose count is -1 holds
 * its complete records (a partial last one is left out). Signals whose
 * digital range is empty stay in the list (the caller skips them). FALSE,
 * with a one-line reason, otherwise. */

int EdfSample(const unsigned char *pb, BOOL bBdf);
/* One little-endian sample: 16 bits (EDF) or 24 bits (BDF), signed. */

BOOL EdfParseTals(const unsigned char *pb, size_t cb, std::vector<EDFANNOTATION> *paOut);
/* Appends the annotations of one record's annotation signal (cb bytes).
 * FALSE when a list is malformed; those before it are kept. */

#endif /* HOST_EDFFILE_H */
