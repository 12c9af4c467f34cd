// Kernel file functions: copy, delete, attributes, folders.
#include <windows.h>

#include "fileerror.h"
#include "path.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Host path for a caller's name; FALSE with ERROR_INVALID_PARAMETER /
// ERROR_PATH_NOT_FOUND for a NULL or empty one.
static bool FilesHostPath(LPCSTR pszName, std::string &strHost)
{
    if (!pszName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    strHost = PathToHost(pszName);
    if (strHost.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    return true;
}

static BOOL FilesFail(int err, const std::string &strHost)
{
    SetLastError(FileErrorFromErrno(err, strHost));
    return FALSE;
}

static bool FilesWriteAll(int fd, const char *pb, size_t cb)
{
    while (cb > 0) {
        ssize_t n = write(fd, pb, cb);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        pb += n;
        cb -= (size_t)n;
    }
    return true;
}

// Copies every byte of fdIn to fdOut; errno tells why on failure.
static bool FilesCopyBytes(int fdIn, int fdOut)
{
    char ab[65536];
    for (;;) {
        ssize_t n = read(fdIn, ab, sizeof(ab));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!FilesWriteAll(fdOut, ab, (size_t)n))
            return false;
    }
}

extern "C" BOOL WINAPI CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists)
{
    std::string strSrc, strDst;
    if (!FilesHostPath(lpExistingFileName, strSrc) || !FilesHostPath(lpNewFileName, strDst))
        return FALSE;
    int fdIn = open(strSrc.c_str(), O_RDONLY | O_CLOEXEC);
    if (fdIn < 0)
        return FilesFail(errno, strSrc);
    struct stat stIn, stOut;
    if (fstat(fdIn, &stIn) != 0 || S_ISDIR(stIn.st_mode)) {
        close(fdIn);
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    // Truncating the target would destroy the source when both are one file.
    if (stat(strDst.c_str(), &stOut) == 0 && stOut.st_dev == stIn.st_dev && stOut.st_ino == stIn.st_ino) {
        close(fdIn);
        SetLastError(bFailIfExists ? ERROR_FILE_EXISTS : ERROR_SHARING_VIOLATION);
        return FALSE;
    }
    int fOpen = O_WRONLY | O_CREAT | O_CLOEXEC | (bFailIfExists ? O_EXCL : O_TRUNC);
    int fdOut = open(strDst.c_str(), fOpen, stIn.st_mode & 0666);
    if (fdOut < 0) {
        int err = errno;
        close(fdIn);
        return FilesFail(err, strDst);
    }
    bool bOk = FilesCopyBytes(fdIn, fdOut);
    int err = errno;
    close(fdIn);
    if (close(fdOut) != 0 && bOk) {
        bOk = false;
        err = errno;
    }
    if (!bOk)
        return FilesFail(err, strDst);
    return TRUE;
}

extern "C" BOOL WINAPI MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags)
{
    std::string strSrc, strDst;
    if (!FilesHostPath(lpExistingFileName, strSrc) || !FilesHostPath(lpNewFileName, strDst))
        return FALSE;
    struct stat st;
    if (stat(strDst.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
        if (!(dwFlags & MOVEFILE_REPLACE_EXISTING)) {
            SetLastError(ERROR_ALREADY_EXISTS);
            return FALSE;
        }
    }
    if (rename(strSrc.c_str(), strDst.c_str()) != 0)
        return FilesFail(errno, strSrc);
    return TRUE;
}

extern "C" BOOL WINAPI DeleteFileA(LPCSTR lpFileName)
{
    std::string strHost;
    if (!FilesHostPath(lpFileName, strHost))
        return FALSE;
    struct stat st;
    if (stat(strHost.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (unlink(strHost.c_str()) != 0)
        return FilesFail(errno, strHost);
    return TRUE;
}

extern "C" DWORD WINAPI GetFileAttributesA(LPCSTR lpFileName)
{
    std::string strHost;
    if (!FilesHostPath(lpFileName, strHost))
        return INVALID_FILE_ATTRIBUTES;
    struct stat st;
    if (stat(strHost.c_str(), &st) != 0) {
        FilesFail(errno, strHost);
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD dwAttr = S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    if (access(strHost.c_str(), W_OK) != 0)
        dwAttr |= FILE_ATTRIBUTE_READONLY;
    return dwAttr;
}

extern "C" BOOL WINAPI CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES)
{
    std::string strHost;
    if (!FilesHostPath(lpPathName, strHost))
        return FALSE;
    if (mkdir(strHost.c_str(), 0777) == 0)
        return TRUE;
    if (errno == EEXIST) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    if (errno == ENOENT) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    return FilesFail(errno, strHost);
}
