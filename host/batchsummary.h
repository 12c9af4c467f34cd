/*
 * batchsummary.h - a worker's numbers for its batch: the bands, per
 * channel the band powers and shares, mean, edge and peak frequency of the
 * averaged spectrum, and the coherence of every channel pair per band,
 * written by the worker (analyze --result) in the form of a batch result
 * (batchresult.h) for the batch to complete and commit.
 */
#ifndef HOST_BATCHSUMMARY_H
#define HOST_BATCHSUMMARY_H

#include <stddef.h>

#include <string>

#include "batchresult.h"
#include "cohread.h"
#include "summary.h"

void BatchNumbers(const RUNSUMMARY *pSummary, const COHMATRIX *pCoh, BATCHRESULT *pResult);
/* Adds the "bands" line, one "channel" line per channel and one
 * "coherence" line per channel pair (a before b) and band. */

bool BatchWriteNumbers(const RUNSUMMARY *pSummary, const COHMATRIX *pCoh, const std::string &strPath, char *pszError,
                       size_t cbError);
/* BatchNumbers written to strPath as a result file; false, with a reason,
 * when it cannot be written. */

#endif /* HOST_BATCHSUMMARY_H */
