// Damaged EDF, EDF+, BDF and BDF+ files through our own decoder, as the host
// reads them: the header, the pre-pass that fits each channel's step, then
// every page. Each must end in a result or a one-line reason, reading only
// what the file holds; the annotation lists of every record are decoded too.
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "edffile.h"
#include "fuzzcommon.h"
#include "recstream.h"

namespace {

const DWORD kMaxPages = 32;

void CheckReason(const char *pszWhat, const char *pszError, size_t cbError)
{
    if (strnlen(pszError, cbError) == cbError || pszError[0] == '\0')
        FuzzFail("%s failed without a terminated reason", pszWhat);
}

// The annotation lists of every record, straight from the bytes.
void DecodeAnnotations(const uint8_t *pb, size_t cb)
{
    EDFHEADER hdr;
    char szError[256];
    size_t cbHeader = EdfHeaderSize(pb, cb);
    if (cbHeader == 0 || cbHeader > cb || !EdfParseHeader(pb, cbHeader, cb, &hdr, szError, sizeof(szError)))
        return;
    std::vector<EDFANNOTATION> aNotes;
    for (long long r = 0; r < hdr.nRecords; r++) {
        const uint8_t *pbRecord = pb + hdr.cbHeader + (size_t)r * hdr.cbRecord;
        for (const EDFSIGNAL &sig : hdr.aSignals) {
            size_t cbSample = hdr.bBdf ? 3 : 2;
            if (sig.cbOffset + sig.nSamples * cbSample > hdr.cbRecord)
                FuzzFail("a signal reaches beyond its record");
            if (sig.bAnnotation)
                EdfParseTals(pbRecord + sig.cbOffset, sig.nSamples * cbSample, &aNotes);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pbData, size_t cbData)
{
    static const std::string sPath = FuzzTempDir("recording") + "input.edf";
    FILE *pFile = fopen(sPath.c_str(), "wb");
    if (pFile == NULL)
        FuzzFail("cannot write %s", sPath.c_str());
    fwrite(pbData, 1, cbData, pFile);
    fclose(pFile);

    if (EdfIsEdfOrBdf(pbData, cbData))
        DecodeAnnotations(pbData, cbData);
    RECORDING rec;
    char szError[256] = "";
    if (!RecStreamOpen(sPath.c_str(), &rec, szError, sizeof(szError))) {
        CheckReason("opening", szError, sizeof(szError));
        return 0;
    }
    std::string strNotes;
    if (!RecStreamFitSteps(&rec, 1024, &strNotes, szError, sizeof(szError))) {
        CheckReason("the pre-pass", szError, sizeof(szError));
        return 0;
    }
    DWORD nSeconds = RecWholeSeconds(&rec);
    for (DWORD s = 0; s < nSeconds && s < kMaxPages; s++) {
        if (!RecStreamLoadPage(&rec, s, 1, szError, sizeof(szError))) {
            CheckReason("a page", szError, sizeof(szError));
            return 0;
        }
        for (const RECCHANNEL &ch : rec.aChannels)
            if (ch.aPage.size() != ch.nRate)
                FuzzFail("a page of %zu samples at %u Hz", ch.aPage.size(), ch.nRate);
    }
    return 0;
}
