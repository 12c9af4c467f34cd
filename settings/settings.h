/*
 * settings.h - the settings files of the analysis window.
 *
 * "QFFTANA.INI" holds every setting, "QFFTANAX.INI" the switches of the
 * coherence analysis; both live in the settings folder the host names, and a
 * missing one is first copied from the folder's "DEFAULT\" templates. Values
 * are read once at initialisation and written back when the window is
 * destroyed; keys the plug-in only reads are never written.
 */
#ifndef QFFTANA_SETTINGS_H
#define QFFTANA_SETTINGS_H

#include <windows.h>

#include "frame/fftview.h"

void SettingsLoad(HWND hWnd, FFTVIEWDATA *pData, const char *pszFolder);
/* Reads both files of folder pszFolder (ending in a path separator) into the
   record, copying missing files from the templates first, and creates the
   filter object for 8 channels. Missing keys take their defaults. A folder
   too long for the file names leaves the names empty and every key at its
   default. An analysis channel count above 8 is taken as 8. */

void SettingsSave(HWND hWnd, FFTVIEWDATA *pData);
/* Writes the record's read-write settings back; nothing when no settings
   folder was given. Write failures are not reported. */

#endif /* QFFTANA_SETTINGS_H */
