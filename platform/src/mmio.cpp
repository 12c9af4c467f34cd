// Multimedia file I/O on plain files (see mmsystem.h).
#include <windows.h>
#include <mmsystem.h>

#include "fileerror.h"
#include "path.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>

namespace {

struct MMIOFILE {
    int fd;
    DWORD fdwAccess; // MMIO_READ, MMIO_WRITE or MMIO_READWRITE
};

// Open files by handle value. Handle values are counted up and never
// reused, so a handle kept after mmioClose can never reach another file.
std::map<uintptr_t, MMIOFILE> g_files;
uintptr_t g_uNextHandle = 0x10000;

} // namespace

static MMIOFILE *MmioFind(HMMIO hmmio)
{
    auto it = g_files.find((uintptr_t)hmmio);
    return it == g_files.end() ? nullptr : &it->second;
}

static UINT MmioOpenError(int err, const std::string &strHost)
{
    switch (FileErrorFromErrno(err, strHost)) {
    case ERROR_FILE_NOT_FOUND:
        return MMIOERR_FILENOTFOUND;
    case ERROR_PATH_NOT_FOUND:
        return MMIOERR_PATHNOTFOUND;
    case ERROR_ACCESS_DENIED:
        return MMIOERR_ACCESSDENIED;
    default:
        return MMIOERR_CANNOTOPEN;
    }
}

static bool MmioIsFile(const std::string &strHost)
{
    struct stat st;
    return !strHost.empty() && stat(strHost.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

static int MmioOpenFlags(DWORD fdwOpen)
{
    DWORD fdwAccess = fdwOpen & 3;
    int fOpen = O_CLOEXEC;
    if (fdwOpen & MMIO_CREATE)
        return fOpen | O_CREAT | O_TRUNC | (fdwAccess == MMIO_WRITE ? O_WRONLY : O_RDWR);
    if (fdwAccess == MMIO_WRITE)
        return fOpen | O_WRONLY;
    return fOpen | (fdwAccess == MMIO_READWRITE ? O_RDWR : O_RDONLY);
}

extern "C" HMMIO WINAPI mmioOpenA(LPSTR pszFileName, LPMMIOINFO pmmioinfo, DWORD fdwOpen)
{
    std::string strHost = PathToHost(pszFileName);
    if (fdwOpen & MMIO_EXIST)
        return MmioIsFile(strHost) ? (HMMIO)(uintptr_t)TRUE : nullptr;
    if (pmmioinfo)
        pmmioinfo->wErrorRet = 0;
    DWORD fdwAccess = fdwOpen & 3;
    int fd = -1;
    if (!strHost.empty() && fdwAccess != 3) {
        // A folder opens read-only on Linux; for mmio it is no file.
        struct stat st;
        if (stat(strHost.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            errno = EISDIR;
        else
            fd = open(strHost.c_str(), MmioOpenFlags(fdwOpen), 0666);
    } else {
        errno = strHost.empty() ? ENOENT : EINVAL;
    }
    if (fd < 0) {
        if (pmmioinfo)
            pmmioinfo->wErrorRet = MmioOpenError(errno, strHost);
        return nullptr;
    }
    uintptr_t uHandle = g_uNextHandle;
    g_uNextHandle += 4;
    g_files[uHandle] = MMIOFILE{fd, fdwAccess};
    if (pmmioinfo)
        pmmioinfo->hmmio = (HMMIO)uHandle;
    return (HMMIO)uHandle;
}

extern "C" LONG WINAPI mmioRead(HMMIO hmmio, HPSTR pch, LONG cch)
{
    MMIOFILE *pFile = MmioFind(hmmio);
    if (!pFile || pFile->fdwAccess == MMIO_WRITE || cch < 0 || (!pch && cch > 0))
        return -1;
    LONG cchRead = 0;
    while (cchRead < cch) {
        ssize_t n = read(pFile->fd, pch + cchRead, (size_t)(cch - cchRead));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        cchRead += (LONG)n;
    }
    return cchRead;
}

extern "C" LONG WINAPI mmioWrite(HMMIO hmmio, const char *pch, LONG cch)
{
    MMIOFILE *pFile = MmioFind(hmmio);
    if (!pFile || pFile->fdwAccess == MMIO_READ || cch < 0 || (!pch && cch > 0))
        return -1;
    LONG cchDone = 0;
    while (cchDone < cch) {
        ssize_t n = write(pFile->fd, pch + cchDone, (size_t)(cch - cchDone));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return -1;
        cchDone += (LONG)n;
    }
    return cchDone;
}

extern "C" LONG WINAPI mmioSeek(HMMIO hmmio, LONG lOffset, int iOrigin)
{
    MMIOFILE *pFile = MmioFind(hmmio);
    if (!pFile || (iOrigin != SEEK_SET && iOrigin != SEEK_CUR && iOrigin != SEEK_END))
        return -1;
    off_t pos = lseek(pFile->fd, (off_t)lOffset, iOrigin);
    if (pos < 0 || pos > 0x7FFFFFFF)
        return -1;
    return (LONG)pos;
}

extern "C" MMRESULT WINAPI mmioClose(HMMIO hmmio, UINT)
{
    MMIOFILE *pFile = MmioFind(hmmio);
    if (!pFile)
        return MMSYSERR_INVALHANDLE;
    int fd = pFile->fd;
    g_files.erase((uintptr_t)hmmio);
    return close(fd) == 0 ? MMSYSERR_NOERROR : MMIOERR_CANNOTWRITE;
}
