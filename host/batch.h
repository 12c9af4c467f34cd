/*
 * batch.h - many recordings analysed, each in a worker process of its
 * own, into one batch folder, and tabulated together.
 *
 *   DIR/files.txt          the recordings as given, in order (batchdir.h)
 *   DIR/NAME/report.csv    each recording's report (NAME: batchresult.h)
 *   DIR/NAME/settings/     the settings it was analysed with, copied from
 *                          the batch's settings folder before it starts
 *   DIR/NAME/worker.log    the worker's messages
 *   DIR/NAME/result.csv    its result, written last (batchresult.h)
 *   DIR/summary.csv, DIR/coherence.csv   the tables (merge.h)
 *
 * A worker that crashes, is killed or refuses its file fails that
 * recording only, with the reason in the table. A recording that changes
 * or disappears while it is analysed fails with a reason too. A recording
 * whose successful result is newer than the file and was made with the
 * same analysis options is not analysed again.
 */
#ifndef HOST_BATCH_H
#define HOST_BATCH_H

#include "cmdline.h"

int BatchRun(const HOSTOPTIONS *pOpt);
/* qfftana batch: exit status 0 when every recording was analysed, 1 when
 * one or more failed (the tables are written either way), 2 when the
 * folder is in use by another batch or cannot be had. */

int BatchRunOne(const HOSTOPTIONS *pOpt);
/* qfftana batch-one: the first of pOpt->aFiles into the batch folder, as
 * one task of a job array does; exit status as BatchRun. The folder's
 * files.txt is the caller's to write. */

int BatchMerge(const HOSTOPTIONS *pOpt);
/* qfftana merge DIR: the tables again from the results in DIR; exit
 * status 0, 1 when a recording has no usable result, 2 when DIR is in use
 * or not a batch folder. */

#endif /* HOST_BATCH_H */
