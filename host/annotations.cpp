// The annotations of an EDF+ or BDF+ file, read record by record.
#include "annotations.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "readat.h"

static BOOL Fail(char *pszError, size_t cbError, const char *pszPath, const char *pszWhat)
{
    snprintf(pszError, cbError, "%s: %s", pszPath, pszWhat);
    return FALSE;
}

static BOOL ReadHeader(int fd, unsigned long long cbFile, EDFHEADER *pHdr, char *pszWhat, size_t cbWhat)
{
    std::vector<unsigned char> ab(EDF_FIXEDSIZE);
    if (cbFile < EDF_FIXEDSIZE || !ReadAt(fd, 0, EDF_FIXEDSIZE, ab.data()) || !EdfIsEdfOrBdf(ab.data(), ab.size())) {
        snprintf(pszWhat, cbWhat, "no EDF+ or BDF+ header");
        return FALSE;
    }
    size_t cbHeader = EdfHeaderSize(ab.data(), ab.size());
    if (cbHeader > EDF_FIXEDSIZE && cbHeader <= cbFile) {
        ab.resize(cbHeader);
        if (!ReadAt(fd, 0, cbHeader, ab.data())) {
            snprintf(pszWhat, cbWhat, "the header cannot be read");
            return FALSE;
        }
    }
    return EdfParseHeader(ab.data(), ab.size(), cbFile, pHdr, pszWhat, cbWhat);
}

// The annotations of every record; the first time stamp becomes time 0.
static BOOL ReadRecords(int fd, const EDFHEADER &hdr, const char *pszPath, std::vector<EDFANNOTATION> *paOut,
                        char *pszError, size_t cbError)
{
    size_t cbSample = hdr.bBdf ? 3 : 2;
    std::vector<unsigned char> ab;
    BOOL bStartKnown = FALSE;
    double dStart = 0.0;
    for (long long r = 0; r < hdr.nRecords; r++) {
        for (const EDFSIGNAL &sig : hdr.aSignals) {
            if (!sig.bAnnotation)
                continue;
            ab.resize((size_t)sig.nSamples * cbSample);
            unsigned long long nAt = hdr.cbHeader + (unsigned long long)r * hdr.cbRecord + sig.cbOffset;
            if (!ReadAt(fd, nAt, ab.size(), ab.data()))
                return Fail(pszError, cbError, pszPath, "the file ends before its annotations");
            std::vector<EDFANNOTATION> aAnn;
            if (!EdfParseTals(ab.data(), ab.size(), &aAnn)) {
                char szWhat[128];
                snprintf(szWhat, sizeof(szWhat), "the annotation list of data record %lld is damaged", r + 1);
                return Fail(pszError, cbError, pszPath, szWhat);
            }
            for (const EDFANNOTATION &ann : aAnn) {
                if (!bStartKnown) {
                    dStart = ann.dOnset;   // the first record's time stamp
                    bStartKnown = TRUE;
                }
                if (!ann.strText.empty())
                    paOut->push_back(ann);
            }
        }
    }
    for (EDFANNOTATION &ann : *paOut)
        ann.dOnset -= dStart;
    return TRUE;
}

BOOL AnnRead(const char *pszPath, std::vector<EDFANNOTATION> *paOut, char *pszError, size_t cbError)
{
    paOut->clear();
    int fd = open(pszPath, O_RDONLY);
    if (fd < 0)
        return Fail(pszError, cbError, pszPath, strerror(errno));
    std::unique_ptr<int, void (*)(int *)> closer(&fd, [](int *pfd) { close(*pfd); });
    struct stat st;
    if (fstat(fd, &st) != 0)
        return Fail(pszError, cbError, pszPath, strerror(errno));
    EDFHEADER hdr;
    char szWhat[200];
    if (!ReadHeader(fd, (unsigned long long)st.st_size, &hdr, szWhat, sizeof(szWhat)))
        return Fail(pszError, cbError, pszPath, szWhat);
    if (!hdr.bPlus)
        return Fail(pszError, cbError, pszPath, "holds no annotations (only EDF+ and BDF+ files have them)");
    return ReadRecords(fd, hdr, pszPath, paOut, pszError, cbError);
}
