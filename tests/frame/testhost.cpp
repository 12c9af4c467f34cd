// The test host: frame, notify and link windows, logging and answering.
#include "testhost.h"

#include <gtest/gtest.h>

#include <sstream>

#define HOST_CLASS "QfFrameTestHost"

static void RegisterHostClass(void)
{
    WNDCLASSA wc = {};
    if (GetClassInfoA(GetModuleHandleA(NULL), HOST_CLASS, &wc))
        return;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = HOST_CLASS;
    RegisterClassA(&wc);
}

TestHost::TestHost()
{
    RegisterHostClass();
    m_hFrame = CreateWindowExA(0, HOST_CLASS, "frame", WS_OVERLAPPEDWINDOW, 0, 0, 1200, 800, NULL,
                               NULL, GetModuleHandleA(NULL), NULL);
    m_hLink = CreateWindowExA(0, HOST_CLASS, "link", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, NULL,
                              NULL, GetModuleHandleA(NULL), NULL);
    // Both windows log through this object; subclassed after creation so
    // that creation messages stay out of the log.
    for (HWND hWnd : {m_hFrame, m_hLink}) {
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)this);
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)HostWndProc);
    }
}

TestHost::~TestHost()
{
    if (m_hPlugin != NULL && IsWindow(m_hPlugin))
        DestroyWindow(m_hPlugin);
    DestroyWindow(m_hLink);
    DestroyWindow(m_hFrame);
}

HWND TestHost::CreatePlugin()
{
    m_hPlugin = CreateWindowExA(0, "QPANEFFTANALYPLAY", "", WS_CHILD | WS_VISIBLE, 0, 0, 1000, 700,
                                m_hFrame, (HMENU)(INT_PTR)PLUGIN_ID, GetModuleHandleA(NULL), NULL);
    if (m_hPlugin == NULL)
        return NULL;
    SetWindowLongPtrA(m_hPlugin, GWLP_USERDATA, (LONG_PTR)this);
    m_pfnPlugin = (WNDPROC)SetWindowLongPtrA(m_hPlugin, GWLP_WNDPROC, (LONG_PTR)PluginSubclassProc);
    return m_hPlugin;
}

// Counts the plug-in's window procedures on the stack: a notification that
// arrives meanwhile was sent from inside it; one that arrives outside came
// through the queue. (Windows' InSendMessage answers only for sends from
// other threads.)
LRESULT CALLBACK TestHost::PluginSubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    TestHost *pHost = (TestHost *)GetWindowLongPtrA(hWnd, GWLP_USERDATA);
    pHost->m_nInPlugin++;
    LRESULT lResult = CallWindowProcA(pHost->m_pfnPlugin, hWnd, uMsg, wParam, lParam);
    pHost->m_nInPlugin--;
    return lResult;
}

void TestHost::Initialise(const std::string &sSettingsDir, const std::string &sAppDir)
{
    Send(QPM_SETNOTIFY, (WPARAM)m_hFrame, NOTIFY_ID);
    Send(QPM_SETPATH, 2, (LPARAM)sAppDir.c_str());
    Send(QPM_SETPATH, 1, (LPARAM)"host");
    Send(QPM_SETPATH, 0, (LPARAM)sSettingsDir.c_str());
}

LRESULT TestHost::Send(UINT uMsg, WPARAM wParam, LPARAM lParam) const
{
    return SendMessageA(m_hPlugin, uMsg, wParam, lParam);
}

void TestHost::SetValue(WORD wItem, WORD wIndex, DWORD dwValue) const
{
    Send(QPM_SETVALUE, MAKEWPARAM(wItem, wIndex), (LPARAM)(LONG)dwValue);
}

DWORD TestHost::GetValue(WORD wItem, WORD wIndex) const
{
    return (DWORD)Send(QPM_GETVALUE, MAKEWPARAM(wItem, wIndex), 0);
}

void TestHost::SetText(WORD wItem, WORD wSub, const char *pszText) const
{
    Send(QPM_SETTEXT, MAKEWPARAM(wItem, wSub), (LPARAM)pszText);
}

std::string TestHost::GetText(WORD wItem, WORD wCh) const
{
    char szBuffer[64] = "unchanged";
    LRESULT cch = Send(QPM_GETTEXT, MAKEWPARAM(wItem, wCh), (LPARAM)szBuffer);
    EXPECT_EQ((size_t)cch, strlen(szBuffer)) << "item " << wItem << " channel " << wCh;
    return szBuffer;
}

std::string TestHost::GetMessageText() const
{
    char szBuffer[128] = "";
    LRESULT cch = Send(QPM_GETMESSAGE, 0, (LPARAM)szBuffer);
    EXPECT_EQ((size_t)cch, strlen(szBuffer));
    return szBuffer;
}

void TestHost::SetRecording(int nChannels, int nRate, int nPageTime)
{
    m_nChannels = nChannels;
    m_nRate = nRate;
    m_nPageTime = nPageTime;
}

void TestHost::PushRecording() const
{
    SetValue(QPI_HOSTCHCOUNT, 0, (DWORD)m_nChannels);
    SetValue(QPI_BASERATE, 0, (DWORD)m_nRate);
    SetValue(QPI_PAGETIME, 0, (DWORD)m_nPageTime);
    for (int ch = 0; ch < m_nChannels; ch++) {
        std::string sName = "Ch" + std::to_string(ch + 1);
        SetValue(QPI_CHUSED, (WORD)ch, 1);
        SetValue(QPI_SIGNALTYPE, (WORD)ch, 4);
        SetValue(QPI_CHRATE, (WORD)ch, (DWORD)m_nRate);
        SetValue(QPI_CALVALUE, (WORD)ch, 50);
        SetValue(QPI_CALHEIGHT, (WORD)ch, 100);
        SetText(QPT_CHNAME, (WORD)ch, sName.c_str());
    }
}

void TestHost::AnswerRequests()
{
    OnNotify(QPN_REQ_211, [this] { PushRecording(); });
    OnNotify(QPN_REQ_215, [this] { PushRecording(); });
}

void TestHost::OnNotify(WORD wCode, std::function<void()> fnAnswer)
{
    m_answers[wCode] = std::move(fnAnswer);
}

LRESULT CALLBACK TestHost::HostWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    TestHost *pHost = (TestHost *)GetWindowLongPtrA(hWnd, GWLP_USERDATA);
    if (pHost != NULL)
        pHost->Record(hWnd, uMsg, wParam, lParam);
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

void TestHost::Record(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    UINT uHow = m_nInPlugin > 0 ? HM_SENT : HM_POSTED;
    if (hWnd == m_hLink && (uMsg == QLM_SETITEM || uMsg == QLM_SETSTATE)) {
        m_log.push_back({uMsg, uHow, wParam, lParam});
        return;
    }
    if (hWnd != m_hFrame || uMsg != WM_COMMAND || LOWORD(wParam) == PLUGIN_ID)
        return;
    EXPECT_EQ(LOWORD(wParam), NOTIFY_ID) << "notification with a foreign id";
    EXPECT_EQ((HWND)lParam, m_hPlugin) << "notification without the analysis window";
    WORD wCode = HIWORD(wParam);
    m_log.push_back({WM_COMMAND, uHow, wCode, 0});
    auto it = m_answers.find(wCode);
    if (it != m_answers.end())
        it->second();
}

static std::string Describe(const HOSTMSG &msg)
{
    std::ostringstream os;
    if (msg.uMsg == WM_COMMAND)
        os << "notify " << msg.wParam;
    else if (msg.uMsg == QLM_SETITEM)
        os << "QLM_SETITEM(" << msg.wParam << ", " << msg.lParam << ")";
    else if (msg.uMsg == QLM_SETSTATE)
        os << "QLM_SETSTATE(" << msg.wParam << ", " << msg.lParam << ")";
    else
        os << "message " << msg.uMsg << "(" << msg.wParam << ", " << msg.lParam << ")";
    if (msg.uFlags & HM_SENT)
        os << " sent";
    if (msg.uFlags & HM_POSTED)
        os << " posted";
    if (msg.uFlags & HM_OPTIONAL)
        os << " optional";
    return os.str();
}

static bool Matches(const HOSTMSG &expected, const HOSTMSG &actual)
{
    if (expected.uMsg != actual.uMsg || expected.wParam != actual.wParam)
        return false;
    if ((expected.uFlags & HM_LPARAM) && expected.lParam != actual.lParam)
        return false;
    UINT uHow = expected.uFlags & (HM_SENT | HM_POSTED);
    return uHow == 0 || (uHow & actual.uFlags) != 0;
}

void TestHost::CheckSequence(const HOSTMSG *pExpected, const char *pszContext,
                             const char *pszFile, int nLine) const
{
    size_t iActual = 0;
    bool bMatch = true;
    for (const HOSTMSG *pEntry = pExpected; pEntry->uMsg != 0; pEntry++) {
        if (iActual < m_log.size() && Matches(*pEntry, m_log[iActual])) {
            iActual++;
            continue;
        }
        if (pEntry->uFlags & HM_OPTIONAL)
            continue;
        bMatch = false;
        break;
    }
    if (bMatch && iActual == m_log.size())
        return;

    std::ostringstream os;
    os << pszContext << ": the host received another sequence\n  expected:\n";
    for (const HOSTMSG *pEntry = pExpected; pEntry->uMsg != 0; pEntry++)
        os << "    " << Describe(*pEntry) << "\n";
    os << "  actual:\n";
    for (const HOSTMSG &msg : m_log)
        os << "    " << Describe(msg) << "\n";
    ADD_FAILURE_AT(pszFile, nLine) << os.str();
}
