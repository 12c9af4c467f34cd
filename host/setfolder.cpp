// Preparing the settings folder and writing the run's choices into it.
#include "setfolder.h"

#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <windows.h>

#include "codepage.h"

static BOOL MakeFolders(const std::string &strPath)
{
    std::string strSoFar;
    for (size_t i = 0; i <= strPath.size(); i++) {
        if (i == strPath.size() || (strPath[i] == '/' && i > 0)) {
            strSoFar = strPath.substr(0, i);
            if (mkdir(strSoFar.c_str(), 0755) != 0 && errno != EEXIST)
                return FALSE;
        }
    }
    struct stat st;
    return stat(strPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

static std::string UserFolder(void)
{
    const char *pszConfig = getenv("XDG_CONFIG_HOME");
    if (pszConfig && pszConfig[0] == '/')
        return std::string(pszConfig) + "/qfftana";
    const char *pszHome = getenv("HOME");
    if (pszHome && pszHome[0])
        return std::string(pszHome) + "/.config/qfftana";
    return "qfftana-settings";
}

// The templates the host ships sit in default/ beside the program.
static std::string ShippedTemplates(void)
{
    char szExe[PATH_MAX];
    ssize_t cch = readlink("/proc/self/exe", szExe, sizeof(szExe) - 1);
    if (cch <= 0)
        return "default/";
    szExe[cch] = '\0';
    char *pszSlash = strrchr(szExe, '/');
    if (pszSlash)
        pszSlash[1] = '\0';
    return std::string(szExe) + "default/";
}

BOOL SetPrepareFolder(const HOSTOPTIONS *pOpt, std::string *pstrFolder, char *pszError, size_t cbError)
{
    std::string strFolder = pOpt->strSettingsDir.empty() ? UserFolder() : pOpt->strSettingsDir;
    while (strFolder.size() > 1 && strFolder.back() == '/')
        strFolder.pop_back();
    if (!MakeFolders(strFolder + "/DEFAULT")) {
        snprintf(pszError, cbError, "cannot create the settings folder %s/DEFAULT: %s (name another with --settings)",
                 strFolder.c_str(), strerror(errno));
        return FALSE;
    }
    *pstrFolder = strFolder + "/";
    std::string strShipped = ShippedTemplates();
    for (const char *pszFile : {SET_MAINFILE, SET_COHFILE}) {
        std::string strTemplate = *pstrFolder + "DEFAULT/" + pszFile;
        CopyFileA((strShipped + pszFile).c_str(), strTemplate.c_str(), TRUE);
        CopyFileA(strTemplate.c_str(), (*pstrFolder + pszFile).c_str(), TRUE);
    }
    return TRUE;
}

static void WriteInt(const std::string &strFile, const char *pszSection, const char *pszKey, long nValue)
{
    char szValue[24];
    snprintf(szValue, sizeof(szValue), "%ld", nValue);
    WritePrivateProfileStringA(pszSection, pszKey, szValue, strFile.c_str());
}

static std::string AvailableLabels(const RECORDING *pRec)
{
    std::string strList;
    for (const RECCHANNEL &ch : pRec->aChannels)
        strList += (strList.empty() ? "" : ",") + std::string(ch.szLabel);
    return strList;
}

static BOOL NameChannels(const std::string &strFile, const HOSTOPTIONS *pOpt, const RECORDING *pRec,
                         char *pszError, size_t cbError)
{
    for (const std::string &strLabel : pOpt->aChannels) {
        if (RecFindLabel(pRec, strLabel.c_str()) < 0) {
            snprintf(pszError, cbError, "--channels: the recording has no channel '%s' (it has %s)",
                     strLabel.c_str(), AvailableLabels(pRec).c_str());
            return FALSE;
        }
    }
    WriteInt(strFile, "FFTINFO", "AnalyCh", (long)pOpt->aChannels.size());
    WriteInt(strFile, "FFTINFO", "AutoChSelect", 0);
    for (size_t i = 0; i < pOpt->aChannels.size(); i++) {
        const RECCHANNEL &ch = pRec->aChannels[RecFindLabel(pRec, pOpt->aChannels[i].c_str())];
        char szSection[32];
        snprintf(szSection, sizeof(szSection), "ANALYCH%zu", i + 1);
        WriteInt(strFile, szSection, "Signal", ch.wSignalType);
        // Quoted, as the plug-in writes labels, so blanks survive.
        std::string strQuoted = std::string("\"") + ch.szLabel + "\"";
        WritePrivateProfileStringA(szSection, "Label", strQuoted.c_str(), strFile.c_str());
    }
    return TRUE;
}

// Whether every analysis channel the settings name is in the recording
// under that name and with that signal type.
static BOOL SettingsLabelsFit(const std::string &strFile, const RECORDING *pRec)
{
    UINT nSlots = GetPrivateProfileIntA("FFTINFO", "AnalyCh", 2, strFile.c_str());
    if (nSlots < 1 || nSlots > HOST_MAXCHANNELS)
        return FALSE;
    for (UINT i = 1; i <= nSlots; i++) {
        char szSection[32], szLabel[64];
        snprintf(szSection, sizeof(szSection), "ANALYCH%u", i);
        GetPrivateProfileStringA(szSection, "Label", "", szLabel, sizeof(szLabel), strFile.c_str());
        UINT nSignal = GetPrivateProfileIntA(szSection, "Signal", 4, strFile.c_str());
        BOOL bFound = FALSE;
        for (const RECCHANNEL &ch : pRec->aChannels)
            bFound = bFound || (strcmp(ch.szLabel, szLabel) == 0 && ch.wSignalType == nSignal);
        if (!bFound)
            return FALSE;
    }
    return TRUE;
}

BOOL SetApplyOptions(const std::string &strFolder, const HOSTOPTIONS *pOpt, const RECORDING *pRec,
                     std::string *pstrNote, char *pszError, size_t cbError)
{
    std::string strFile = strFolder + SET_MAINFILE;
    if (pOpt->nMode != MODE_SETTINGS)
        WriteInt(strFile, "FFTINFO", "FFTAreaSw", pOpt->nMode == MODE_SECTION);
    if (!pOpt->aChannels.empty()) {
        if (!NameChannels(strFile, pOpt, pRec, pszError, cbError))
            return FALSE;
    } else if (SettingsLabelsFit(strFile, pRec)) {
        WriteInt(strFile, "FFTINFO", "AutoChSelect", 0);
    } else {
        WriteInt(strFile, "FFTINFO", "AutoChSelect", 1);
        *pstrNote = "the recording lacks some of the settings' channel labels: analysis channels are chosen automatically";
    }
    // Values come from a UTF-8 command line; the plug-in reads code page 932.
    for (const SETTING &set : pOpt->aSettings) {
        std::vector<char> achAnsi(set.strValue.size() + 1);
        CpUtf8ToAnsi(set.strValue.c_str(), achAnsi.data(), achAnsi.size());
        WritePrivateProfileStringA(set.strSection.c_str(), set.strKey.c_str(), achAnsi.data(),
                                   (strFolder + set.strFile).c_str());
    }
    return TRUE;
}
