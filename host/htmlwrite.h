/*
 * htmlwrite.h - the pieces of a self-contained HTML report: one file with
 * its style sheet and its pictures inside (PNG as data: URIs), nothing
 * fetched from elsewhere and no scripts, printable as it stands.
 *
 * A report is built in an HTMLDOC by calls in reading order: HtmlBegin,
 * then sections with paragraphs, fact lists, tables and pictures, then
 * HtmlEnd, and written whole with HtmlWrite. Every text given is UTF-8
 * and is escaped here; callers never write markup themselves.
 */
#ifndef HOST_HTMLWRITE_H
#define HOST_HTMLWRITE_H

#include <stddef.h>

#include <string>
#include <vector>

typedef struct tagHTMLDOC {
    std::string strText;
} HTMLDOC;

typedef struct tagHTMLCELL {
    std::string strText;        /* UTF-8 */
    unsigned int rgbBack;       /* background as 0xRRGGBB; HTML_NOCOLOUR for none */
    bool bNumber;               /* right-aligned */
} HTMLCELL;

#define HTML_NOCOLOUR 0xFFFFFFFFu

std::string HtmlEscape(const std::string &strUtf8);
/* &, <, >, " and ' as character references. */

std::string HtmlBase64(const std::string &strBytes);
/* Standard base64 with padding. */

void HtmlBegin(HTMLDOC *pDoc, const std::string &strTitle, const std::string &strSubtitle);
/* The document's head with its style sheet, and the page's title. */

void HtmlSection(HTMLDOC *pDoc, const std::string &strHeading);
/* A new section with its heading. */

void HtmlParagraph(HTMLDOC *pDoc, const std::string &strText);

void HtmlFacts(HTMLDOC *pDoc, const std::vector<std::pair<std::string, std::string>> &aFacts);
/* A list of names and their values, two columns. */

void HtmlTable(HTMLDOC *pDoc, const std::vector<std::string> &aHeading, const std::vector<std::vector<HTMLCELL>> &aRows,
               const std::string &strCaption = "");
/* A table with a heading row; a row's first cell heads the row. */

void HtmlGroupBegin(HTMLDOC *pDoc);
void HtmlGroupEnd(HTMLDOC *pDoc);
/* Tables between the two stand side by side as far as the page allows. */

void HtmlPicture(HTMLDOC *pDoc, const std::string &strPng, const std::string &strCaption);
/* A PNG picture, embedded, with its caption below. */

void HtmlEnd(HTMLDOC *pDoc, const std::string &strFooter);
/* The footer line and the document's end. */

bool HtmlWrite(const HTMLDOC *pDoc, const std::string &strPath, char *pszError, size_t cbError);
/* The document written to strPath whole or not at all. */

#endif /* HOST_HTMLWRITE_H */
