// The *DlgItem* helpers: each addresses a dialog control by its id.
#include <cstdio>

#include "dlgint.h"

extern "C" LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    HWND hCtl = GetDlgItem(hDlg, nIDDlgItem);
    return hCtl ? SendMessageA(hCtl, Msg, wParam, lParam) : 0;
}

extern "C" BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString)
{
    HWND hCtl = GetDlgItem(hDlg, nIDDlgItem);
    return hCtl ? SetWindowTextA(hCtl, lpString) : FALSE;
}

extern "C" UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax)
{
    if (!lpString || cchMax <= 0)
        return 0;
    HWND hCtl = GetDlgItem(hDlg, nIDDlgItem);
    if (!hCtl) {
        lpString[0] = '\0';
        return 0;
    }
    return static_cast<UINT>(GetWindowTextA(hCtl, lpString, cchMax));
}

extern "C" BOOL WINAPI SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned)
{
    char szText[16];
    if (bSigned)
        std::snprintf(szText, sizeof szText, "%d", static_cast<int>(uValue));
    else
        std::snprintf(szText, sizeof szText, "%u", uValue);
    return SetDlgItemTextA(hDlg, nIDDlgItem, szText);
}

// Parses the whole text as a decimal number, locale-free: blanks, an
// optional sign (when signed), at least one digit, then nothing but blanks.
static BOOL DlgParseInt(const char *p, BOOL bSigned, UINT *puValue)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    BOOL negative = FALSE;
    if (bSigned && (*p == '-' || *p == '+'))
        negative = *p++ == '-';
    if (*p < '0' || *p > '9')
        return FALSE;
    unsigned long long v = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        v = v * 10 + static_cast<unsigned>(*p - '0');
        if (v > 0xFFFFFFFFull)
            return FALSE;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p)
        return FALSE;
    if (bSigned && v > (negative ? 0x80000000ull : 0x7FFFFFFFull))
        return FALSE;
    *puValue = static_cast<UINT>(negative ? 0u - static_cast<UINT>(v) : static_cast<UINT>(v));
    return TRUE;
}

extern "C" UINT WINAPI GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL *lpTranslated, BOOL bSigned)
{
    char szText[64];
    UINT uValue = 0;
    BOOL ok = GetDlgItem(hDlg, nIDDlgItem) && GetDlgItemTextA(hDlg, nIDDlgItem, szText, sizeof szText) < sizeof szText - 1
              && DlgParseInt(szText, bSigned, &uValue);
    if (lpTranslated)
        *lpTranslated = ok;
    return ok ? uValue : 0;
}

extern "C" BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck)
{
    HWND hCtl = GetDlgItem(hDlg, nIDButton);
    if (!hCtl)
        return FALSE;
    SendMessageA(hCtl, BM_SETCHECK, uCheck, 0);
    return TRUE;
}

extern "C" UINT WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton)
{
    return static_cast<UINT>(SendDlgItemMessageA(hDlg, nIDButton, BM_GETCHECK, 0, 0));
}

extern "C" BOOL WINAPI CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    if (!IsWindow(hDlg))
        return FALSE;
    for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(h);
        if (id >= nIDFirstButton && id <= nIDLastButton)
            SendMessageA(h, BM_SETCHECK, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}
