// A parent window for control tests: it logs every WM_COMMAND its children
// send, and a test compares the log with a static table of expected
// notifications ending in an empty entry, in the manner of Wine's
// message-sequence tests.
#ifndef TESTS_LIBS_NOTELOG_H
#define TESTS_LIBS_NOTELOG_H

#include <windows.h>

#include <functional>
#include <vector>

struct NOTE {
    WPARAM wParam;   // MAKEWPARAM(control id, notification code)
    HWND hwndFrom;   // lParam of the WM_COMMAND
};

// Creates the logging parent (a visible top-level window, 400 x 300).
HWND NoteCreateParent(void);

// The notifications received since the last NoteStart, oldest first.
const std::vector<NOTE> &NoteLog(void);

// Empties the log. onNote, when given, runs inside each WM_COMMAND after
// it is logged (to answer the way an owner would, e.g. reading values back).
void NoteStart(std::function<void(const NOTE &)> onNote = nullptr);

// Compares the log with the table (ended by an entry with wParam 0 and
// hwndFrom NULL), reports both sequences on a difference, then empties it.
void NoteCheck(const NOTE *pExpected, const char *pszContext, const char *pszFile, int nLine);
#define NOTE_CHECK(table, context) NoteCheck(table, context, __FILE__, __LINE__)

#endif /* TESTS_LIBS_NOTELOG_H */
