// Pictures of the plug-in's setup panel and dialogs, each drawn as the
// analysis pictures are (WM_PRINTCLIENT into a DIB section, then PNG). A
// modal dialog is drawn by the automation's handler while its loop runs,
// and then cancelled, so nothing it shows is changed.
#include "dlgpictures.h"

#include <errno.h>
#include <stdio.h>
#include <sys/stat.h>

#include "automation.h"
#include "hostproto.h"
#include "pictures.h"

namespace {

// What the analysis window and its panel answer, and the item that chooses
// the language of the analysis setup dialog (0 English, else Japanese).
const int IDC_SETUPPANEL = 1000;
const int IDC_BANDSETUP = 1020;
const int IDC_DETAILSETUP = 2308;
const int IDC_ABOUTICON = 2316;
const WORD QPI_DIALOGLANG = 19;
const int WIDE_SCREEN = 1024;   // wider screens get the normal panel

struct DIALOGSHOT {
    const std::string *pFolder;
    const char *pszName;
    BOOL bShown;
    BOOL bOk;
    char szError[512];
};

void CALLBACK DrawModal(HWND hDlg, void *pUser)
{
    DIALOGSHOT *pShot = (DIALOGSHOT *)pUser;
    pShot->bShown = TRUE;
    pShot->bOk = PicturesWriteWindow(hDlg, *pShot->pFolder, pShot->pszName, pShot->szError, sizeof(pShot->szError));
    EndDialog(hDlg, IDCANCEL);
}

// Sends command nId to hTarget, which opens a modal dialog, and draws it.
BOOL WriteModal(HWND hTarget, int nId, const std::string &strFolder, const char *pszName, char *pszError,
                size_t cbError)
{
    DIALOGSHOT shot = {&strFolder, pszName, FALSE, FALSE, ""};
    AutoQueueModalHandler(DrawModal, &shot);
    SendMessageA(hTarget, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)GetDlgItem(hTarget, nId));
    AutoPump();
    if (!shot.bShown) {
        snprintf(pszError, cbError, "the plug-in opened no dialog for %s", pszName);
        return FALSE;
    }
    if (!shot.bOk)
        snprintf(pszError, cbError, "%s", shot.szError);
    return shot.bOk;
}

void SetDialogLanguage(HWND hAnaly, DWORD dwJapanese)
{
    SendMessageA(hAnaly, QPM_SETVALUE, MAKEWPARAM(QPI_DIALOGLANG, 0), (LPARAM)dwJapanese);
}

}  // namespace

BOOL PicturesWriteDialogs(HWND hAnaly, const std::string &strFolder, char *pszError, size_t cbError)
{
    if (mkdir(strFolder.c_str(), 0755) != 0 && errno != EEXIST) {
        snprintf(pszError, cbError, "cannot make the pictures folder %s", strFolder.c_str());
        return FALSE;
    }
    HWND hPanel = GetDlgItem(hAnaly, IDC_SETUPPANEL);
    if (hPanel == NULL) {
        snprintf(pszError, cbError, "the analysis window has no setup panel");
        return FALSE;
    }
    const BOOL bWide = GetSystemMetrics(SM_CXSCREEN) > WIDE_SCREEN;
    if (!PicturesWriteWindow(hPanel, strFolder, bWide ? "SETUPDLG_NORMAL.png" : "SETUPDLG_SMALL.png", pszError,
                             cbError))
        return FALSE;
    if (!bWide)
        return TRUE;
    BOOL bOk = WriteModal(hPanel, IDC_ABOUTICON, strFolder, "ABOUT.png", pszError, cbError)
            && WriteModal(hAnaly, IDC_BANDSETUP, strFolder, "FREQBANDSETUP.png", pszError, cbError);
    SetDialogLanguage(hAnaly, 1);
    bOk = bOk && WriteModal(hPanel, IDC_DETAILSETUP, strFolder, "DETAILSETUP_JP.png", pszError, cbError);
    SetDialogLanguage(hAnaly, 0);
    bOk = bOk && WriteModal(hPanel, IDC_DETAILSETUP, strFolder, "DETAILSETUP_EG.png", pszError, cbError);
    SetDialogLanguage(hAnaly, 1);
    return bOk;
}
