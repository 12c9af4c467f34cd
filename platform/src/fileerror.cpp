// Win32 error codes for failed POSIX file calls.
#include "fileerror.h"

#include <errno.h>
#include <sys/stat.h>

static bool FileFolderExists(const std::string &strHostPath)
{
    size_t iSlash = strHostPath.find_last_of('/');
    if (iSlash == std::string::npos)
        return true;
    std::string strFolder = iSlash == 0 ? std::string("/") : strHostPath.substr(0, iSlash);
    struct stat st;
    return stat(strFolder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

DWORD FileErrorFromErrno(int err, const std::string &strHostPath)
{
    switch (err) {
    case ENOENT:
        return FileFolderExists(strHostPath) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case ENOSPC:
        return ERROR_DISK_FULL;
    case ENAMETOOLONG:
        return ERROR_INVALID_NAME;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case EIO:
        return ERROR_WRITE_FAULT;
    case ENOTEMPTY:
        return ERROR_DIR_NOT_EMPTY;
    default:
        return ERROR_ACCESS_DENIED;
    }
}
