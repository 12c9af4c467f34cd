// Message-sequence checks in the manner of Wine's user32 tests: windows of
// the class "SeqWnd" log every message they receive, and a test compares
// the log with a static table of expected messages ending in an empty entry.
#ifndef TESTS_PLATFORM_MSGSEQ_H
#define TESTS_PLATFORM_MSGSEQ_H

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "automation.h"

// Messages Windows sends around activation, input methods and mouse
// input, which the headless layer does not: tests ignore them as noise.
#ifndef WM_ACTIVATEAPP
#define WM_ACTIVATEAPP 0x001C
#endif
#ifndef WM_NCMOUSEMOVE
#define WM_NCMOUSEMOVE 0x00A0
#endif
#ifndef WM_IME_SETCONTEXT
#define WM_IME_SETCONTEXT 0x0281
#endif
#ifndef WM_IME_NOTIFY
#define WM_IME_NOTIFY 0x0282
#endif

// What an expected entry compares beyond the window and the message.
enum { SEQ_WPARAM = 1, SEQ_LPARAM = 2, SEQ_OPTIONAL = 4 };

struct SEQMSG {
    int iWnd;       // the tag given to SeqCreate
    UINT uMsg;
    UINT uFlags;
    WPARAM wParam;
    LPARAM lParam;
};

// Every message a SeqWnd received, in order.
std::vector<SEQMSG> &SeqLog();
void SeqFlush();

// Creates a SeqWnd tagged iWnd (the tag is kept in GWLP_USERDATA from
// WM_NCCREATE on).
HWND SeqCreate(int iWnd, DWORD dwStyle, HWND hwndParent, int id, int x = 0, int y = 0, int cx = 100,
               int cy = 50);

// Empties the log and sets the messages it ignores from now on (noise for
// the sequence under test).
void SeqStart(std::initializer_list<UINT> ignored = {});

// Compares the log with the table (ended by an entry with uMsg 0 and
// iWnd 0), reports every difference with both sequences, then flushes.
void SeqCheck(const SEQMSG *pExpected, const char *pszContext, const char *pszFile, int nLine);
#define SEQ_CHECK(table, context) SeqCheck(table, context, __FILE__, __LINE__)

#endif /* TESTS_PLATFORM_MSGSEQ_H */
