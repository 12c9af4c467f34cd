// Message-sequence recorder and comparison for the platform tests.
#include "msgseq.h"

#include <set>
#include <sstream>

namespace {

std::vector<SEQMSG> g_log;
std::set<UINT> g_ignored;

LRESULT CALLBACK SeqWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_NCCREATE) {
        const CREATESTRUCTA *pcs = (const CREATESTRUCTA *)lParam;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, (LONG_PTR)pcs->lpCreateParams);
    }
    if (!g_ignored.count(uMsg))
        g_log.push_back(SEQMSG{(int)GetWindowLongPtrA(hwnd, GWLP_USERDATA), uMsg, 0, wParam, lParam});
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

void RegisterSeqClass()
{
    WNDCLASSA wc{};
    if (GetClassInfoA(NULL, "SeqWnd", &wc))
        return;
    wc.lpfnWndProc = SeqWndProc;
    wc.lpszClassName = "SeqWnd";
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    RegisterClassA(&wc);
}

std::string Describe(const SEQMSG &m)
{
    std::ostringstream os;
    os << "wnd " << m.iWnd << " " << AutoMessageName(m.uMsg) << " w=" << m.wParam << " l=" << m.lParam;
    return os.str();
}

bool Matches(const SEQMSG &exp, const SEQMSG &act)
{
    if (exp.iWnd != act.iWnd || exp.uMsg != act.uMsg)
        return false;
    if ((exp.uFlags & SEQ_WPARAM) && exp.wParam != act.wParam)
        return false;
    if ((exp.uFlags & SEQ_LPARAM) && exp.lParam != act.lParam)
        return false;
    return true;
}

}  // namespace

std::vector<SEQMSG> &SeqLog()
{
    return g_log;
}

void SeqFlush()
{
    g_log.clear();
}

void SeqStart(std::initializer_list<UINT> ignored)
{
    g_ignored = ignored;
    g_log.clear();
}

HWND SeqCreate(int iWnd, DWORD dwStyle, HWND hwndParent, int id, int x, int y, int cx, int cy)
{
    RegisterSeqClass();
    return CreateWindowExA(0, "SeqWnd", "seq", dwStyle, x, y, cx, cy, hwndParent, (HMENU)(INT_PTR)id, NULL,
                           (LPVOID)(INT_PTR)iWnd);
}

void SeqCheck(const SEQMSG *pExpected, const char *pszContext, const char *pszFile, int nLine)
{
    std::ostringstream diff;
    size_t iAct = 0;
    bool fOk = true;
    for (const SEQMSG *pExp = pExpected; pExp->uMsg || pExp->iWnd; pExp++) {
        if (iAct < g_log.size() && Matches(*pExp, g_log[iAct])) {
            diff << "  ok       " << Describe(g_log[iAct]) << "\n";
            iAct++;
        } else if (pExp->uFlags & SEQ_OPTIONAL) {
            diff << "  (absent) " << Describe(*pExp) << "\n";
        } else {
            fOk = false;
            diff << "  expected " << Describe(*pExp) << "\n"
                 << "  got      " << (iAct < g_log.size() ? Describe(g_log[iAct]) : "nothing") << "\n";
            if (iAct < g_log.size())
                iAct++;
        }
    }
    for (; iAct < g_log.size(); iAct++) {
        fOk = false;
        diff << "  extra    " << Describe(g_log[iAct]) << "\n";
    }
    if (!fOk)
        ADD_FAILURE_AT(pszFile, nLine) << pszContext << ": message sequence differs\n" << diff.str();
    SeqFlush();
}
