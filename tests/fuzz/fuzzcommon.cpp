// Shared parts of the fuzz targets.
#include "fuzzcommon.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

void FuzzFail(const char *pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    fprintf(stderr, "== invariant broken: ");
    vfprintf(stderr, pszFormat, args);
    fprintf(stderr, "\n");
    va_end(args);
    abort();
}

static bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

static bool IsTrailByte(unsigned char c)
{
    return c >= 0x40 && c <= 0xFC && c != 0x7F;
}

// One character: ASCII, a half-width katakana or a double-byte character,
// whose trail byte may be one that looks like ASCII ('\\', '@', '|').
static void AppendCharacter(FuzzedDataProvider &in, std::string &sText)
{
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
        sText += (char)in.ConsumeIntegralInRange<int>(0x20, 0x7E);
        break;
    case 1:
        sText += (char)in.ConsumeIntegralInRange<int>(0xA1, 0xDF);
        break;
    default: {
        int nLead = in.ConsumeIntegralInRange<int>(0, 59);
        sText += (char)(nLead < 31 ? 0x81 + nLead : 0xE0 + nLead - 31);
        int nTrail = in.ConsumeIntegralInRange<int>(0x40, 0xFB);
        sText += (char)(nTrail >= 0x7F ? nTrail + 1 : nTrail);
        break;
    }
    }
}

std::string FuzzCp932Text(FuzzedDataProvider &in, size_t cchMax)
{
    std::string sText;
    size_t cchWanted = in.ConsumeIntegralInRange<size_t>(0, cchMax);
    while (sText.size() + 2 <= cchWanted && in.remaining_bytes() > 0)
        AppendCharacter(in, sText);
    return sText;
}

std::string FuzzText(FuzzedDataProvider &in, size_t cchMax)
{
    if (in.ConsumeIntegralInRange(0, 7) != 0)
        return FuzzCp932Text(in, cchMax);
    std::string sText = in.ConsumeRandomLengthString(cchMax);
    for (char &c : sText)
        if (c == '\0')
            c = '\x81';
    return sText;
}

bool FuzzIsCp932(const char *pch, size_t cch, size_t *pcchBad)
{
    for (size_t i = 0; i < cch; i++) {
        unsigned char c = (unsigned char)pch[i];
        if (!IsLeadByte(c)) {
            if (c == 0x80 || c == 0xA0 || c >= 0xFD) {
                *pcchBad = i;
                return false;
            }
            continue;
        }
        if (i + 1 >= cch || !IsTrailByte((unsigned char)pch[i + 1])) {
            *pcchBad = i;
            return false;
        }
        i++;
    }
    return true;
}

std::string FuzzTempDir(const char *pszName)
{
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("qfftana-fuzz-" + std::string(pszName) + "-" +
                                 std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string() + "/";
}

void FuzzInstallTemplates(const std::string &sDir)
{
    std::filesystem::path templates = std::filesystem::path(QF_SOURCE_DIR) / "resources" / "default";
    std::filesystem::create_directories(sDir + "DEFAULT");
    for (const char *pszName : {"QFFTANA.INI", "QFFTANAX.INI"})
        std::filesystem::copy_file(templates / pszName, sDir + "DEFAULT/" + pszName,
                                   std::filesystem::copy_options::overwrite_existing);
}

void FuzzResetSettings(const std::string &sDir)
{
    for (const char *pszName : {"QFFTANA.INI", "QFFTANAX.INI"})
        remove((sDir + pszName).c_str());
}
