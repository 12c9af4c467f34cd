// The summary's numbers as JSON.
#include "jsonout.h"

#include <math.h>
#include <stdio.h>

#include <charconv>

#include "atomicfile.h"
#include "codepage.h"
#include "version.h"

std::string JsonQuote(const std::string &strUtf8)
{
    std::string str = "\"";
    for (unsigned char c : strUtf8) {
        if (c == '"' || c == '\\') {
            str += '\\';
            str += (char)c;
        } else if (c < 0x20) {
            char szEscape[8];
            snprintf(szEscape, sizeof(szEscape), "\\u%04x", c);
            str += szEscape;
        } else {
            str += (char)c;
        }
    }
    return str + "\"";
}

std::string JsonNumber(double d)
{
    if (!isfinite(d))
        return "null";
    char sz[32];
    std::to_chars_result res = std::to_chars(sz, sz + sizeof(sz), d);
    return std::string(sz, res.ptr);
}

static std::string NumberList(const std::vector<double> &ad)
{
    std::string str = "[";
    for (size_t i = 0; i < ad.size(); i++)
        str += (i ? ", " : "") + JsonNumber(ad[i]);
    return str + "]";
}

static std::string Range(double dMin, double dMax)
{
    return "[" + JsonNumber(dMin) + ", " + JsonNumber(dMax) + "]";
}

static std::string Settings(const RUNSUMMARY *pSummary)
{
    const RUNSETTINGS &s = pSummary->settings;
    return std::string("  \"settings\": {\n")
         + "    \"fft_points\": " + std::to_string(s.nFFTPoints) + ",\n"
         + "    \"window\": " + JsonQuote(SummaryWindowName(s.nWindowType)) + ",\n"
         + "    \"mode\": " + JsonQuote(s.bSection ? "section" : "page") + ",\n"
         + "    \"page_seconds\": " + std::to_string(pSummary->nPageSeconds) + ",\n"
         + "    \"scaling\": " + JsonQuote(s.bDensity ? "power density" : "power per line") + ",\n"
         + "    \"low_cut_hz\": " + (s.bLowCut ? JsonNumber(s.dLowCutHz) : "null") + ",\n"
         + "    \"high_cut_hz\": " + (s.bHighCut ? JsonNumber(s.dHighCutHz) : "null") + ",\n"
         + "    \"display_hz\": " + Range(s.ranges.dDisplayMin, s.ranges.dDisplayMax) + ",\n"
         + "    \"mean_range_hz\": " + Range(s.ranges.dMeanMin, s.ranges.dMeanMax) + ",\n"
         + "    \"edge_range_hz\": " + Range(s.ranges.dEdgeMin, s.ranges.dEdgeMax) + ",\n"
         + "    \"edge_percent\": " + JsonNumber(s.ranges.dEdgePercent) + ",\n"
         + "    \"peak_range_hz\": " + Range(s.dPeakMinHz, s.dPeakMaxHz) + "\n  },\n";
}

static std::string Bands(const RUNSUMMARY *pSummary)
{
    std::string str = "  \"bands\": [";
    for (size_t b = 0; b < pSummary->aBands.size(); b++) {
        const SUMMARYBAND &band = pSummary->aBands[b];
        str += std::string(b ? "," : "") + "\n    {\"label\": " + JsonQuote(band.strLabel) + ", \"min_hz\": "
             + JsonNumber(band.dMinHz) + ", \"max_hz\": " + JsonNumber(band.dMaxHz) + "}";
    }
    return str + "\n  ],\n";
}

static std::string Channels(const RUNSUMMARY *pSummary)
{
    std::string str = "  \"channels\": [";
    for (size_t c = 0; c < pSummary->aChannels.size(); c++) {
        const SUMMARYCHANNEL &ch = pSummary->aChannels[c];
        str += std::string(c ? "," : "") + "\n    {\"title\": " + JsonQuote(ch.strTitle)
             + ",\n     \"band_power_uv2\": " + NumberList(ch.adBandPower)
             + ",\n     \"band_share_percent\": " + NumberList(ch.adBandShare)
             + ",\n     \"mean_hz\": " + JsonNumber(ch.dMeanFreq) + ", \"edge_hz\": " + JsonNumber(ch.dEdgeFreq)
             + ", \"peak_hz\": " + JsonNumber(ch.dPeakFreq) + "}";
    }
    return str + "\n  ]\n";
}

std::string JsonSummary(const RUNSUMMARY *pSummary, const RECORDING *pRec)
{
    return std::string("{\n  \"program\": \"qfftana\",\n  \"version\": ") + JsonQuote(QFFTANA_VERSION) + ",\n"
         + "  \"recording\": {\"file\": " + JsonQuote(pRec ? CpCleanUtf8(pRec->szName) : "") + ", \"format\": "
         + JsonQuote(pRec ? pRec->szFormat : "") + "},\n" + Settings(pSummary)
         + "  \"add_count\": " + std::to_string(pSummary->nAddCount) + ",\n"
         + "  \"shares_of\": " + JsonQuote(pSummary->bAveraged ? "averaged spectrum" : "last spectrum") + ",\n"
         + Bands(pSummary) + Channels(pSummary) + "}\n";
}

bool JsonWriteSummary(const RUNSUMMARY *pSummary, const RECORDING *pRec, const std::string &strPath, char *pszError,
                      size_t cbError)
{
    return AtomicWriteFile(strPath, JsonSummary(pSummary, pRec), pszError, cbError);
}
