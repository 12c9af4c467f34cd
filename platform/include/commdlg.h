/*
 * commdlg.h - the open and save file dialogs of the platform layer.
 *
 * Headless: no dialog is shown. Each call takes the next answer that a
 * test or the host simulator queued through the automation API (a path,
 * as the user would have typed or picked it, or a cancel); with no answer
 * queued the dialog counts as cancelled. Every call is logged with what the
 * caller passed. Prompts the dialog would show (overwrite, create) are
 * taken as confirmed. The answers and the log belong to the one
 * user-interface thread.
 */
#ifndef PLATFORM_COMMDLG_H
#define PLATFORM_COMMDLG_H

#include "windows.h"

#if defined(__cplusplus) && !defined(RC_INVOKED)
extern "C" {
#endif

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_SHOWHELP 0x00000010
#define OFN_ENABLEHOOK 0x00000020
#define OFN_ENABLETEMPLATE 0x00000040
#define OFN_ENABLETEMPLATEHANDLE 0x00000080
#define OFN_NOVALIDATE 0x00000100
#define OFN_ALLOWMULTISELECT 0x00000200
#define OFN_EXTENSIONDIFFERENT 0x00000400
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_CREATEPROMPT 0x00002000
#define OFN_SHAREAWARE 0x00004000
#define OFN_NOREADONLYRETURN 0x00008000
#define OFN_NOTESTFILECREATE 0x00010000
#define OFN_NONETWORKBUTTON 0x00020000
#define OFN_NOLONGNAMES 0x00040000
#define OFN_EXPLORER 0x00080000
#define OFN_NODEREFERENCELINKS 0x00100000
#define OFN_LONGNAMES 0x00200000

#define CDERR_DIALOGFAILURE 0xFFFF
#define CDERR_STRUCTSIZE 0x0001
#define CDERR_INITIALIZATION 0x0002
#define FNERR_SUBCLASSFAILURE 0x3001
#define FNERR_INVALIDFILENAME 0x3002
#define FNERR_BUFFERTOOSMALL 0x3003

#ifndef RC_INVOKED
typedef UINT_PTR (CALLBACK *LPOFNHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagOFNA {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCSTR lpstrFilter;
    LPSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    LPSTR lpstrFile;
    DWORD nMaxFile;
    LPSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCSTR lpstrInitialDir;
    LPCSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCSTR lpstrDefExt;
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCSTR lpTemplateName;
    void *pvReserved;
    DWORD dwReserved;
    DWORD FlagsEx;
} OPENFILENAMEA, *LPOPENFILENAMEA;
typedef OPENFILENAMEA OPENFILENAME;
typedef LPOPENFILENAMEA LPOPENFILENAME;

/* Size of the classic layout, up to and including lpTemplateName (76
 * bytes in a 32-bit build). */
#define OPENFILENAME_SIZE_VERSION_400A (offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR))
#define OPENFILENAME_SIZE_VERSION_400 OPENFILENAME_SIZE_VERSION_400A

BOOL WINAPI GetSaveFileNameA(LPOPENFILENAMEA lpofn);
/* The save dialog. lStructSize must be OPENFILENAME_SIZE_VERSION_400A or
 * sizeof(OPENFILENAMEA) (else FALSE, CDERR_STRUCTSIZE); lpstrFile and
 * nMaxFile must be given (else FALSE, CDERR_INITIALIZATION). On an answer
 * the full path goes into lpstrFile: a bare file name is put in the folder
 * of the initial lpstrFile if it has one, else in lpstrInitialDir; "." +
 * lpstrDefExt is appended when the name has no extension. nFileOffset and
 * nFileExtension index the name and the extension (the extension index is
 * that of the terminating NUL when there is none, 0 when the name ends in
 * "."), lpstrFileTitle receives the name within nMaxFileTitle, and
 * OFN_EXTENSIONDIFFERENT in Flags tells whether the extension differs from
 * lpstrDefExt. TRUE then. A path that does not fit nMaxFile gives FALSE,
 * FNERR_BUFFERTOOSMALL and the size needed in the first two bytes of
 * lpstrFile (as a WORD). Cancelled: FALSE, CommDlgExtendedError() 0. */

BOOL WINAPI GetOpenFileNameA(LPOPENFILENAMEA lpofn);
/* The open dialog; the same contract as GetSaveFileNameA. */

DWORD WINAPI CommDlgExtendedError(void);
/* The error of this thread's last dialog call: 0 after success or a
 * cancel, otherwise a CDERR_ or FNERR_ value. */

#define GetSaveFileName GetSaveFileNameA
#define GetOpenFileName GetOpenFileNameA
#endif

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_COMMDLG_H */
