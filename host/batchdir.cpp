// The batch folder's lock and list of recordings.
#include "batchdir.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "atomicfile.h"

bool BatchLock(const std::string &strDir, bool bShared, int *pfdLock, std::string *pstrError)
{
    if (mkdir(strDir.c_str(), 0755) != 0 && errno != EEXIST) {
        *pstrError = "cannot create the folder " + strDir + ": " + strerror(errno);
        return false;
    }
    std::string strLock = strDir + "/.lock";
    int fd = open(strLock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        *pstrError = "cannot open the lock file " + strLock + ": " + strerror(errno);
        return false;
    }
    if (flock(fd, (bShared ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0) {
        int nErrno = errno;
        close(fd);
        *pstrError = nErrno == EWOULDBLOCK
                   ? strDir + " is in use by another batch or merge (it holds " + strLock
                         + "); wait for it to end or choose another --out folder"
                   : "cannot lock " + strLock + ": " + strerror(nErrno);
        return false;
    }
    *pfdLock = fd;
    return true;
}

int BatchLockSettings(const std::string &strDir)
{
    int fd = open((strDir + "/.lock-settings").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd >= 0) {
        while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    return fd;
}

bool BatchWriteList(const std::string &strDir, const std::vector<std::string> &aFiles, std::string *pstrError)
{
    std::string strText;
    for (const std::string &strFile : aFiles) {
        if (strFile.find_first_of("\r\n") != std::string::npos) {
            *pstrError = "a recording's path holds a line break; rename the file";
            return false;
        }
        strText += strFile + "\n";
    }
    return AtomicWriteFile(strDir + "/" BATCH_LIST, strText, pstrError);
}

bool BatchReadList(const std::string &strDir, std::vector<std::string> *paFiles, std::string *pstrError)
{
    paFiles->clear();
    std::string strPath = strDir + "/" BATCH_LIST;
    std::ifstream in(strPath, std::ios::binary);
    if (!in) {
        *pstrError = "cannot read " + strPath + " (is " + strDir + " a batch folder?)";
        return false;
    }
    std::string strLine;
    while (std::getline(in, strLine)) {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        if (!strLine.empty())
            paFiles->push_back(strLine);
    }
    return true;
}
