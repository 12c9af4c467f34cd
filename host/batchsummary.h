/*
 * batchsummary.h - a worker's numbers for its batch: the bands, and per
 * channel the band powers and shares, mean, edge and peak frequency of the
 * averaged spectrum, written by the worker (analyze --result) in the form
 * of a batch result (batchresult.h) for the batch to complete and commit.
 */
#ifndef HOST_BATCHSUMMARY_H
#define HOST_BATCHSUMMARY_H

#include <stddef.h>

#include <string>

#include "batchresult.h"
#include "summary.h"

void BatchNumbers(const RUNSUMMARY *pSummary, BATCHRESULT *pResult);
/* Adds the "bands" line and one "channel" line per channel. */

bool BatchWriteNumbers(const RUNSUMMARY *pSummary, const std::string &strPath, char *pszError, size_t cbError);
/* BatchNumbers written to strPath as a result file; false, with a reason,
 * when it cannot be written. */

#endif /* HOST_BATCHSUMMARY_H */
