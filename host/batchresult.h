/*
 * batchresult.h - one recording's result in a batch, in a file of its own
 * in the recording's folder under the batch folder.
 *
 * The folder is named from the file's base name and a short hash of its
 * path as given (two recordings with the same base name in different
 * folders do not collide). The result file is written under a temporary
 * name and renamed last: a result file that exists is complete, so a
 * worker or cluster task killed half-way leaves nothing a merge would take
 * as a result. It holds lines of RFC 4180 cells, the first naming what
 * the line holds:
 *
 *   qfftana-result,1
 *   file,PATH                          the path as given
 *   options,ARG,ARG,...                analysis options the run was made with
 *   bands,LABEL,...                    the bands of the settings, UTF-8
 *   channel,TITLE,POWER...,SHARE...,MEAN,EDGE,PEAK
 *   coherence,CHANNEL A,CHANNEL B,BAND,VALUE
 *   error,MESSAGE                      in place of channels and coherence
 *
 * Numbers are stored as the tables print them, so that a merge writes the
 * same bytes as the batch that made them.
 */
#ifndef HOST_BATCHRESULT_H
#define HOST_BATCHRESULT_H

#include <string>
#include <vector>

#define RESULT_FILE "result.csv"

typedef struct tagRESULTLINE {
    std::string strTag;                   // "channel", "coherence", ...
    std::vector<std::string> aCells;      // the cells after the tag
} RESULTLINE;

typedef struct tagBATCHRESULT {
    std::string strFile;                  // path as given
    std::vector<std::string> aOptions;
    std::string strError;                 // empty: analysed
    std::vector<RESULTLINE> aLines;       // bands, channel and coherence lines
} BATCHRESULT;

std::string ResultFolderName(const std::string &strFile);
/* "BASE-HHHHHHHH": the base name without its extension and the FNV-1a
 * hash of the path as given, in hex. */

bool ResultWrite(const std::string &strPath, const BATCHRESULT *pResult, std::string *pstrError);
/* Writes the result under a temporary name beside strPath and renames it
 * to strPath; false, with a reason, when that fails (nothing is left). */

bool ResultRead(const std::string &strPath, BATCHRESULT *pResult);
/* Reads a result file; false when it is missing or not a result file. */

#endif /* HOST_BATCHRESULT_H */
