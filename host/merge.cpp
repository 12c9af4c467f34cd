// The combined tables of a batch folder.
#include "merge.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>

#include "atomicfile.h"
#include "batchdir.h"
#include "batchresult.h"
#include "csvout.h"

typedef std::vector<std::string> CELLS;

static const char szNoResult[] = "no result: not analysed yet, or its analysis did not finish";

static const RESULTLINE *FindLine(const BATCHRESULT *pResult, const char *pszTag)
{
    for (const RESULTLINE &line : pResult->aLines) {
        if (line.strTag == pszTag)
            return &line;
    }
    return NULL;
}

static CELLS SummaryHeading(const CELLS &aBands)
{
    CELLS aHeading = {"recording", "channel"};
    for (const std::string &strBand : aBands)
        aHeading.push_back(strBand + " power (uV^2)");
    for (const std::string &strBand : aBands)
        aHeading.push_back(strBand + " share (%)");
    for (const char *psz : {"mean frequency (Hz)", "edge frequency (Hz)", "peak frequency (Hz)", "error"})
        aHeading.push_back(psz);
    return aHeading;
}

// One recording's rows; a result whose bands are not the table's counts as failed.
static bool AddRows(const std::string &strFile, const BATCHRESULT *pResult, const CELLS &aBands, std::string *pstrSummary,
                    std::string *pstrCoherence)
{
    size_t nCells = 2 * aBands.size() + 4;   // title, powers, shares, mean, edge, peak
    std::string strError = pResult->strError;
    const RESULTLINE *pBands = FindLine(pResult, "bands");
    if (strError.empty() && (pBands == NULL || pBands->aCells != aBands))
        strError = "its bands differ from the other recordings' (other settings?)";
    if (strError.empty() && FindLine(pResult, "channel") == NULL)
        strError = "its report has no channel";
    if (!strError.empty()) {
        CELLS aRow(nCells + 2);
        aRow[0] = strFile;
        aRow.back() = strError;
        *pstrSummary += CsvLine(aRow);
        return false;
    }
    for (const RESULTLINE &line : pResult->aLines) {
        CELLS aRow(1, strFile);
        aRow.insert(aRow.end(), line.aCells.begin(), line.aCells.end());
        if (line.strTag == "channel" && line.aCells.size() == nCells) {
            aRow.push_back("");
            *pstrSummary += CsvLine(aRow);
        } else if (line.strTag == "coherence" && line.aCells.size() == 4) {
            *pstrCoherence += CsvLine(aRow);
        }
    }
    return true;
}

bool MergeTables(const std::string &strDir, int *pnRecordings, int *pnFailed, std::string *pstrError)
{
    std::vector<std::string> aFiles;
    if (!BatchReadList(strDir, &aFiles, pstrError))
        return false;
    std::vector<BATCHRESULT> aResults(aFiles.size());
    CELLS aBands;
    bool bBands = false;
    for (size_t i = 0; i < aFiles.size(); i++) {
        BATCHRESULT &result = aResults[i];
        std::string strPath = strDir + "/" + ResultFolderName(aFiles[i]) + "/" RESULT_FILE;
        if (!ResultRead(strPath, &result) || result.strFile != aFiles[i]) {
            result = BATCHRESULT();
            result.strError = szNoResult;
        }
        // The table's bands are those of the first recording analysed.
        const RESULTLINE *pBands = FindLine(&result, "bands");
        if (!bBands && result.strError.empty() && pBands != NULL) {
            aBands = pBands->aCells;
            bBands = true;
        }
    }
    std::string strSummary = CsvLine(SummaryHeading(aBands));
    std::string strCoherence = CsvLine({"recording", "channel a", "channel b", "band", "coherence"});
    *pnRecordings = (int)aFiles.size();
    *pnFailed = 0;
    for (size_t i = 0; i < aFiles.size(); i++) {
        if (!AddRows(aFiles[i], &aResults[i], aBands, &strSummary, &strCoherence))
            ++*pnFailed;
    }
    return AtomicWriteFile(strDir + "/" MERGE_SUMMARY, strSummary, pstrError)
        && AtomicWriteFile(strDir + "/" MERGE_COHERENCE, strCoherence, pstrError);
}
