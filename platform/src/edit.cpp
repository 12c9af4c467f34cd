// The EDIT control, single line: its text (code page 932 bytes), the
// selection, the length limit, typing, and the notifications its parent
// relies on (EN_UPDATE / EN_CHANGE on changes, EN_SETFOCUS / EN_KILLFOCUS).
// It is drawn by ctllook.cpp.
#include <algorithm>
#include <cstring>
#include <string>

#include "dlgint.h"

// The largest text a single-line edit takes (Windows NT's limit).
#define EDIT_MAXLIMIT 0x7FFFFFFE

struct EDITINFO {
    std::string text;
    int nSelStart;        // anchor of the selection
    int nSelEnd;          // caret
    int nLimit;
    HFONT hFont;
    HWND hwndParent;      // notifications go to the creation parent
    int nLeadByte;        // first byte of a double-byte character being typed, -1 if none
    BOOL fCreated;        // past WM_CREATE: text changes are notified
};

static EDITINFO *EditInfo(HWND hWnd)
{
    return CtlInfo<EDITINFO>(hWnd);
}

static BOOL EditIsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

static void EditNotify(HWND hWnd, EDITINFO *pInfo, UINT uCode)
{
    if (pInfo->hwndParent)
        SendMessageA(pInfo->hwndParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hWnd), uCode),
                     reinterpret_cast<LPARAM>(hWnd));
}

static void EditChanged(HWND hWnd, EDITINFO *pInfo)
{
    InvalidateRect(hWnd, NULL, TRUE);
    EditNotify(hWnd, pInfo, EN_UPDATE);
    EditNotify(hWnd, pInfo, EN_CHANGE);
}

// Keeps the window text that DefWindowProcA holds equal to ours, so that
// every way of reading the text agrees.
static void EditSyncWindowText(HWND hWnd, EDITINFO *pInfo)
{
    DefWindowProcA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pInfo->text.c_str()));
}

// Bytes of text that fit in n bytes without splitting a double-byte character.
static size_t EditFit(const char *p, size_t cb, size_t n)
{
    size_t i = 0;
    while (i < cb) {
        size_t width = EditIsLeadByte(static_cast<unsigned char>(p[i])) && i + 1 < cb ? 2 : 1;
        if (i + width > n)
            break;
        i += width;
    }
    return i;
}

// Replaces the selection with lpText, cut to the limit; the caret ends
// after the inserted text. Returns FALSE when nothing changed.
static BOOL Edit_ReplaceSel(HWND hWnd, EDITINFO *pInfo, const char *lpText)
{
    size_t start = static_cast<size_t>(std::min(pInfo->nSelStart, pInfo->nSelEnd));
    size_t end = static_cast<size_t>(std::max(pInfo->nSelStart, pInfo->nSelEnd));
    size_t room = static_cast<size_t>(pInfo->nLimit) - std::min(static_cast<size_t>(pInfo->nLimit),
                                                                 pInfo->text.size() - (end - start));
    size_t cb = std::strlen(lpText);
    size_t take = EditFit(lpText, cb, room);
    if (take < cb)
        EditNotify(hWnd, pInfo, EN_MAXTEXT);
    if (take == 0 && start == end)
        return FALSE;
    pInfo->text.replace(start, end - start, lpText, take);
    pInfo->nSelStart = pInfo->nSelEnd = static_cast<int>(start + take);
    EditSyncWindowText(hWnd, pInfo);
    EditChanged(hWnd, pInfo);
    return TRUE;
}

static void Edit_SetSel(EDITINFO *pInfo, int nStart, int nEnd)
{
    int len = static_cast<int>(pInfo->text.size());
    if (nStart == -1) { // removes the selection, the caret stays
        pInfo->nSelStart = pInfo->nSelEnd;
        return;
    }
    if (nEnd < 0 || nEnd > len)
        nEnd = len;
    if (nStart < 0 || nStart > len)
        nStart = len;
    pInfo->nSelStart = nStart;
    pInfo->nSelEnd = nEnd;
}

static LRESULT Edit_GetSel(EDITINFO *pInfo, WPARAM wParam, LPARAM lParam)
{
    DWORD start = static_cast<DWORD>(std::min(pInfo->nSelStart, pInfo->nSelEnd));
    DWORD end = static_cast<DWORD>(std::max(pInfo->nSelStart, pInfo->nSelEnd));
    if (wParam)
        *reinterpret_cast<DWORD *>(wParam) = start;
    if (lParam)
        *reinterpret_cast<DWORD *>(lParam) = end;
    return (start > 0xFFFF || end > 0xFFFF) ? -1 : MAKELRESULT(start, end);
}

static LRESULT Edit_SetText(HWND hWnd, EDITINFO *pInfo, LPCSTR lpText, BOOL fNotify)
{
    const char *p = lpText ? lpText : "";
    // WM_SETTEXT is not bound by the typing limit, as on Windows.
    pInfo->text.assign(p);
    pInfo->nSelStart = pInfo->nSelEnd = 0;
    pInfo->nLeadByte = -1;
    EditSyncWindowText(hWnd, pInfo);
    if (fNotify)
        EditChanged(hWnd, pInfo);
    return TRUE;
}

static LRESULT Edit_GetText(EDITINFO *pInfo, WPARAM cchMax, LPSTR lpBuffer)
{
    if (!lpBuffer || cchMax == 0)
        return 0;
    size_t n = EditFit(pInfo->text.data(), pInfo->text.size(), cchMax - 1);
    std::memcpy(lpBuffer, pInfo->text.data(), n);
    lpBuffer[n] = '\0';
    return static_cast<LRESULT>(n);
}

// Start of the character before byte offset pos.
static int EditPrevChar(const std::string &text, int pos)
{
    int i = 0, prev = 0;
    while (i < pos) {
        prev = i;
        i += EditIsLeadByte(static_cast<unsigned char>(text[static_cast<size_t>(i)])) ? 2 : 1;
    }
    return prev;
}

static int EditNextChar(const std::string &text, int pos)
{
    if (pos >= static_cast<int>(text.size()))
        return pos;
    int width = EditIsLeadByte(static_cast<unsigned char>(text[static_cast<size_t>(pos)])) ? 2 : 1;
    return std::min(pos + width, static_cast<int>(text.size()));
}

// Deletes the selection, or the character before (bBack) or after the caret.
static void Edit_Delete(HWND hWnd, EDITINFO *pInfo, BOOL bBack)
{
    if (pInfo->nSelStart == pInfo->nSelEnd) {
        int caret = pInfo->nSelEnd;
        pInfo->nSelStart = bBack ? EditPrevChar(pInfo->text, caret) : EditNextChar(pInfo->text, caret);
        if (pInfo->nSelStart == caret)
            return;
    }
    Edit_ReplaceSel(hWnd, pInfo, "");
}

static BOOL EditAcceptsChar(HWND hWnd, unsigned char c)
{
    LONG style = GetWindowLongA(hWnd, GWL_STYLE);
    if (style & ES_READONLY)
        return FALSE;
    return !(style & ES_NUMBER) || (c >= '0' && c <= '9');
}

// Typed characters; a double-byte character comes as two WM_CHARs.
static void Edit_Char(HWND hWnd, EDITINFO *pInfo, WPARAM wParam)
{
    unsigned char c = static_cast<unsigned char>(wParam);
    if (c == '\b') {
        if (!(GetWindowLongA(hWnd, GWL_STYLE) & ES_READONLY))
            Edit_Delete(hWnd, pInfo, TRUE);
        return;
    }
    if (pInfo->nLeadByte >= 0) {
        char pair[3] = {static_cast<char>(pInfo->nLeadByte), static_cast<char>(c), '\0'};
        pInfo->nLeadByte = -1;
        if (!(GetWindowLongA(hWnd, GWL_STYLE) & (ES_READONLY | ES_NUMBER)))
            Edit_ReplaceSel(hWnd, pInfo, pair);
        return;
    }
    if (c < 0x20 || !EditAcceptsChar(hWnd, c))
        return;
    if (EditIsLeadByte(c)) {
        pInfo->nLeadByte = c;
        return;
    }
    char single[2] = {static_cast<char>(c), '\0'};
    Edit_ReplaceSel(hWnd, pInfo, single);
}

static void Edit_KeyDown(HWND hWnd, EDITINFO *pInfo, WPARAM vk)
{
    InvalidateRect(hWnd, NULL, FALSE);
    int len = static_cast<int>(pInfo->text.size());
    switch (vk) {
    case VK_DELETE:
        if (!(GetWindowLongA(hWnd, GWL_STYLE) & ES_READONLY))
            Edit_Delete(hWnd, pInfo, FALSE);
        break;
    case VK_HOME:
        pInfo->nSelStart = pInfo->nSelEnd = 0;
        break;
    case VK_END:
        pInfo->nSelStart = pInfo->nSelEnd = len;
        break;
    case VK_LEFT: // a selection collapses to its start, else one character back
        pInfo->nSelStart = pInfo->nSelEnd = pInfo->nSelStart != pInfo->nSelEnd
                                                ? std::min(pInfo->nSelStart, pInfo->nSelEnd)
                                                : EditPrevChar(pInfo->text, pInfo->nSelEnd);
        break;
    case VK_RIGHT:
        pInfo->nSelStart = pInfo->nSelEnd = pInfo->nSelStart != pInfo->nSelEnd
                                                ? std::max(pInfo->nSelStart, pInfo->nSelEnd)
                                                : EditNextChar(pInfo->text, pInfo->nSelEnd);
        break;
    default:
        break;
    }
}

static void Edit_SetReadOnly(HWND hWnd, BOOL bReadOnly)
{
    LONG style = GetWindowLongA(hWnd, GWL_STYLE);
    SetWindowLongA(hWnd, GWL_STYLE, bReadOnly ? (style | ES_READONLY) : (style & ~ES_READONLY));
}

static LRESULT Edit_NcCreate(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const CREATESTRUCTA *pcs = reinterpret_cast<const CREATESTRUCTA *>(lParam);
    EDITINFO *pInfo = new EDITINFO();
    pInfo->nLimit = EDIT_MAXLIMIT;
    pInfo->nLeadByte = -1;
    pInfo->hwndParent = pcs->hwndParent;
    pInfo->text.assign(pcs->lpszName ? pcs->lpszName : "");
    SetWindowLongPtrA(hWnd, 0, reinterpret_cast<LONG_PTR>(pInfo));
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK EditWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_NCCREATE)
        return Edit_NcCreate(hWnd, uMsg, wParam, lParam);
    EDITINFO *pInfo = EditInfo(hWnd);
    if (!pInfo)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);

    switch (uMsg) {
    case WM_NCDESTROY:
        return CtlFreeInfo<EDITINFO>(hWnd, uMsg, wParam, lParam);
    case WM_CREATE:
        pInfo->fCreated = TRUE;
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    case WM_SETTEXT:
        return Edit_SetText(hWnd, pInfo, reinterpret_cast<LPCSTR>(lParam), pInfo->fCreated);
    case WM_GETTEXT:
        return Edit_GetText(pInfo, wParam, reinterpret_cast<LPSTR>(lParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(pInfo->text.size());
    case WM_CHAR:
        Edit_Char(hWnd, pInfo, wParam);
        return 0;
    case WM_KEYDOWN:
        Edit_KeyDown(hWnd, pInfo, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        if (IsWindowEnabled(hWnd))
            SetFocus(hWnd);
        return 0;
    case WM_PAINT:
        return CtlPaint(hWnd, NULL, EditDraw);
    case WM_PRINTCLIENT:
        return CtlPaint(hWnd, reinterpret_cast<HDC>(wParam), EditDraw);
    case WM_ENABLE:
        InvalidateRect(hWnd, NULL, TRUE);
        return 0;
    case WM_SETFOCUS:
        InvalidateRect(hWnd, NULL, FALSE);
        EditNotify(hWnd, pInfo, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        pInfo->nLeadByte = -1;
        InvalidateRect(hWnd, NULL, FALSE);
        EditNotify(hWnd, pInfo, EN_KILLFOCUS);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETFONT:
        pInfo->hFont = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(hWnd, NULL, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(pInfo->hFont);
    case EM_GETSEL:
        return Edit_GetSel(pInfo, wParam, lParam);
    case EM_SETSEL:
        Edit_SetSel(pInfo, static_cast<int>(wParam), static_cast<int>(lParam));
        InvalidateRect(hWnd, NULL, FALSE);
        return 0;
    case EM_REPLACESEL:
        Edit_ReplaceSel(hWnd, pInfo, lParam ? reinterpret_cast<LPCSTR>(lParam) : "");
        return 0;
    case EM_LIMITTEXT:
        pInfo->nLimit = (wParam == 0 || wParam > EDIT_MAXLIMIT) ? EDIT_MAXLIMIT : static_cast<int>(wParam);
        return 0;
    case EM_GETLIMITTEXT:
        return pInfo->nLimit;
    case EM_SETREADONLY:
        Edit_SetReadOnly(hWnd, wParam != 0);
        return TRUE;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
