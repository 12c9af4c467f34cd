// A worker's numbers as lines of a batch result.
#include "batchsummary.h"

#include <stdio.h>

#include "csvout.h"

static std::string Cell(const std::vector<double> &ad, size_t i, int nDecimals)
{
    return i < ad.size() ? CsvNumber(ad[i], nDecimals) : "";
}

void BatchNumbers(const RUNSUMMARY *pSummary, BATCHRESULT *pResult)
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
}

bool BatchWriteNumbers(const RUNSUMMARY *pSummary, const std::string &strPath, char *pszError, size_t cbError)
{
    BATCHRESULT result;
    BatchNumbers(pSummary, &result);
    std::string strError;
    if (ResultWrite(strPath, &result, &strError))
        return true;
    snprintf(pszError, cbError, "%s", strError.c_str());
    return false;
}
