// How the standard controls look: the classic plain style with 3-D edges
// in the system colours. Each painter draws the whole control into a
// context from what the control answers to its own messages (state, text,
// selection, font), and asks the parent for its colours with WM_CTLCOLOR*,
// so a dialog that answers those messages recolours its controls as on
// Windows.
#include <algorithm>
#include <string>

#include "dlgint.h"
#include "resfind.h"

namespace {

const int kCheckBoxSize = 13;    // the box of a check box or radio button
const int kDisabledTextShift = 1;

std::string WindowText(HWND hWnd)
{
    int cch = GetWindowTextLengthA(hWnd);
    std::string s(static_cast<size_t>(cch) + 1, '\0');
    s.resize(static_cast<size_t>(GetWindowTextA(hWnd, &s[0], cch + 1)));
    return s;
}

void SelectControlFont(HWND hWnd, HDC hdc)
{
    HFONT hFont = reinterpret_cast<HFONT>(SendMessageA(hWnd, WM_GETFONT, 0, 0));
    if (hFont)
        SelectObject(hdc, hFont);
}

// The parent's brush for the control (its text and background colours
// are set on hdc on the way); the default answer when the parent gives
// none.
HBRUSH CtlColor(HWND hWnd, HDC hdc, UINT uMsg)
{
    HWND hParent = GetParent(hWnd);
    if (!hParent)
        hParent = hWnd;
    HBRUSH hbr = reinterpret_cast<HBRUSH>(
        SendMessageA(hParent, uMsg, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hWnd)));
    if (!hbr)
        hbr = reinterpret_cast<HBRUSH>(
            DefWindowProcA(hParent, uMsg, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hWnd)));
    return hbr;
}

// A label of an enabled control in the context's text colour; of a
// disabled button, embossed: highlight one pixel down-right, shadow on top.
void DrawLabel(HDC hdc, const std::string &text, RECT rc, UINT uFormat, BOOL fEmbossed)
{
    SetBkMode(hdc, TRANSPARENT);
    if (fEmbossed) {
        COLORREF crOld = SetTextColor(hdc, GetSysColor(COLOR_BTNHIGHLIGHT));
        RECT rcLight = rc;
        OffsetRect(&rcLight, kDisabledTextShift, kDisabledTextShift);
        DrawTextA(hdc, text.c_str(), -1, &rcLight, uFormat);
        SetTextColor(hdc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextA(hdc, text.c_str(), -1, &rc, uFormat);
        SetTextColor(hdc, crOld);
        return;
    }
    DrawTextA(hdc, text.c_str(), -1, &rc, uFormat);
}

// Where a single-line label of format uFormat lands inside rcArea.
RECT LabelRect(HDC hdc, const std::string &text, const RECT &rcArea, UINT uFormat)
{
    RECT rc = {0, 0, rcArea.right - rcArea.left, 0};
    DrawTextA(hdc, text.c_str(), -1, &rc, (uFormat & ~(DT_CENTER | DT_RIGHT | DT_VCENTER)) | DT_CALCRECT);
    LONG cx = rc.right, cy = rc.bottom;
    LONG x = rcArea.left;
    if (uFormat & DT_CENTER)
        x = rcArea.left + (rcArea.right - rcArea.left - cx) / 2;
    else if (uFormat & DT_RIGHT)
        x = rcArea.right - cx;
    LONG y = rcArea.top + (rcArea.bottom - rcArea.top - cy) / 2;
    return RECT{x, y, x + cx, y + cy};
}

// ---- BUTTON ----

UINT ButtonTextFormat(LONG lStyle, UINT uDefaultAlign)
{
    UINT uFormat = DT_SINGLELINE | DT_VCENTER;
    switch (lStyle & BS_CENTER) {
    case BS_LEFT: return uFormat | DT_LEFT;
    case BS_RIGHT: return uFormat | DT_RIGHT;
    case BS_CENTER: return uFormat | DT_CENTER;
    default: return uFormat | uDefaultAlign;
    }
}

// A push button: the default one has a black outline; pushed, the edge
// sinks and the label moves one pixel down-right; focused, a dotted
// rectangle lies inside the edge.
void DrawPushButton(HWND hWnd, HDC hdc, LONG lStyle, UINT uState)
{
    // The parent may pick the font's colours but not a push button's face.
    CtlColor(hWnd, hdc, WM_CTLCOLORBTN);
    RECT rc;
    GetClientRect(hWnd, &rc);
    BOOL fDefault = (lStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    BOOL fPushed = (uState & BST_PUSHED) != 0;
    if (fDefault) {
        FrameRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&rc, -1, -1);
    }
    RECT rcFace = rc;
    if (fPushed && fDefault)
        DrawEdge(hdc, &rcFace, EDGE_SUNKEN, BF_RECT | BF_FLAT | BF_MIDDLE);
    else
        DrawEdge(hdc, &rcFace, fPushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
    RECT rcText = rc;
    if (fPushed)
        OffsetRect(&rcText, 1, 1);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    DrawLabel(hdc, WindowText(hWnd), rcText, ButtonTextFormat(lStyle, DT_CENTER), !IsWindowEnabled(hWnd));
    if (uState & BST_FOCUS) {
        InflateRect(&rc, -3, -3);
        DrawFocusRect(hdc, &rc);
    }
}

// The check mark: a tick seven pixels wide, three pixels thick.
void DrawCheckMark(HDC hdc, const RECT &rcBox, int nColour)
{
    static const int kTop[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; i++) {
        RECT rc = {rcBox.left + 3 + i, rcBox.top + 3 + kTop[i], rcBox.left + 4 + i, rcBox.top + 6 + kTop[i]};
        FillRect(hdc, &rc, GetSysColorBrush(nColour));
    }
}

void DrawRadioMark(HDC hdc, const RECT &rcBox, BOOL fInside, BOOL fChecked, BOOL fEnabled)
{
    int nSaved = SaveDC(hdc);
    SelectObject(hdc, CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    SelectObject(hdc, GetSysColorBrush(fInside ? COLOR_WINDOW : COLOR_BTNFACE));
    Ellipse(hdc, rcBox.left, rcBox.top, rcBox.right - 1, rcBox.bottom - 1);
    HGDIOBJ hPen = SelectObject(hdc, GetStockObject(NULL_PEN));
    DeleteObject(hPen);
    if (fChecked) {
        SelectObject(hdc, GetSysColorBrush(fEnabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        Ellipse(hdc, rcBox.left + 4, rcBox.top + 4, rcBox.left + 9, rcBox.top + 9);
    }
    RestoreDC(hdc, nSaved);
}

// A check box or radio button sits on the parent's static colours: the
// box at the left (right with BS_LEFTTEXT), the label beside it, and the
// focus rectangle around the label.
void DrawCheckButton(HWND hWnd, HDC hdc, LONG lStyle, UINT uState)
{
    RECT rc;
    GetClientRect(hWnd, &rc);
    HBRUSH hbr = CtlColor(hWnd, hdc, WM_CTLCOLORSTATIC);
    FillRect(hdc, &rc, hbr);
    SIZE szZero = {0, 0};
    GetTextExtentPoint32A(hdc, "0", 1, &szZero);
    LONG nGap = szZero.cx / 2;
    BOOL fLeftText = (lStyle & BS_LEFTTEXT) != 0;
    LONG yBox = rc.top + (rc.bottom - rc.top - kCheckBoxSize) / 2;
    LONG xBox = fLeftText ? rc.right - kCheckBoxSize : rc.left;
    RECT rcBox = {xBox, yBox, xBox + kCheckBoxSize, yBox + kCheckBoxSize};
    BOOL fEnabled = IsWindowEnabled(hWnd);
    BOOL fInside = fEnabled && !(uState & BST_PUSHED);
    UINT uType = static_cast<UINT>(lStyle) & BS_TYPEMASK;
    BOOL fChecked = (uState & (BST_CHECKED | BST_INDETERMINATE)) != 0;
    if (uType == BS_RADIOBUTTON || uType == BS_AUTORADIOBUTTON) {
        DrawRadioMark(hdc, rcBox, fInside, fChecked, fEnabled);
    } else {
        RECT rcInside = rcBox;
        DrawEdge(hdc, &rcInside, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        FillRect(hdc, &rcInside, GetSysColorBrush(fInside ? COLOR_WINDOW : COLOR_BTNFACE));
        if (fChecked)
            DrawCheckMark(hdc, rcBox, (fEnabled && !(uState & BST_INDETERMINATE)) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    }
    RECT rcArea = rc;
    if (fLeftText)
        rcArea.right -= kCheckBoxSize + nGap;
    else
        rcArea.left += kCheckBoxSize + nGap;
    std::string text = WindowText(hWnd);
    UINT uFormat = ButtonTextFormat(lStyle, DT_LEFT);
    if (!fEnabled)
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    DrawLabel(hdc, text, rcArea, uFormat, FALSE);
    if ((uState & BST_FOCUS) && !text.empty()) {
        RECT rcFocus = LabelRect(hdc, text, rcArea, uFormat);
        InflateRect(&rcFocus, 1, 0);
        IntersectRect(&rcFocus, &rcFocus, &rc);
        DrawFocusRect(hdc, &rcFocus);
    }
}

// A group box: an etched frame whose top runs through the middle of the
// caption, which sits on the parent's static colour eight pixels in.
void DrawGroupBox(HWND hWnd, HDC hdc, LONG lStyle)
{
    RECT rc;
    GetClientRect(hWnd, &rc);
    HBRUSH hbr = CtlColor(hWnd, hdc, WM_CTLCOLORSTATIC);
    TEXTMETRICA tm;
    GetTextMetricsA(hdc, &tm);
    RECT rcFrame = rc;
    rcFrame.top += tm.tmHeight / 2 - 1;
    DrawEdge(hdc, &rcFrame, EDGE_ETCHED, BF_RECT | ((lStyle & BS_FLAT) ? BF_FLAT : 0));
    std::string text = WindowText(hWnd);
    if (text.empty())
        return;
    RECT rcArea = {rc.left + 7, rc.top, rc.right - 7, rc.top + tm.tmHeight};
    UINT uFormat = ButtonTextFormat(lStyle, DT_LEFT) & ~DT_VCENTER;
    RECT rcText = LabelRect(hdc, text, rcArea, uFormat);
    rcText.left++;
    rcText.right++;
    RECT rcBack = {rcText.left - 1, rcText.top, rcText.right + 1, rcText.bottom + 1};
    FillRect(hdc, &rcBack, hbr);
    if (!IsWindowEnabled(hWnd))
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    DrawLabel(hdc, text, rcText, uFormat, FALSE);
}

// ---- STATIC ----

UINT StaticTextFormat(LONG lStyle)
{
    UINT uFormat;
    switch (lStyle & SS_TYPEMASK) {
    case SS_CENTER: uFormat = DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK; break;
    case SS_RIGHT: uFormat = DT_RIGHT | DT_EXPANDTABS | DT_WORDBREAK; break;
    case SS_SIMPLE: uFormat = DT_LEFT | DT_SINGLELINE; break;
    case SS_LEFTNOWORDWRAP: uFormat = DT_LEFT | DT_EXPANDTABS; break;
    default: uFormat = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK; break;
    }
    if (lStyle & SS_NOPREFIX)
        uFormat |= DT_NOPREFIX;
    if (lStyle & SS_CENTERIMAGE)
        uFormat = (uFormat & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    return uFormat;
}

void DrawStaticText(HWND hWnd, HDC hdc, LONG lStyle, const RECT &rc)
{
    HBRUSH hbr = CtlColor(hWnd, hdc, WM_CTLCOLORSTATIC);
    FillRect(hdc, &rc, hbr);
    if (!IsWindowEnabled(hWnd))
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(hdc, TRANSPARENT);
    std::string text = WindowText(hWnd);
    RECT rcText = rc;
    DrawTextA(hdc, text.c_str(), -1, &rcText, StaticTextFormat(lStyle));
}

void FillWith(HDC hdc, const RECT &rc, int nColour, BOOL fFrame)
{
    if (fFrame)
        FrameRect(hdc, &rc, GetSysColorBrush(nColour));
    else
        FillRect(hdc, &rc, GetSysColorBrush(nColour));
}

// ---- EDIT ----

// Text shown by an edit: stars for a password.
std::string EditShownText(HWND hWnd, LONG lStyle)
{
    std::string text = WindowText(hWnd);
    if (lStyle & ES_PASSWORD)
        text.assign(text.size(), '*');
    return text;
}

LONG TextWidth(HDC hdc, const std::string &text, size_t cb)
{
    SIZE sz = {0, 0};
    if (cb > 0)
        GetTextExtentPoint32A(hdc, text.c_str(), static_cast<int>(cb), &sz);
    return sz.cx;
}

// One run of text at x, in the selection colours when fSelected.
LONG EditRun(HDC hdc, const std::string &text, size_t from, size_t to, LONG x, LONG y, BOOL fSelected)
{
    if (to <= from)
        return x;
    int cb = static_cast<int>(to - from);
    if (fSelected) {
        COLORREF crText = SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        COLORREF crBk = SetBkColor(hdc, GetSysColor(COLOR_HIGHLIGHT));
        SetBkMode(hdc, OPAQUE);
        TextOutA(hdc, x, y, text.c_str() + from, cb);
        SetBkMode(hdc, TRANSPARENT);
        SetTextColor(hdc, crText);
        SetBkColor(hdc, crBk);
    } else {
        TextOutA(hdc, x, y, text.c_str() + from, cb);
    }
    SIZE sz = {0, 0};
    GetTextExtentPoint32A(hdc, text.c_str() + from, cb, &sz);
    return x + sz.cx;
}

// ---- COMBOBOX ----

// The arrow of a drop-down button: a solid triangle seven pixels wide.
void DrawDropArrow(HDC hdc, const RECT &rcButton, int nColour, LONG nShift)
{
    LONG xMid = (rcButton.left + rcButton.right) / 2 + nShift;
    LONG yTop = (rcButton.top + rcButton.bottom) / 2 - 2 + nShift;
    for (LONG i = 0; i < 4; i++) {
        RECT rc = {xMid - 3 + i, yTop + i, xMid + 4 - i, yTop + i + 1};
        FillRect(hdc, &rc, GetSysColorBrush(nColour));
    }
}

}  // namespace

LRESULT CtlPaint(HWND hWnd, HDC hdcGiven, void (*pfnDraw)(HWND, HDC))
{
    if (hdcGiven) {
        int nSaved = SaveDC(hdcGiven);
        pfnDraw(hWnd, hdcGiven);
        RestoreDC(hdcGiven, nSaved);
        return 0;
    }
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (hdc)
        pfnDraw(hWnd, hdc);
    EndPaint(hWnd, &ps);
    return 0;
}

void ButtonDraw(HWND hWnd, HDC hdc)
{
    LONG lStyle = GetWindowLongA(hWnd, GWL_STYLE);
    UINT uState = static_cast<UINT>(SendMessageA(hWnd, BM_GETSTATE, 0, 0));
    SelectControlFont(hWnd, hdc);
    UINT uType = static_cast<UINT>(lStyle) & BS_TYPEMASK;
    if (uType == BS_GROUPBOX)
        DrawGroupBox(hWnd, hdc, lStyle);
    else if (ButtonIsCheckable(uType) && !(lStyle & BS_PUSHLIKE))
        DrawCheckButton(hWnd, hdc, lStyle, uState);
    else if (ButtonIsCheckable(uType)) // pushed in while checked
        DrawPushButton(hWnd, hdc, lStyle, (uState & BST_CHECKED) ? (uState | BST_PUSHED) : uState);
    else if (uType != BS_OWNERDRAW && uType != BS_USERBUTTON)
        DrawPushButton(hWnd, hdc, lStyle, uState);
}

// The icon over the static's background: at the control's origin at its
// own size, or centred with SS_CENTERIMAGE.
static void DrawStaticIcon(HWND hWnd, HDC hdc, LONG lStyle, const RECT &rc)
{
    FillRect(hdc, &rc, CtlColor(hWnd, hdc, WM_CTLCOLORSTATIC));
    HICON hIcon = reinterpret_cast<HICON>(SendMessageA(hWnd, STM_GETICON, 0, 0));
    SIZE size;
    if (!hIcon || !IconGetSize(hIcon, &size))
        return;
    POINT pt{rc.left, rc.top};
    if (lStyle & SS_CENTERIMAGE)
        pt = POINT{(rc.left + rc.right - size.cx) / 2, (rc.top + rc.bottom - size.cy) / 2};
    DrawIconEx(hdc, pt.x, pt.y, hIcon, size.cx, size.cy, 0, NULL, DI_NORMAL);
}

void StaticDraw(HWND hWnd, HDC hdc)
{
    LONG lStyle = GetWindowLongA(hWnd, GWL_STYLE);
    RECT rc;
    GetClientRect(hWnd, &rc);
    SelectControlFont(hWnd, hdc);
    switch (lStyle & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        DrawStaticText(hWnd, hdc, lStyle, rc);
        break;
    case SS_ICON:
        DrawStaticIcon(hWnd, hdc, lStyle, rc);
        break;
    case SS_BLACKRECT: FillWith(hdc, rc, COLOR_3DDKSHADOW, FALSE); break;
    case SS_GRAYRECT: FillWith(hdc, rc, COLOR_3DSHADOW, FALSE); break;
    case SS_WHITERECT: FillWith(hdc, rc, COLOR_3DHIGHLIGHT, FALSE); break;
    case SS_BLACKFRAME: FillWith(hdc, rc, COLOR_3DDKSHADOW, TRUE); break;
    case SS_GRAYFRAME: FillWith(hdc, rc, COLOR_3DSHADOW, TRUE); break;
    case SS_WHITEFRAME: FillWith(hdc, rc, COLOR_3DHIGHLIGHT, TRUE); break;
    case SS_ETCHEDHORZ: DrawEdge(hdc, &rc, EDGE_ETCHED, BF_TOP | BF_BOTTOM); break;
    case SS_ETCHEDVERT: DrawEdge(hdc, &rc, EDGE_ETCHED, BF_LEFT | BF_RIGHT); break;
    case SS_ETCHEDFRAME: DrawEdge(hdc, &rc, EDGE_ETCHED, BF_RECT); break;
    default:
        break;
    }
    // Windows draws the sunken border outside the client area; here it
    // takes the outermost pixel of the control.
    if (lStyle & SS_SUNKEN)
        DrawEdge(hdc, &rc, BDR_SUNKENOUTER, BF_RECT);
}

// A single-line edit on the parent's edit colours (static colours when
// read-only or disabled), the text one pixel in, the selection
// highlighted while the edit has the focus (always with ES_NOHIDESEL),
// scrolled so that the caret stays in view.
void EditDraw(HWND hWnd, HDC hdc)
{
    LONG lStyle = GetWindowLongA(hWnd, GWL_STYLE);
    BOOL fEnabled = IsWindowEnabled(hWnd);
    RECT rc;
    GetClientRect(hWnd, &rc);
    SelectControlFont(hWnd, hdc);
    UINT uMsg = (!fEnabled || (lStyle & ES_READONLY)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    FillRect(hdc, &rc, CtlColor(hWnd, hdc, uMsg));
    if (!fEnabled)
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(hdc, TRANSPARENT);
    std::string text = EditShownText(hWnd, lStyle);
    DWORD dwStart = 0, dwEnd = 0;
    SendMessageA(hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    size_t selFrom = std::min<size_t>(dwStart, text.size()), selTo = std::min<size_t>(dwEnd, text.size());
    BOOL fShowSel = fEnabled && selTo > selFrom && (GetFocus() == hWnd || (lStyle & ES_NOHIDESEL));
    if (!fShowSel)
        selFrom = selTo = text.size();

    TEXTMETRICA tm;
    GetTextMetricsA(hdc, &tm);
    const LONG nMargin = 1;
    LONG cxArea = rc.right - rc.left - 2 * nMargin;
    LONG cxText = TextWidth(hdc, text, text.size());
    LONG x = rc.left + nMargin;
    if ((lStyle & ES_RIGHT) && cxText < cxArea)
        x += cxArea - cxText;
    else if ((lStyle & ES_CENTER) && cxText < cxArea)
        x += (cxArea - cxText) / 2;
    LONG xCaret = TextWidth(hdc, text, dwEnd < text.size() ? dwEnd : text.size());
    if (xCaret > cxArea)
        x -= xCaret - cxArea;
    LONG y = rc.top + std::max<LONG>(0, (rc.bottom - rc.top - tm.tmHeight) / 2);
    x = EditRun(hdc, text, 0, selFrom, x, y, FALSE);
    x = EditRun(hdc, text, selFrom, selTo, x, y, TRUE);
    EditRun(hdc, text, selTo, text.size(), x, y, FALSE);
}

// A drop-down list: a sunken field as tall as a line of its font plus
// its edges, the selected item's text in it (highlighted while the box
// has the focus and is closed), the drop button at the right. The rest of
// the window, where the list would drop, is not drawn.
void ComboDraw(HWND hWnd, HDC hdc)
{
    RECT rc;
    GetClientRect(hWnd, &rc);
    SelectControlFont(hWnd, hdc);
    TEXTMETRICA tm;
    GetTextMetricsA(hdc, &tm);
    RECT rcField = {rc.left, rc.top, rc.right, std::min<LONG>(rc.bottom, rc.top + tm.tmHeight + 8)};
    DrawEdge(hdc, &rcField, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    BOOL fEnabled = IsWindowEnabled(hWnd);
    BOOL fDropped = SendMessageA(hWnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
    LONG cxButton = std::min<LONG>(GetSystemMetrics(SM_CXVSCROLL), rcField.right - rcField.left);
    RECT rcButton = {rcField.right - cxButton, rcField.top, rcField.right, rcField.bottom};
    RECT rcEdge = rcButton;
    DrawEdge(hdc, &rcEdge, fDropped ? EDGE_SUNKEN : EDGE_RAISED,
             BF_RECT | BF_MIDDLE | (fDropped ? BF_FLAT : BF_SOFT));
    if (fEnabled) {
        DrawDropArrow(hdc, rcButton, COLOR_BTNTEXT, fDropped ? 1 : 0);
    } else {
        DrawDropArrow(hdc, RECT{rcButton.left + 1, rcButton.top + 1, rcButton.right + 1, rcButton.bottom + 1},
                      COLOR_BTNHIGHLIGHT, 0);
        DrawDropArrow(hdc, rcButton, COLOR_BTNSHADOW, 0);
    }

    RECT rcText = {rcField.left, rcField.top, rcButton.left, rcField.bottom};
    FillRect(hdc, &rcText, CtlColor(hWnd, hdc, fEnabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC));
    if (!fEnabled)
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    BOOL fFocused = fEnabled && GetFocus() == hWnd && !fDropped;
    RECT rcItem = rcText;
    InflateRect(&rcItem, -1, -1);
    if (fFocused) {
        FillRect(hdc, &rcItem, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    int nSel = static_cast<int>(SendMessageA(hWnd, CB_GETCURSEL, 0, 0));
    if (nSel >= 0) {
        int cb = static_cast<int>(SendMessageA(hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(nSel), 0));
        std::string item(static_cast<size_t>(std::max(cb, 0)) + 1, '\0');
        SendMessageA(hWnd, CB_GETLBTEXT, static_cast<WPARAM>(nSel), reinterpret_cast<LPARAM>(&item[0]));
        item.resize(static_cast<size_t>(std::max(cb, 0)));
        RECT rcLabel = {rcItem.left + 2, rcItem.top, rcItem.right, rcItem.bottom};
        SetBkMode(hdc, TRANSPARENT);
        DrawTextA(hdc, item.c_str(), -1, &rcLabel, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (fFocused)
        DrawFocusRect(hdc, &rcItem);
}
