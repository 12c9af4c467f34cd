/* resource.h - ids of the plug-in's dialogs, controls and strings. */
#ifndef QFFTANA_RESOURCE_H
#define QFFTANA_RESOURCE_H

/* String table: outcome texts fetched by the host with QPM_GETMESSAGE. */
#define IDS_RANGEOVER       1   /* section range beyond the page */
#define IDS_SECTIONDONE     2   /* section FFT done */
#define IDS_PAGEDONE        3   /* page FFT done */
#define IDS_CSVSAVED        4   /* CSV report written */
#define IDS_CSVFAILED       5   /* CSV report failed */
#define IDS_RATEDIFFERS     6   /* section FFT done, channel rate differs */
#define IDS_ADDFULL         7   /* ADD log full */
#define IDS_REMONTAGEONLY   8   /* host mode 2 while analysing */
#define IDS_POINTSPAGE      9   /* FFT points do not suit the page time */

/* Dialogs run through the window-tool library. */
#define IDD_CLEARCONFIRM    102 /* "clear the ADD results?" OK = IDOK, Cancel = IDCANCEL */
#define IDD_ABOUT           500 /* About box */

/* Coherence window "COHERENCEDLG": its template buttons, its refresh
   command and the ids of the cells it creates (+ index in creation order). */
#define IDC_COHREFRESH      900
#define IDC_COHPRINT        1317
#define IDC_COHSAVE         1318
#define IDC_COHCOLHEAD      2000 /* + channel: column header */
#define IDC_COHROWHEAD      2100 /* + channel: row header */
#define IDC_COHDIAGONAL     2200 /* + d: "No" on the diagonal */
#define IDC_COHSPECTRUM     3000 /* + f: coherence spectrum below the diagonal */
#define IDC_COHBANDS        4000 /* + b: band histogram above the diagonal */

/* Controls of those dialogs. */
#define IDC_STATIC          (-1)

/* Icons. */
#define IDI_FFTANA          101 /* the plug-in's icon */
#define IDI_FFTWAVE         107 /* second icon of the About box */

/* Setup panel ("SETUPDLG_NORMAL", "SETUPDLG_SMALL"). */
#define IDC_DETAILSETUP     2308 /* opens the analysis setup dialog */
#define IDC_HELPBTN         1421 /* help; also in both setup dialogs */
#define IDC_ABOUTICON       2316 /* About box; also in the analysis setup dialog */
#define IDC_AREAFFT         1301 /* wFFTAreaSw */
#define IDC_ANALYCH         1221 /* wAnalyCh */
#define IDC_AUTOCHSELECT    1300 /* wAutoChSelect */
#define IDC_CHTABLE         1502 /* channel table */

/* Analysis setup dialog ("DETAILSETUP_JP", "DETAILSETUP_EG"). */
#define IDC_LOWCUTSW        1201
#define IDC_LOWCUTFREQ      1202
#define IDC_HICUTSW         1203
#define IDC_HICUTFREQ       1204
#define IDC_ADDKEYSW        1205
#define IDC_SHOWFREQPARA    1206
#define IDC_FREQSTDSW       1600 /* JP variant only */
#define IDC_FFTPOINT        2302
#define IDC_EDGEPERCENT     2303
#define IDC_WINDOWTYPE      2306

/* Band setup dialog ("FREQBANDSETUP"); band b (0..7) adds b to the first id. */
#define IDC_BANDLABEL       1100 /* label edit */
#define IDC_BANDENABLE      1110 /* "BandN" check box */
#define IDC_BANDSCALE       1120 /* QCUSTOMRNGSCALE32 of the band limits */
#define IDC_BANDFRAME       1160 /* frame of the group */
#define IDC_BANDRANGE       1170 /* QCUSTOMSTATIC32: the range covered */
#define IDC_TOTALMIN        1302
#define IDC_TOTALMAX        1303

#endif
