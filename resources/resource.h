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

#endif
