// A whole file written under a temporary name and renamed into place.
#include "atomicfile.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

bool AtomicWriteFile(const std::string &strPath, const std::string &strBytes, char *pszError, size_t cbError)
{
    const std::string strTemp = strPath + ".tmp-" + std::to_string((long)getpid());
    FILE *pFile = fopen(strTemp.c_str(), "wb");
    if (pFile == NULL) {
        snprintf(pszError, cbError, "cannot write %s: %s", strPath.c_str(), strerror(errno));
        return false;
    }
    bool bOk = fwrite(strBytes.data(), 1, strBytes.size(), pFile) == strBytes.size();
    int nError = errno;
    if (fflush(pFile) != 0 || fsync(fileno(pFile)) != 0) {
        bOk = false;
        nError = errno;
    }
    if (fclose(pFile) != 0 && bOk) {
        bOk = false;
        nError = errno;
    }
    if (bOk && rename(strTemp.c_str(), strPath.c_str()) != 0) {
        bOk = false;
        nError = errno;
    }
    if (!bOk) {
        remove(strTemp.c_str());
        snprintf(pszError, cbError, "cannot write %s: %s", strPath.c_str(), strerror(nError));
    }
    return bOk;
}

bool AtomicWriteFile(const std::string &strPath, const std::string &strBytes, std::string *pstrError)
{
    char szError[512];
    if (AtomicWriteFile(strPath, strBytes, szError, sizeof(szError)))
        return true;
    *pstrError = szError;
    return false;
}
