// Per-recording result files of a batch.
#include "batchresult.h"

#include <errno.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include <fstream>

#include "atomicfile.h"
#include "csvout.h"

static const char szMagic[] = "qfftana-result";

std::string ResultFolderName(const std::string &strFile)
{
    uint32_t nHash = 2166136261u;
    for (unsigned char c : strFile)
        nHash = (nHash ^ c) * 16777619u;
    size_t nSlash = strFile.find_last_of('/');
    std::string strBase = nSlash == std::string::npos ? strFile : strFile.substr(nSlash + 1);
    size_t nDot = strBase.find_last_of('.');
    if (nDot != std::string::npos && nDot > 0)
        strBase.erase(nDot);
    if (strBase.empty() || strBase == "." || strBase == "..")
        strBase = "recording";
    char szHash[16];
    snprintf(szHash, sizeof(szHash), "-%08x", (unsigned)nHash);
    return strBase + szHash;
}

static std::string Tagged(const char *pszTag, const std::vector<std::string> &aCells)
{
    std::vector<std::string> aLine(1, pszTag);
    aLine.insert(aLine.end(), aCells.begin(), aCells.end());
    return CsvLine(aLine);
}

bool ResultWrite(const std::string &strPath, const BATCHRESULT *pResult, std::string *pstrError)
{
    std::string strText = CsvLine({szMagic, "1"}) + Tagged("file", {pResult->strFile})
                        + Tagged("options", pResult->aOptions);
    if (!pResult->strError.empty())
        strText += Tagged("error", {pResult->strError});
    for (const RESULTLINE &line : pResult->aLines)
        strText += Tagged(line.strTag.c_str(), line.aCells);
    return AtomicWriteFile(strPath, strText, pstrError);
}

bool ResultRead(const std::string &strPath, BATCHRESULT *pResult)
{
    *pResult = BATCHRESULT();
    std::ifstream in(strPath, std::ios::binary);
    std::string strLine;
    std::vector<std::string> aCells;
    bool bMagic = false;
    while (std::getline(in, strLine)) {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        // A cell may hold a line break: read on until its quote closes.
        std::string strMore;
        while (!CsvSplitLine(strLine, &aCells) && std::getline(in, strMore))
            strLine += "\n" + strMore;
        if (!bMagic) {
            bMagic = aCells.size() == 2 && aCells[0] == szMagic && aCells[1] == "1";
            if (!bMagic)
                return false;
            continue;
        }
        RESULTLINE line = {aCells[0], std::vector<std::string>(aCells.begin() + 1, aCells.end())};
        if (line.strTag == "file" && line.aCells.size() == 1)
            pResult->strFile = line.aCells[0];
        else if (line.strTag == "options")
            pResult->aOptions = line.aCells;
        else if (line.strTag == "error" && line.aCells.size() == 1)
            pResult->strError = line.aCells[0];
        else
            pResult->aLines.push_back(line);
    }
    return bMagic;
}
