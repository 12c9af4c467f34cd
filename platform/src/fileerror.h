// Win32 error codes for failed POSIX file calls, shared by the file,
// profile and multimedia-file functions.
#ifndef PLATFORM_SRC_FILEERROR_H
#define PLATFORM_SRC_FILEERROR_H

#include <windows.h>

#include <string>

// The Win32 error for errno value err from an operation on host path
// strHostPath: a missing name is ERROR_FILE_NOT_FOUND when its folder
// exists and ERROR_PATH_NOT_FOUND when not, as Windows tells them apart.
DWORD FileErrorFromErrno(int err, const std::string &strHostPath);

#endif
