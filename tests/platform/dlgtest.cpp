// Helpers of the dialog and control tests.
#include "dlgtest.h"

#include "platform/testres.h"

std::vector<NOTE> &Notes()
{
    static std::vector<NOTE> notes;
    return notes;
}

static LRESULT CALLBACK HostWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_COMMAND) {
        Notes().push_back(NOTE{LOWORD(wParam), HIWORD(wParam)});
        return 0;
    }
    if (uMsg == WM_VSCROLL || uMsg == WM_HSCROLL) {
        Notes().push_back(NOTE{static_cast<int>(uMsg), LOWORD(wParam)});
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

HWND CreateHost()
{
    static bool registered;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = HostWndProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "DlgTestHost";
        registered = RegisterClassA(&wc) != 0;
    }
    return CreateWindowExA(0, "DlgTestHost", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, NULL,
                           NULL, GetModuleHandleA(NULL), NULL);
}

HWND CreateControl(HWND hParent, LPCSTR lpClass, LPCSTR lpText, DWORD dwStyle, int id)
{
    return CreateWindowExA(0, lpClass, lpText, WS_CHILD | WS_VISIBLE | dwStyle, 10, 10, 80, 20, hParent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(NULL), NULL);
}

INT_PTR CALLBACK TestDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    TESTDLG *pTest = reinterpret_cast<TESTDLG *>(GetWindowLongPtrA(hDlg, DWLP_USER));
    switch (uMsg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        pTest = reinterpret_cast<TESTDLG *>(lParam);
        if (!pTest)
            return TRUE;
        pTest->hDlg = hDlg;
        return pTest->fInitResult;
    case WM_COMMAND:
        Notes().push_back(NOTE{LOWORD(wParam), HIWORD(wParam)});
        if (LOWORD(wParam) == IDOK || (LOWORD(wParam) == IDCANCEL && !(pTest && pTest->fIgnoreCancel)))
            EndDialog(hDlg, LOWORD(wParam));
        if (LOWORD(wParam) == IDC_OPEN)
            EndDialog(hDlg, 100 + DialogBoxParamA(GetModuleHandleA(NULL), MAKEINTRESOURCE(IDD_INNER), hDlg,
                                                  TestDlgProc, 0));
        return TRUE;
    default:
        return FALSE;
    }
}
