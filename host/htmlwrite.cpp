// The pieces of a self-contained HTML report.
#include "htmlwrite.h"

#include <stdio.h>

#include "atomicfile.h"

std::string HtmlEscape(const std::string &strUtf8)
{
    std::string str;
    for (char c : strUtf8) {
        switch (c) {
        case '&': str += "&amp;"; break;
        case '<': str += "&lt;"; break;
        case '>': str += "&gt;"; break;
        case '"': str += "&quot;"; break;
        case '\'': str += "&#39;"; break;
        default: str += c; break;
        }
    }
    return str;
}

std::string HtmlBase64(const std::string &strBytes)
{
    static const char s_szDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string str;
    str.reserve((strBytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < strBytes.size(); i += 3) {
        unsigned int n = (unsigned char)strBytes[i] << 16;
        if (i + 1 < strBytes.size())
            n |= (unsigned char)strBytes[i + 1] << 8;
        if (i + 2 < strBytes.size())
            n |= (unsigned char)strBytes[i + 2];
        str += s_szDigits[(n >> 18) & 63];
        str += s_szDigits[(n >> 12) & 63];
        str += i + 1 < strBytes.size() ? s_szDigits[(n >> 6) & 63] : '=';
        str += i + 2 < strBytes.size() ? s_szDigits[n & 63] : '=';
    }
    return str;
}

// Plain and printable: no colour where the data does not need it, and a
// picture or a table never split over two printed pages.
static const char s_szStyle[] =
    "body{font-family:\"DejaVu Sans\",Arial,sans-serif;font-size:14px;color:#222;margin:24px auto;"
    "max-width:1320px;padding:0 16px}"
    "h1{font-size:24px;margin:0}.subtitle{color:#555;margin:4px 0 16px}"
    "h2{font-size:18px;border-bottom:2px solid #777;padding-bottom:3px;margin-top:28px}"
    "table{border-collapse:collapse;margin:8px 0;page-break-inside:avoid}"
    "th,td{border:1px solid #bbb;padding:3px 8px;text-align:left}"
    "caption{text-align:left;font-weight:bold;padding:2px 0}"
    ".group{display:flex;flex-wrap:wrap;gap:0 24px}"
    "th{background:#eee}td.num{text-align:right;font-variant-numeric:tabular-nums}"
    "table.facts th{background:none;border:none;padding-left:0;color:#555;font-weight:normal}"
    "table.facts td{border:none}"
    "figure{margin:12px 0;page-break-inside:avoid}figure img{max-width:100%;border:1px solid #bbb}"
    "figcaption{color:#555;font-size:13px}footer{margin-top:32px;color:#777;font-size:12px}"
    "@media print{body{margin:0;max-width:none}h2{page-break-after:avoid}}";

void HtmlBegin(HTMLDOC *pDoc, const std::string &strTitle, const std::string &strSubtitle)
{
    pDoc->strText = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
                  + HtmlEscape(strTitle) + "</title>\n<style>" + s_szStyle + "</style>\n</head>\n<body>\n<h1>"
                  + HtmlEscape(strTitle) + "</h1>\n<p class=\"subtitle\">" + HtmlEscape(strSubtitle) + "</p>\n";
}

void HtmlSection(HTMLDOC *pDoc, const std::string &strHeading)
{
    pDoc->strText += "<h2>" + HtmlEscape(strHeading) + "</h2>\n";
}

void HtmlParagraph(HTMLDOC *pDoc, const std::string &strText)
{
    pDoc->strText += "<p>" + HtmlEscape(strText) + "</p>\n";
}

void HtmlFacts(HTMLDOC *pDoc, const std::vector<std::pair<std::string, std::string>> &aFacts)
{
    pDoc->strText += "<table class=\"facts\">\n";
    for (const auto &fact : aFacts)
        pDoc->strText += "<tr><th>" + HtmlEscape(fact.first) + "</th><td>" + HtmlEscape(fact.second) + "</td></tr>\n";
    pDoc->strText += "</table>\n";
}

static std::string Cell(const HTMLCELL &cell, bool bHead)
{
    std::string str = bHead ? "<th" : "<td";
    if (cell.bNumber)
        str += " class=\"num\"";
    if (cell.rgbBack != HTML_NOCOLOUR) {
        char szStyle[40];
        snprintf(szStyle, sizeof(szStyle), " style=\"background:#%06x\"", cell.rgbBack & 0xFFFFFFu);
        str += szStyle;
    }
    return str + ">" + HtmlEscape(cell.strText) + (bHead ? "</th>" : "</td>");
}

void HtmlTable(HTMLDOC *pDoc, const std::vector<std::string> &aHeading, const std::vector<std::vector<HTMLCELL>> &aRows,
               const std::string &strCaption)
{
    pDoc->strText += "<table>\n";
    if (!strCaption.empty())
        pDoc->strText += "<caption>" + HtmlEscape(strCaption) + "</caption>\n";
    pDoc->strText += "<tr>";
    for (const std::string &str : aHeading)
        pDoc->strText += "<th>" + HtmlEscape(str) + "</th>";
    pDoc->strText += "</tr>\n";
    for (const std::vector<HTMLCELL> &aRow : aRows) {
        pDoc->strText += "<tr>";
        for (size_t i = 0; i < aRow.size(); i++)
            pDoc->strText += Cell(aRow[i], i == 0);
        pDoc->strText += "</tr>\n";
    }
    pDoc->strText += "</table>\n";
}

void HtmlGroupBegin(HTMLDOC *pDoc)
{
    pDoc->strText += "<div class=\"group\">\n";
}

void HtmlGroupEnd(HTMLDOC *pDoc)
{
    pDoc->strText += "</div>\n";
}

void HtmlPicture(HTMLDOC *pDoc, const std::string &strPng, const std::string &strCaption)
{
    pDoc->strText += "<figure><img alt=\"" + HtmlEscape(strCaption) + "\" src=\"data:image/png;base64,"
                   + HtmlBase64(strPng) + "\"><figcaption>" + HtmlEscape(strCaption) + "</figcaption></figure>\n";
}

void HtmlEnd(HTMLDOC *pDoc, const std::string &strFooter)
{
    pDoc->strText += "<footer>" + HtmlEscape(strFooter) + "</footer>\n</body>\n</html>\n";
}

bool HtmlWrite(const HTMLDOC *pDoc, const std::string &strPath, char *pszError, size_t cbError)
{
    return AtomicWriteFile(strPath, pDoc->strText, pszError, cbError);
}
