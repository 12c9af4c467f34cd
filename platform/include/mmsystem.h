/*
 * mmsystem.h - multimedia file I/O (mmio) of the platform layer.
 *
 * Only plain files are supported: no RIFF chunks, no custom I/O
 * procedures, no memory files. Every handle is checked against the open
 * handles, so a closed or foreign HMMIO gives an error value instead of a
 * crash. Reads and writes go straight to the file (no buffer of our own).
 * Paths follow the layer's rules (see winbase.h).
 */
#ifndef PLATFORM_MMSYSTEM_H
#define PLATFORM_MMSYSTEM_H

#include "windows.h"

#if defined(__cplusplus) && !defined(RC_INVOKED)
extern "C" {
#endif

#define MMSYSERR_NOERROR 0
#define MMSYSERR_INVALHANDLE 5
#define MMSYSERR_INVALPARAM 11

#define MMIOERR_BASE 256
#define MMIOERR_FILENOTFOUND (MMIOERR_BASE + 1)
#define MMIOERR_OUTOFMEMORY (MMIOERR_BASE + 2)
#define MMIOERR_CANNOTOPEN (MMIOERR_BASE + 3)
#define MMIOERR_CANNOTCLOSE (MMIOERR_BASE + 4)
#define MMIOERR_CANNOTREAD (MMIOERR_BASE + 5)
#define MMIOERR_CANNOTWRITE (MMIOERR_BASE + 6)
#define MMIOERR_CANNOTSEEK (MMIOERR_BASE + 7)
#define MMIOERR_PATHNOTFOUND (MMIOERR_BASE + 11)
#define MMIOERR_ACCESSDENIED (MMIOERR_BASE + 12)

#define MMIO_READ 0x00000000
#define MMIO_WRITE 0x00000001
#define MMIO_READWRITE 0x00000002
#define MMIO_COMPAT 0x00000000
#define MMIO_EXCLUSIVE 0x00000010
#define MMIO_DENYWRITE 0x00000020
#define MMIO_DENYREAD 0x00000030
#define MMIO_DENYNONE 0x00000040
#define MMIO_CREATE 0x00001000
#define MMIO_EXIST 0x00004000
#define MMIO_ALLOCBUF 0x00010000

#ifndef SEEK_SET
#define SEEK_SET 0
#define SEEK_CUR 1
#define SEEK_END 2
#endif

#ifndef RC_INVOKED
typedef UINT MMRESULT;
typedef char *HPSTR;
typedef DWORD FOURCC;
typedef LRESULT (CALLBACK *LPMMIOPROC)(LPSTR lpmmioinfo, UINT uMsg, LPARAM lParam1, LPARAM lParam2);

typedef struct _MMIOINFO {
    DWORD dwFlags;
    FOURCC fccIOProc;
    LPMMIOPROC pIOProc;
    UINT wErrorRet;
    HANDLE htask;
    LONG cchBuffer;
    HPSTR pchBuffer;
    HPSTR pchNext;
    HPSTR pchEndRead;
    HPSTR pchEndWrite;
    LONG lBufOffset;
    LONG lDiskOffset;
    DWORD adwInfo[3];
    DWORD dwReserved1;
    DWORD dwReserved2;
    HMMIO hmmio;
} MMIOINFO, *PMMIOINFO, *LPMMIOINFO;
typedef const MMIOINFO *LPCMMIOINFO;

HMMIO WINAPI mmioOpenA(LPSTR pszFileName, LPMMIOINFO pmmioinfo, DWORD fdwOpen);
/* Opens a file: MMIO_READ, MMIO_WRITE or MMIO_READWRITE; with MMIO_CREATE
 * the file is created or emptied. Sharing flags and MMIO_ALLOCBUF are
 * accepted and ignored. MMIO_EXIST only tests whether the file exists and
 * opens nothing: the result is then (HMMIO)TRUE or NULL, never a handle to
 * close. Otherwise a handle, or NULL on failure. When pmmioinfo is given
 * (its input members are ignored), its wErrorRet receives
 * MMIOERR_FILENOTFOUND, MMIOERR_PATHNOTFOUND, MMIOERR_ACCESSDENIED or
 * MMIOERR_CANNOTOPEN on failure and its hmmio the handle on success. */

LONG WINAPI mmioRead(HMMIO hmmio, HPSTR pch, LONG cch);
/* Reads up to cch bytes into pch. Bytes read, 0 at the end of the file,
 * -1 for a bad handle, a handle opened for writing only, cch < 0 or an
 * I/O error. */

LONG WINAPI mmioWrite(HMMIO hmmio, const char *pch, LONG cch);
/* Writes cch bytes from pch. Bytes written (cch), or -1 for a bad handle,
 * a handle opened for reading only, cch < 0 or an I/O error (disk full
 * included: a short write is an error). */

LONG WINAPI mmioSeek(HMMIO hmmio, LONG lOffset, int iOrigin);
/* Moves the file position: iOrigin SEEK_SET, SEEK_CUR or SEEK_END. The
 * new position in bytes from the start, or -1 for a bad handle, a bad
 * origin or a position before the start. */

MMRESULT WINAPI mmioClose(HMMIO hmmio, UINT fuClose);
/* Closes the file and invalidates the handle. MMSYSERR_NOERROR,
 * MMSYSERR_INVALHANDLE for a bad or already closed handle,
 * MMIOERR_CANNOTWRITE when the data could not be written out. */
#endif

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_MMSYSTEM_H */
