// Helpers of the dialog and control tests: a host window that records the
// notifications it receives, and a dialog procedure whose behaviour a test
// chooses.
#ifndef TESTS_PLATFORM_DLGTEST_H
#define TESTS_PLATFORM_DLGTEST_H

#include <windows.h>

#include <ostream>
#include <vector>

// One WM_COMMAND received: control id and notification code (a scroll
// message is recorded as the message and its scroll code).
struct NOTE {
    int id;
    int code;
    bool operator==(const NOTE &o) const { return id == o.id && code == o.code; }
};

inline void PrintTo(const NOTE &note, std::ostream *pOut)
{
    *pOut << "{" << note.id << ", " << note.code << "}";
}

// WM_COMMANDs received by the host windows and test dialogs, in order.
std::vector<NOTE> &Notes();

// A visible top-level window that records WM_COMMAND (a modal dialog's
// owner, or the parent of controls made directly).
HWND CreateHost();

// Creates a standard control as a child of hParent.
HWND CreateControl(HWND hParent, LPCSTR lpClass, LPCSTR lpText, DWORD dwStyle, int id);

// What TestDlgProc does, given as the dialog's init parameter.
struct TESTDLG {
    BOOL fInitResult;        // WM_INITDIALOG answer
    BOOL fIgnoreCancel;      // IDCANCEL does not end the dialog
    int nInitFocusId;        // control id that had the focus after creation
    HWND hDlg;               // the dialog, set at WM_INITDIALOG
};

// Records WM_COMMAND; ends the dialog with the command id on IDOK and
// IDCANCEL (unless told to ignore Cancel); IDC_OPEN runs IDD_INNER modally
// and ends with its result + 100.
INT_PTR CALLBACK TestDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

#endif
