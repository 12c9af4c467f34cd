// Windows-style paths as Linux paths, for every file function of the layer.
//
// Rules, in order:
//  - A drive prefix ("C:") is dropped: "C:\data\x.ini" names "/data/x.ini"
//    and "C:x.ini" names "x.ini" in the current folder. The layer has one
//    file system, so a drive letter carries no information.
//  - "\" and "/" both separate. A "\" that is the second byte of a CP932
//    double-byte character (as in many kanji) is not a separator.
//  - ANSI paths are CP932, as on a Japanese Windows; a path with non-ASCII
//    bytes is converted to UTF-8, the Linux file system's encoding. Bytes
//    that are not valid CP932 are kept unchanged.
//  - A relative path stays relative to the current folder (Windows would
//    resolve a bare profile file name to its Windows folder instead).
//  - Names keep their case: unlike Windows, the Linux file system is case
//    sensitive, so "QFFTANA.INI" and "qfftana.ini" are different files.
#ifndef PLATFORM_SRC_PATH_H
#define PLATFORM_SRC_PATH_H

#include <string>

// Linux path for pszWinPath; "" for NULL or "".
std::string PathToHost(const char *pszWinPath);

// TRUE when byte c opens a two-byte CP932 character (the next byte belongs
// to it and is never a separator or a letter to case-fold).
bool PathIsLeadByte(unsigned char c);

#endif
