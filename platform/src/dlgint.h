// dlgint.h - what the dialog manager, the standard controls and their
// automation share inside the platform layer.
#ifndef PLATFORM_DLGINT_H
#define PLATFORM_DLGINT_H

#include <windows.h>

// A modal dialog's loop state; it lives on DialogBoxParamA's stack so that
// it outlasts the window.
struct DLGMODAL {
    BOOL fEnded;
    INT_PTR nResult;
    HWND hwndOwner;       // the owner this loop disabled, NULL if none
};

// The dialog manager's state of one dialog.
struct DLGINFO {
    HFONT hFont;          // template font (WM_GETFONT); NULL: the system font
    BOOL fOwnFont;        // created from the template, deleted with the dialog
    int cxBase, cyBase;   // dialog base units in pixels
    WORD wDefId;          // default push button id; 0 when none
    BOOL fEnded;          // EndDialog was called
    INT_PTR nResult;
    DLGMODAL *pModal;     // set while a modal loop runs for the dialog
    char szTemplate[64];  // "#id" or the template name, for the logs
};

// The state of a dialog made by the dialog manager (or any window of a
// dialog class, created on first use); NULL for other windows.
DLGINFO *DlgGetInfo(HWND hDlg);

// Gives the focus to a control as the dialog manager does (an edit gets
// its whole text selected).
void DlgSetFocus(HWND hCtl);

// Holds Shift down (TRUE) or releases it for the dialog keyboard handling.
void DlgSetShiftState(BOOL fDown);

// Registers the dialog class and the standard control classes once.
void CtlRegisterClasses(void);

// WM_COMMAND (control id, code) from a control to its parent.
void CtlNotify(HWND hCtl, UINT uCode);

// The control's class is hClassName (case-insensitive).
BOOL CtlIsClass(HWND hCtl, LPCSTR lpClassName);

// Window procedures of the standard controls (one file each).
LRESULT CALLBACK ButtonWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ScrollBarWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// A button of type uType (BS_TYPEMASK bits) keeps a check state.
BOOL ButtonIsCheckable(UINT uType);

// The look of the standard controls (ctllook.cpp): each draws the whole
// control into hdc from what the control answers to its messages.
void ButtonDraw(HWND hWnd, HDC hdc);
void StaticDraw(HWND hWnd, HDC hdc);
void EditDraw(HWND hWnd, HDC hdc);
void ComboDraw(HWND hWnd, HDC hdc);

// WM_PAINT (hdcGiven NULL: BeginPaint's context) or WM_PRINTCLIENT (the
// given context, its state restored afterwards): pfnDraw draws the control.
LRESULT CtlPaint(HWND hWnd, HDC hdcGiven, void (*pfnDraw)(HWND, HDC));

// A user picks item nIndex of a combo box from its list (automation):
// drop-down, selection, CBN_SELCHANGE when it changed, CBN_SELENDOK,
// close-up. FALSE for a bad index or a window that is no combo box.
BOOL ComboUserSelect(HWND hCombo, int nIndex);

// The user moved bar nBar (SB_CTL, SB_HORZ, SB_VERT) of hWnd with scroll
// code uCode (automation): WM_HSCROLL / WM_VSCROLL to whoever owns the bar.
BOOL ScrollUserAction(HWND hWnd, int nBar, UINT uCode, int nPos);

// Records a modal dialog that no handler answered (automation log).
void AutoLogCancelledDialog(LPCSTR lpTemplate);

// Runs the next queued modal-dialog handler on hDlg; FALSE when the queue
// is empty.
BOOL AutoRunModalHandler(HWND hDlg);

// A standard control keeps its state record in extra bytes slot 0 from
// WM_NCCREATE to WM_NCDESTROY; before and after there is none.
template <class T> T *CtlInfo(HWND hCtl)
{
    return reinterpret_cast<T *>(GetWindowLongPtrA(hCtl, 0));
}

// WM_NCDESTROY of a control: frees its record, clears the slot, then the
// default processing.
template <class T> LRESULT CtlFreeInfo(HWND hCtl, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    delete CtlInfo<T>(hCtl);
    SetWindowLongPtrA(hCtl, 0, 0);
    return DefWindowProcA(hCtl, uMsg, wParam, lParam);
}

#endif // PLATFORM_DLGINT_H
