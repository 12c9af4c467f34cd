// A parent window for control tests: it logs every WM_COMMAND its children
// send, and a test compares the log with the notifications it expects.
#ifndef TESTS_LIBS_NOTELOG_H
#define TESTS_LIBS_NOTELOG_H

#include <windows.h>

#include <functional>
#include <ostream>
#include <vector>

struct NOTE {
    WPARAM wParam;   // MAKEWPARAM(control id, notification code)
    HWND hwndFrom;   // lParam of the WM_COMMAND
    bool operator==(const NOTE &o) const { return wParam == o.wParam && hwndFrom == o.hwndFrom; }
};
typedef std::vector<NOTE> NOTES;

inline void PrintTo(const NOTE &n, std::ostream *pOut)
{
    *pOut << "{id " << LOWORD(n.wParam) << " code " << HIWORD(n.wParam) << " from " << (void *)n.hwndFrom << "}";
}

// Creates the logging parent (a visible top-level window, 400 x 300).
HWND NoteCreateParent(void);

// Empties the log. onNote, when given, runs inside each WM_COMMAND after
// it is logged (to answer the way an owner would, e.g. reading values back).
void NoteStart(std::function<void(const NOTE &)> onNote = nullptr);

// The notifications received since the last NoteStart or NoteTake, oldest
// first; the log is emptied.
NOTES NoteTake(void);

#endif /* TESTS_LIBS_NOTELOG_H */
