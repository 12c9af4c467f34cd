// A worker's numbers as lines of a batch result.
#include "batchsummary.h"

#include <stdio.h>

#include "csvout.h"

static std::string Cell(const std::vector<double> &ad, size_t i, int nDecimals)
{
    return i < ad.size() ? CsvNumber(ad[i], nDecimals) : "";
}

static void AddCoherence(const COHMATRIX *pCoh, BATCHRESULT *pResult)
{
    size_t nChannels = pCoh->aChannels.size();
    if (pCoh->adValue.size() != pCoh->aBands.size() * nChannels * nChannels)
        return;
    for (size_t a = 0; a < nChannels; a++) {
        for (size_t b = a + 1; b < nChannels; b++) {
            for (size_t k = 0; k < pCoh->aBands.size(); k++)
                pResult->aLines.push_back({"coherence", {pCoh->aChannels[a], pCoh->aChannels[b], pCoh->aBands[k],
                                                         CsvNumber(CohValue(pCoh, k, a, b), 4)}});
        }
    }
}

void BatchNumbers(const RUNSUMMARY *pSummary, const COHMATRIX *pCoh, BATCHRESULT *pResult)
{
    RESULTLINE bands = {"bands", {}};
    for (const SUMMARYBAND &band : pSummary->aBands)
        bands.aCells.push_back(band.strLabel);
    pResult->aLines.push_back(bands);
    size_t nBands = pSummary->aBands.size();
    for (const SUMMARYCHANNEL &ch : pSummary->aChannels) {
        RESULTLINE line = {"channel", {ch.strTitle}};
        for (size_t b = 0; b < nBands; b++)
            line.aCells.push_back(Cell(ch.adBandPower, b, 4));
        for (size_t b = 0; b < nBands; b++)
            line.aCells.push_back(Cell(ch.adBandShare, b, 2));
        for (double d : {ch.dMeanFreq, ch.dEdgeFreq, ch.dPeakFreq})
            line.aCells.push_back(CsvNumber(d, 2));
        pResult->aLines.push_back(line);
    }
    AddCoherence(pCoh, pResult);
}

bool BatchWriteNumbers(const RUNSUMMARY *pSummary, const COHMATRIX *pCoh, const std::string &strPath, char *pszError,
                       size_t cbError)
{
    BATCHRESULT result;
    BatchNumbers(pSummary, pCoh, &result);
    std::string strError;
    if (ResultWrite(strPath, &result, &strError))
        return true;
    snprintf(pszError, cbError, "%s", strError.c_str());
    return false;
}
