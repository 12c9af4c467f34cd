/*
 * batchdir.h - the batch folder: its lock and its list of recordings.
 *
 * A batch holds the folder's lock exclusively while it runs and merges, so
 * that a second batch or merge into the same folder refuses at once
 * instead of mixing results; the tasks of a cluster job array share it.
 * The lock is an flock on DIR/.lock, which the system drops when the
 * process ends, however it ends: no stale lock is left behind.
 *
 * DIR/files.txt lists the recordings, one path as given per line, in the
 * order the tables follow.
 */
#ifndef HOST_BATCHDIR_H
#define HOST_BATCHDIR_H

#include <string>
#include <vector>

#define BATCH_LIST "files.txt"

bool BatchLock(const std::string &strDir, bool bShared, int *pfdLock, std::string *pstrError);
/* Creates DIR when needed and locks it (shared for a task of a job array,
 * else exclusively) without waiting; false, with a reason, when another
 * batch holds it or the folder cannot be had. The lock lasts until
 * *pfdLock is closed or the process ends. */

int BatchLockSettings(const std::string &strDir);
/* Waits for and takes DIR/.lock-settings exclusively; the caller closes
 * the descriptor it returns (-1 when the file cannot be had) when done.
 * The tasks of a job array prepare the settings folder one at a time under
 * it, so none copies a settings file another is still writing. */

bool BatchWriteList(const std::string &strDir, const std::vector<std::string> &aFiles, std::string *pstrError);
/* Writes DIR/files.txt (through a temporary file); false, with a reason,
 * for a path holding a line break or when it cannot be written. */

bool BatchReadList(const std::string &strDir, std::vector<std::string> *paFiles, std::string *pstrError);
/* Reads DIR/files.txt; false, with a reason, when it is missing. */

#endif /* HOST_BATCHDIR_H */
