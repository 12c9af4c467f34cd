/*
 * merge.h - the combined tables of a batch folder, from the results of its
 * recordings, in the order of its file list.
 *
 * DIR/summary.csv: "recording,channel", a power and a share column per
 * band, "mean frequency (Hz),edge frequency (Hz),peak frequency (Hz),error";
 * one row per recording and channel, or one row with the error for a
 * recording that has no result. DIR/coherence.csv: "recording,channel a,
 * channel b,band,coherence", one row per recording, channel pair and band
 * (the coherence of the last page the plug-in analysed). Nothing in
 * them depends on when or where the results were made, so a batch and a
 * merge of the same results give the same bytes.
 */
#ifndef HOST_MERGE_H
#define HOST_MERGE_H

#include <string>

#define MERGE_SUMMARY   "summary.csv"
#define MERGE_COHERENCE "coherence.csv"

bool MergeTables(const std::string &strDir, int *pnRecordings, int *pnFailed, std::string *pstrError);
/* Writes both tables of DIR (each through a temporary file); *pnFailed
 * counts the recordings without a usable result. false, with a reason,
 * when the list cannot be read or a table cannot be written. */

#endif /* HOST_MERGE_H */
