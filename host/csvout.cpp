// RFC 4180 cells and lines for the host's tables.
#include "csvout.h"

#include <math.h>
#include <stdio.h>

std::string CsvCell(const std::string &strText)
{
    if (strText.find_first_of(",\"\r\n") == std::string::npos)
        return strText;
    std::string strQuoted = "\"";
    for (char c : strText) {
        if (c == '"')
            strQuoted += '"';
        strQuoted += c;
    }
    return strQuoted + "\"";
}

std::string CsvLine(const std::vector<std::string> &aCells)
{
    std::string strLine;
    for (size_t i = 0; i < aCells.size(); i++)
        strLine += (i ? "," : "") + CsvCell(aCells[i]);
    return strLine + "\r\n";
}

std::string CsvNumber(double d, int nDecimals)
{
    static const long long anScale[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    nDecimals = nDecimals < 0 ? 0 : nDecimals > 6 ? 6 : nDecimals;
    long long nScale = anScale[nDecimals];
    if (!isfinite(d) || fabs(d) * nScale > 9e18)
        return "";
    // Whole units of the last decimal printed by hand: no locale can change the decimal sign.
    long long n = llround(fabs(d) * nScale);
    char sz[48];
    int cch = snprintf(sz, sizeof(sz), "%s%lld", d < 0 && n != 0 ? "-" : "", n / nScale);
    if (nScale > 1)
        snprintf(sz + cch, sizeof(sz) - cch, ".%0*lld", nDecimals, n % nScale);
    return sz;
}

bool CsvSplitLine(const std::string &strLine, std::vector<std::string> *paCells)
{
    paCells->clear();
    std::string strCell;
    bool bQuoted = false;
    for (size_t i = 0; i < strLine.size(); i++) {
        char c = strLine[i];
        if (bQuoted && c == '"' && i + 1 < strLine.size() && strLine[i + 1] == '"') {
            strCell += '"';
            i++;
        } else if (c == '"') {
            bQuoted = !bQuoted;
        } else if (c == ',' && !bQuoted) {
            paCells->push_back(strCell);
            strCell.clear();
        } else {
            strCell += c;
        }
    }
    paCells->push_back(strCell);
    return !bQuoted;
}
