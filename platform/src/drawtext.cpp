// DrawTextA: a text laid out in lines within a rectangle, with mnemonic
// prefixes, word breaks, alignment, an end ellipsis and DT_CALCRECT.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "gdi.h"

namespace {

// Removes the '&' of mnemonics; "&&" stays one '&'.
std::string StripPrefixes(const std::string &str)
{
    std::string strOut;
    for (size_t i = 0; i < str.size(); i++) {
        if (str[i] == '&' && i + 1 < str.size())
            i++;
        else if (str[i] == '&')
            continue;
        strOut += str[i];
        if (FontIsLeadByte((BYTE)str[i]) && i + 1 < str.size())
            strOut += str[++i];
    }
    return strOut;
}

struct LAYOUT {
    cairo_scaled_font_t *pFont;
    LONG cxMax;          // width to break at, when breaking
    bool fBreak;
};

LONG Width(const LAYOUT &lay, const std::string &str)
{
    return FontTextWidth(lay.pFont, str.data(), (int)str.size());
}

// Splits one paragraph where it would pass the width: after a space, or
// between double-byte characters. A single word wider than the line stays
// whole, as Windows leaves it.
void BreakParagraph(const LAYOUT &lay, const std::string &str, std::vector<std::string> *pLines)
{
    if (!lay.fBreak || Width(lay, str) <= lay.cxMax) {
        pLines->push_back(str);
        return;
    }
    size_t iStart = 0;
    while (iStart < str.size()) {
        size_t iBreak = std::string::npos;
        size_t i = iStart;
        while (i < str.size()) {
            size_t cb = (FontIsLeadByte((BYTE)str[i]) && i + 1 < str.size()) ? 2 : 1;
            if (Width(lay, str.substr(iStart, i + cb - iStart)) > lay.cxMax && iBreak != std::string::npos)
                break;
            if (str[i] == ' ' || cb == 2)
                iBreak = i + cb;
            i += cb;
        }
        if (i >= str.size())
            iBreak = str.size();
        std::string strLine = str.substr(iStart, iBreak - iStart);
        while (!strLine.empty() && strLine.back() == ' ')
            strLine.pop_back();
        pLines->push_back(strLine);
        iStart = iBreak;
        while (iStart < str.size() && str[iStart] == ' ')
            iStart++;
    }
}

std::vector<std::string> Lines(const LAYOUT &lay, const std::string &str, UINT format)
{
    std::vector<std::string> lines;
    if (format & DT_SINGLELINE) {
        std::string strLine = str;
        std::replace(strLine.begin(), strLine.end(), '\r', ' ');
        std::replace(strLine.begin(), strLine.end(), '\n', ' ');
        lines.push_back(strLine);
        return lines;
    }
    size_t iStart = 0;
    while (true) {
        size_t iEnd = str.find_first_of("\r\n", iStart);
        BreakParagraph(lay, str.substr(iStart, iEnd == std::string::npos ? std::string::npos : iEnd - iStart),
                       &lines);
        if (iEnd == std::string::npos)
            break;
        iStart = iEnd + ((str[iEnd] == '\r' && iEnd + 1 < str.size() && str[iEnd + 1] == '\n') ? 2 : 1);
        if (iStart >= str.size())
            break;
    }
    return lines;
}

// Cuts the line and ends it with "..." so that it fits the width.
std::string WithEllipsis(const LAYOUT &lay, const std::string &str, LONG cx)
{
    if (Width(lay, str) <= cx)
        return str;
    std::string strCut = str;
    while (!strCut.empty() && Width(lay, strCut + "...") > cx) {
        size_t cb = 1;
        if (strCut.size() >= 2 && FontIsLeadByte((BYTE)strCut[strCut.size() - 2]))
            cb = 2;
        strCut.resize(strCut.size() - cb);
    }
    return strCut + "...";
}

}  // namespace

extern "C" int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc || !lprc || (!lpchText && cchText != 0))
        return 0;
    std::string str(lpchText ? lpchText : "", cchText < 0 ? strlen(lpchText) : (size_t)cchText);
    if (!(format & DT_CALCRECT)) {
        RECT rc = *lprc;
        MetaRecord(pDc, [=](HDC h) {
            RECT rcCopy = rc;
            DrawTextA(h, str.data(), (int)str.size(), &rcCopy, format);
        });
    }
    if (!(format & DT_NOPREFIX))
        str = StripPrefixes(str);
    TEXTMETRICA tm;
    FontMetrics(pDc->st.hFont, &tm);
    LAYOUT lay{FontGet(pDc->st.hFont), lprc->right - lprc->left, (format & DT_WORDBREAK) != 0};
    std::vector<std::string> lines = Lines(lay, str, format);
    if ((format & DT_END_ELLIPSIS) && !(format & DT_CALCRECT))
        for (std::string &strLine : lines)
            strLine = WithEllipsis(lay, strLine, lprc->right - lprc->left);
    LONG cyText = (LONG)lines.size() * tm.tmHeight;
    if (format & DT_CALCRECT) {
        LONG cxText = 0;
        for (const std::string &strLine : lines)
            cxText = std::max(cxText, Width(lay, strLine));
        lprc->right = lprc->left + cxText;
        lprc->bottom = lprc->top + cyText;
        return cyText;
    }
    LONG yTop = lprc->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            yTop = lprc->top + (lprc->bottom - lprc->top - cyText) / 2;
        else if (format & DT_BOTTOM)
            yTop = lprc->bottom - cyText;
    }
    GDIOBJ *pDraw;
    cairo_t *cr = DcBeginDraw(hdc, &pDraw);
    if (cr) {
        if (!(format & DT_NOCLIP)) {
            cairo_rectangle(cr, lprc->left, lprc->top, lprc->right - lprc->left, lprc->bottom - lprc->top);
            cairo_clip(cr);
        }
        LONG y = yTop;
        for (const std::string &strLine : lines) {
            LONG cx = Width(lay, strLine);
            LONG x = (format & DT_CENTER)  ? lprc->left + (lprc->right - lprc->left - cx) / 2
                     : (format & DT_RIGHT) ? lprc->right - cx
                                           : lprc->left;
            if (pDraw->st.nBkMode == OPAQUE && cx > 0) {
                GdiSetColor(cr, pDraw->st.crBk);
                cairo_rectangle(cr, x, y, cx, tm.tmHeight);
                cairo_fill(cr);
            }
            FontDrawText(cr, pDraw, x, y, strLine.data(), (int)strLine.size(), nullptr);
            y += tm.tmHeight;
        }
        DcEndDraw(cr);
    }
    return (format & (DT_VCENTER | DT_BOTTOM)) && (format & DT_SINGLELINE) ? yTop - lprc->top + cyText : cyText;
}
