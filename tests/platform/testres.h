/* testres.h - ids of the platform tests' own resources. */
#ifndef PLATFORM_TESTRES_H
#define PLATFORM_TESTRES_H

#define IDS_CSVSAVED 4
#define IDS_ASCII 10
#define IDS_TILDE 11
#define IDS_EMPTY 12

#define IDI_TEST 101

#endif
