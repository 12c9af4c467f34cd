/*
 * setfolder.h - the settings folder the host names to the plug-in.
 *
 * The folder holds the plug-in's two settings files and, in DEFAULT/, the
 * templates the plug-in copies when a file is missing. The host places the
 * templates it ships (beside the program, in default/) there when the
 * folder has none, copies a missing settings file from its template as the
 * plug-in would, and then writes what the command line asks into the
 * settings file, before the plug-in reads it: what a user would have set
 * in the setup panel beforehand. The plug-in writes its settings back when
 * its window closes, so those choices stay, as a user's would.
 */
#ifndef HOST_SETFOLDER_H
#define HOST_SETFOLDER_H

#include <stddef.h>

#include <string>

#include "cmdline.h"
#include "recording.h"

#define SET_MAINFILE "QFFTANA.INI"
#define SET_COHFILE  "QFFTANAX.INI"

BOOL SetPrepareFolder(const HOSTOPTIONS *pOpt, std::string *pstrFolder, char *pszError, size_t cbError);
/* Creates the settings folder (--settings, else $XDG_CONFIG_HOME/qfftana or
 * ~/.config/qfftana) with its DEFAULT/ templates and both settings files.
 * *pstrFolder receives the folder ending in '/', as the plug-in wants it.
 * FALSE, with a reason, when the folder cannot be created. */

BOOL SetApplyOptions(const std::string &strFolder, const HOSTOPTIONS *pOpt, const RECORDING *pRec,
                     std::string *pstrNote, char *pszError, size_t cbError);
/* Writes the run's choices into the settings files: the FFT mode, the
 * analysis channels, then every --set in order. Channels: --channels names
 * them (AnalyCh, each slot's Label and Signal, automatic selection off);
 * without it the settings' labels are used when the recording has every
 * one of them with the slot's signal type, else automatic selection is
 * switched on and *pstrNote says so. FALSE, with a reason listing the
 * recording's labels, for a --channels label the recording lacks. */

#endif /* HOST_SETFOLDER_H */
