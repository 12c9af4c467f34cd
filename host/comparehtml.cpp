// The comparison of two sets of pages as an HTML report.
#include "comparehtml.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#include "codepage.h"
#include "htmlreport.h"
#include "htmlwrite.h"
#include "version.h"

static std::string Utf8(const char *pszAnsi)
{
    std::vector<char> aOut(strlen(pszAnsi) * 3 + 1);
    CpAnsiToUtf8(pszAnsi, aOut.data(), aOut.size());
    return aOut.data();
}

// A number right-aligned, "-" when there is none.
static HTMLCELL Number(double d, const char *pszFormat)
{
    char sz[64] = "-";
    if (isfinite(d))
        snprintf(sz, sizeof(sz), pszFormat, d);
    return {sz, HTML_NOCOLOUR, true};
}

static HTMLCELL Text(const std::string &str)
{
    return {str, HTML_NOCOLOUR, false};
}

static void SetsSection(HTMLDOC *pDoc, const COMPARISON *pCmp)
{
    HtmlSection(pDoc, "Sets compared");
    std::vector<std::pair<std::string, std::string>> aFacts;
    for (int s = 0; s < 2; s++)
        aFacts.push_back({std::string(1, (char)('A' + s)) + ": " + pCmp->astrLabel[s],
                          "pages " + pCmp->astrPages[s] + ", " + std::to_string(pCmp->anAveraged[s]) + " sections averaged"});
    HtmlFacts(pDoc, aFacts);
}

static void PowerSection(HTMLDOC *pDoc, const COMPARISON *pCmp)
{
    const std::string &strA = pCmp->astrLabel[0], &strB = pCmp->astrLabel[1];
    HtmlSection(pDoc, "Band power");
    HtmlParagraph(pDoc, "Power of each averaged spectrum in the band, the ratio B / A (" + strB + " over " + strA
                        + ") and its base-10 logarithm.");
    std::vector<std::vector<HTMLCELL>> aRows;
    for (const COMPARECHANNEL &ch : pCmp->aChannels) {
        for (size_t b = 0; b < pCmp->aBands.size(); b++) {
            double dRatio = CmpRatio(ch.aadPower[0][b], ch.aadPower[1][b]);
            aRows.push_back({Text(ch.strTitle), Text(pCmp->aBands[b]), Number(ch.aadPower[0][b], "%.2f \xc2\xb5V\xc2\xb2"),
                             Number(ch.aadPower[1][b], "%.2f \xc2\xb5V\xc2\xb2"), Number(dRatio, "%.3f"),
                             Number(dRatio > 0.0 ? log10(dRatio) : NAN, "%.3f")});
        }
    }
    HtmlTable(pDoc, {"channel", "band", "power A: " + strA, "power B: " + strB, "ratio B / A", "log10 (B / A)"}, aRows);
}

static void PeakSection(HTMLDOC *pDoc, const COMPARISON *pCmp)
{
    HtmlSection(pDoc, "Peak frequency");
    std::vector<std::vector<HTMLCELL>> aRows;
    for (const COMPARECHANNEL &ch : pCmp->aChannels)
        aRows.push_back({Text(ch.strTitle), Number(ch.adPeak[0], "%.2f Hz"), Number(ch.adPeak[1], "%.2f Hz")});
    HtmlTable(pDoc, {"channel", "peak A: " + pCmp->astrLabel[0], "peak B: " + pCmp->astrLabel[1]}, aRows);
}

static void PicturesSection(HTMLDOC *pDoc, const COMPARISON *pCmp, const std::vector<std::string> &aPng)
{
    HtmlSection(pDoc, "Averaged spectra");
    for (size_t c = 0; c < aPng.size() && c < pCmp->aChannels.size(); c++)
        HtmlPicture(pDoc, aPng[c], pCmp->aChannels[c].strTitle + ": " + pCmp->astrLabel[0] + " (blue) and "
                                       + pCmp->astrLabel[1] + " (orange)");
}

bool CmpWriteHtml(const std::string &strPath, const RECORDING *pRec, const RUNSUMMARY *pSummary,
                  const COMPARISON *pCmp, const std::vector<std::string> &aPng, char *pszError, size_t cbError)
{
    HTMLDOC doc;
    HtmlBegin(&doc, "Conditions compared in " + Utf8(pRec->szName), pCmp->astrLabel[0] + " and " + pCmp->astrLabel[1]);
    HtmlRecordingSection(&doc, pRec);
    HtmlSettingsSection(&doc, pSummary);
    SetsSection(&doc, pCmp);
    PowerSection(&doc, pCmp);
    PeakSection(&doc, pCmp);
    PicturesSection(&doc, pCmp, aPng);
    HtmlEnd(&doc, std::string("qfftana ") + QFFTANA_VERSION);
    return HtmlWrite(&doc, strPath, pszError, cbError);
}
