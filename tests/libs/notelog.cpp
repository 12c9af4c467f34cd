// The notification log of the control tests.
#include "notelog.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<NOTE> g_log;
std::function<void(const NOTE &)> g_onNote;

LRESULT CALLBACK NoteParentProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_COMMAND) {
        NOTE note{wParam, (HWND)lParam};
        g_log.push_back(note);
        if (g_onNote)
            g_onNote(note);
        return 0;
    }
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

std::string Describe(const std::vector<NOTE> &notes)
{
    std::ostringstream os;
    for (const NOTE &n : notes)
        os << "  id " << LOWORD(n.wParam) << " code " << HIWORD(n.wParam) << " from " << (void *)n.hwndFrom << "\n";
    return notes.empty() ? std::string("  (nothing)\n") : os.str();
}

}  // namespace

HWND NoteCreateParent(void)
{
    WNDCLASSA wc{};
    if (!GetClassInfoA(GetModuleHandleA(NULL), "NoteParent", &wc)) {
        wc.lpfnWndProc = NoteParentProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "NoteParent";
        RegisterClassA(&wc);
    }
    return CreateWindowExA(0, "NoteParent", "parent", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 400, 300, NULL, NULL,
                           GetModuleHandleA(NULL), NULL);
}

const std::vector<NOTE> &NoteLog(void)
{
    return g_log;
}

void NoteStart(std::function<void(const NOTE &)> onNote)
{
    g_log.clear();
    g_onNote = std::move(onNote);
}

void NoteCheck(const NOTE *pExpected, const char *pszContext, const char *pszFile, int nLine)
{
    std::vector<NOTE> expected;
    for (const NOTE *p = pExpected; p->wParam != 0 || p->hwndFrom != NULL; p++)
        expected.push_back(*p);
    bool fSame = expected.size() == g_log.size();
    for (size_t i = 0; fSame && i < expected.size(); i++)
        fSame = expected[i].wParam == g_log[i].wParam && expected[i].hwndFrom == g_log[i].hwndFrom;
    if (!fSame)
        ADD_FAILURE_AT(pszFile, nLine) << pszContext << ": expected\n"
                                       << Describe(expected) << "received\n"
                                       << Describe(g_log);
    g_log.clear();
}
