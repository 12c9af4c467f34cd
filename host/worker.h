/*
 * worker.h - one recording's analysis in a process of its own: this same
 * program run as "qfftana analyze", so that a crash, a signal or a bad
 * file ends that process only. Its standard error goes to a log file,
 * whose last line is the worker's reason when it fails.
 */
#ifndef HOST_WORKER_H
#define HOST_WORKER_H

#include <sys/types.h>

#include <string>
#include <vector>

typedef struct tagWORKER {
    pid_t pid;                 // 0: not running
    std::string strLog;        // standard error of the worker
    double dStarted;           // ProgressSeconds() at the start
} WORKER;

bool WorkerStart(const std::string &strProgram, const std::vector<std::string> &aArgs, const std::string &strLog,
                 WORKER *pWorker, std::string *pstrError);
/* Starts the program (WorkerProgram() for a batch) with the arguments
 * after its name, its standard output discarded and its standard error
 * written to strLog.
 * false, with a reason, when no process could be started. */

bool WorkerPoll(WORKER *pWorker, bool bWait, int *pnStatus);
/* Whether the worker has ended (waiting for it when bWait); *pnStatus
 * then holds its wait status and pWorker->pid is 0. */

void WorkerAwaitAny(void);
/* Waits until a child of this process has ended (or returns at once when
 * one has), leaving it for WorkerPoll to collect. */

std::string WorkerFailure(const WORKER *pWorker, int nStatus);
/* Why a worker with this wait status failed: "killed by signal N", else
 * the last line of its standard error, else "ended with exit status N";
 * empty when it exited with status 0. */

std::string WorkerProgram(void);
/* The path of this program, as the kernel knows it. */

#endif /* HOST_WORKER_H */
