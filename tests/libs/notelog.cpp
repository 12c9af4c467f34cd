// The notification log of the control tests.
#include "notelog.h"

namespace {

NOTES g_log;
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

void NoteStart(std::function<void(const NOTE &)> onNote)
{
    g_log.clear();
    g_onNote = std::move(onNote);
}

NOTES NoteTake(void)
{
    NOTES log;
    log.swap(g_log);
    return log;
}
