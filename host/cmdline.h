/*
 * cmdline.h - the command line of qfftana.
 *
 *   qfftana demo [--out DIR]
 *   qfftana analyze RECORDING [--out DIR] [--channels C3,C4,...]
 *           [--page-seconds S] [--mode page|section] [--section-offset SECONDS]
 *           [--add all|none|LIST] [--set [FILE.]SECTION.KEY=VALUE ...]
 *           [--settings DIR] [--pictures DIR [--picture-size WxH]]
 *           [--json FILE] [--html FILE] [--result FILE] [--quiet]
 *   qfftana info RECORDING
 *   qfftana make-demo FILE.edf
 *   qfftana compare [RECORDING] --a PAGES|--a-seconds FROM-TO|--a-annotation TEXT
 *           --b ... [--labels A,B] [--html FILE] [analysis options but --add]
 *   qfftana batch FILES... --out DIR [--jobs N] [analysis options]
 *   qfftana batch-one FILE --out DIR [analysis options]
 *   qfftana merge DIR
 *   qfftana --version
 *   qfftana dialogs --pictures DIR [--settings DIR] [--quiet]
 *
 * demo takes every option of analyze; so does dialogs, which runs the
 * demo to fill the setup panel and dialogs it draws, and needs --pictures;
 * batch and batch-one take every option of analyze but --pictures, --json
 * and --html; info, make-demo and merge take none but --quiet.
 */
#ifndef HOST_CMDLINE_H
#define HOST_CMDLINE_H

#include <windows.h>

#include <stddef.h>
#include <stdio.h>

#include <string>
#include <vector>

enum {
    CMD_HELP,
    CMD_DEMO,
    CMD_ANALYZE,
    CMD_INFO,
    CMD_MAKEDEMO,
    CMD_COMPARE,
    CMD_BATCH,
    CMD_BATCHONE,
    CMD_MERGE,
    CMD_VERSION,
    CMD_DIALOGS,
};

enum {
    MODE_SETTINGS = -1,   // as the settings file says
    MODE_PAGE = 0,
    MODE_SECTION = 1,
};

#define HOST_MAXCHANNELS 8

typedef struct tagADDRANGE {
    int nFirst, nLast;    // 1-based pages, nFirst <= nLast
} ADDRANGE;

enum {
    COND_NONE,
    COND_PAGES,
    COND_SECONDS,
    COND_ANNOTATION,
};

// One of the two sets of pages compare averages.
typedef struct tagCONDITION {
    int nKind;                     // COND_*
    std::vector<ADDRANGE> aPages;  // COND_PAGES
    double dFrom, dTo;             // COND_SECONDS: from inclusive, to exclusive
    std::string strAnnotation;     // COND_ANNOTATION: the annotation's text
    std::string strLabel;          // "A" / "B" unless --labels names them
} CONDITION;

typedef struct tagSETTING {
    std::string strFile;      // "QFFTANA.INI" or "QFFTANAX.INI"
    std::string strSection;
    std::string strKey;
    std::string strValue;
} SETTING;

typedef struct tagHOSTOPTIONS {
    int nCommand;
    std::string strRecording;           // analyze, info: the file; make-demo: the output
    std::string strOutDir;              // "qfftana-out" unless given
    std::vector<std::string> aChannels; // --channels, at most 8
    int nPageSeconds;                   // 0 unless given: the host chooses (pagefit.h)
    int nMode;                          // MODE_*
    double dSectionOffset;              // seconds into each page
    BOOL bAddAll;                       // --add all (the default)
    std::vector<ADDRANGE> aAddRanges;   // --add LIST; empty with bAddAll FALSE: none
    std::vector<SETTING> aSettings;     // --set, in order
    std::string strSettingsDir;         // empty: the per-user folder
    std::string strPicturesDir;         // --pictures; empty: no pictures
    int nPictureWidth, nPictureHeight;  // --picture-size, 1280 x 800 unless given
    std::string strJsonFile;            // --json; empty: none
    std::string strHtmlFile;            // --html; empty: none
    std::string strResultFile;          // --result (a batch's worker); empty: none
    BOOL bQuiet;
    CONDITION aCondition[2];            // compare: --a..., --b...
    std::vector<std::string> aFiles;    // batch, batch-one: the recordings as given
    int nJobs;                          // batch: workers at a time, 1 unless given
    std::vector<std::string> aPassed;   // batch: the analysis options as given, for its workers
} HOSTOPTIONS;

BOOL CmdParse(int argc, char **argv, HOSTOPTIONS *pOpt, char *pszError, size_t cbError);
/* Fills *pOpt from the arguments after the program name. FALSE, with a
 * one-line reason in pszError, for an unknown command or option, a missing
 * or malformed value, or an option the command does not take. No
 * arguments, "help", "-h" and "--help" give CMD_HELP. */

BOOL CmdParsePageList(const char *psz, std::vector<ADDRANGE> *paRanges);
/* A list of pages and ranges such as "1,3-7,10"; FALSE when malformed. */

BOOL CmdWantsPage(const HOSTOPTIONS *pOpt, int nPage);
/* Whether the 1-based page nPage is to be added. */

int CmdLastListedPage(const HOSTOPTIONS *pOpt);
/* The highest page --add names, 0 when it names none. */

void CmdPrintUsage(FILE *pOut);

/* The program's exit statuses, as the usage text lists them. */
enum {
    EXIT_OK = 0,
    EXIT_NOREPORT = 1,
    EXIT_BADARGS = 2,
    EXIT_BADRECORDING = 3,
};

BOOL CmdFail(char *pszError, size_t cbError, const char *pszFormat, ...);
/* Formats a one-line reason into pszError and returns FALSE. */

int CmdComplain(int nExit, const char *pszText);
/* Says "qfftana: TEXT" on standard error and returns nExit. */
/* The usage text. */

#endif /* HOST_CMDLINE_H */
