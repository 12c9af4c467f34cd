/* testres.h - ids of the platform tests' own resources. */
#ifndef PLATFORM_TESTRES_H
#define PLATFORM_TESTRES_H

#define IDS_CSVSAVED 4
#define IDS_ASCII 10
#define IDS_TILDE 11
#define IDS_EMPTY 12

#define IDI_TEST 101

#define IDD_CONTROLS 200
#define IDD_NESTED 201
#define IDD_INNER 202
#define IDD_NOFONT 203
#define IDD_BADCLASS 204

#define IDC_EDIT 1001
#define IDC_CHECK 1002
#define IDC_COMBO 1003
#define IDC_TESTICON 1004
#define IDC_RADIOA 1005
#define IDC_RADIOB 1006
#define IDC_CUSTOM 1007
#define IDC_OPEN 1008
#define IDC_EDIT2 1009
#define IDC_LABEL 1010

#endif
