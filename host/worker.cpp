// Worker processes: this program started again for one recording.
#include "worker.h"

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "progress.h"

std::string WorkerProgram(void)
{
    char szExe[PATH_MAX];
    ssize_t cch = readlink("/proc/self/exe", szExe, sizeof(szExe) - 1);
    if (cch <= 0)
        return "qfftana";
    szExe[cch] = '\0';
    return szExe;
}

// In the child, between fork and exec: only async-signal-safe calls.
static void ExecChild(const std::string &strProgram, char *const *apszArgv, int fdLog)
{
    int fdNull = open("/dev/null", O_RDWR);
    if (fdNull >= 0) {
        dup2(fdNull, STDIN_FILENO);
        dup2(fdNull, STDOUT_FILENO);
    }
    dup2(fdLog, STDERR_FILENO);
    execv(strProgram.c_str(), apszArgv);
    static const char szFailed[] = "qfftana: cannot start the worker program\n";
    ssize_t cb = write(STDERR_FILENO, szFailed, sizeof(szFailed) - 1);
    (void)cb;
    _exit(127);
}

bool WorkerStart(const std::string &strProgram, const std::vector<std::string> &aArgs, const std::string &strLog,
                 WORKER *pWorker, std::string *pstrError)
{
    std::vector<char *> apszArgv;
    apszArgv.push_back(const_cast<char *>(strProgram.c_str()));
    for (const std::string &str : aArgs)
        apszArgv.push_back(const_cast<char *>(str.c_str()));
    apszArgv.push_back(NULL);
    int fdLog = open(strLog.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fdLog < 0) {
        *pstrError = "cannot write " + strLog + ": " + strerror(errno);
        return false;
    }
    pid_t pid = fork();
    if (pid == 0)
        ExecChild(strProgram, apszArgv.data(), fdLog);
    int nForkErrno = errno;
    close(fdLog);
    if (pid < 0) {
        *pstrError = std::string("cannot start a worker process: ") + strerror(nForkErrno);
        return false;
    }
    pWorker->pid = pid;
    pWorker->strLog = strLog;
    pWorker->dStarted = ProgressSeconds();
    return true;
}

bool WorkerPoll(WORKER *pWorker, bool bWait, int *pnStatus)
{
    if (pWorker->pid == 0)
        return false;
    pid_t pid;
    do {
        pid = waitpid(pWorker->pid, pnStatus, bWait ? 0 : WNOHANG);
    } while (pid < 0 && errno == EINTR);
    if (pid == 0)
        return false;
    if (pid < 0)
        *pnStatus = W_EXITCODE(127, 0);   // not ours to wait for any more: count it as failed
    pWorker->pid = 0;
    return true;
}

void WorkerAwaitAny(void)
{
    siginfo_t info;
    while (waitid(P_ALL, 0, &info, WEXITED | WNOWAIT) != 0 && errno == EINTR) {
    }
}

static std::string LastLine(const std::string &strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    std::string strLine, strLast;
    while (std::getline(in, strLine)) {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        if (!strLine.empty())
            strLast = strLine;
    }
    // The worker's messages begin with the program's name; the table does not need it.
    static const char szPrefix[] = "qfftana: ";
    if (strLast.compare(0, sizeof(szPrefix) - 1, szPrefix) == 0)
        strLast.erase(0, sizeof(szPrefix) - 1);
    return strLast;
}

std::string WorkerFailure(const WORKER *pWorker, int nStatus)
{
    char sz[64];
    if (WIFSIGNALED(nStatus)) {
        snprintf(sz, sizeof(sz), "killed by signal %d", WTERMSIG(nStatus));
        return sz;
    }
    if (WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0)
        return "";
    std::string strLast = LastLine(pWorker->strLog);
    if (!strLast.empty())
        return strLast;
    snprintf(sz, sizeof(sz), "ended with exit status %d", WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1);
    return sz;
}
