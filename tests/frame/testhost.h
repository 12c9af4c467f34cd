/*
 * testhost.h - a host for the analysis window, as the recording application
 * would be: it owns the frame that is the notify window and a link window,
 * logs every notification and link message in arrival order (and whether it
 * was sent from inside the plug-in or posted through the queue), answers request notifications by pushing items back,
 * and checks the log against expected sequences.
 *
 * Expected sequences are static tables ending in an empty entry, checked as
 * in Wine's message tests: an entry flagged HM_OPTIONAL may be missing; a
 * table with only the end entry means that nothing arrived. A mismatch is
 * reported at the caller's file and line with both sequences side by side.
 */
#ifndef TESTS_FRAME_TESTHOST_H
#define TESTS_FRAME_TESTHOST_H

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "frame/protocol.h"

// What to compare of an expected entry.
enum {
    HM_SENT = 0x01,     // arrived by SendMessage
    HM_POSTED = 0x02,   // arrived through the queue
    HM_LPARAM = 0x04,   // compare lParam too (wParam is always compared)
    HM_OPTIONAL = 0x08, // may be absent
};

// One message from the plug-in to the host. Notifications are logged as
// WM_COMMAND with the notification code as wParam; link-window messages as
// they came.
struct HOSTMSG {
    UINT uMsg;
    UINT uFlags;
    WPARAM wParam;
    LPARAM lParam;
};

#define SENT_NOTIFY(code) {WM_COMMAND, HM_SENT, (code), 0}
#define POSTED_NOTIFY(code) {WM_COMMAND, HM_POSTED, (code), 0}
#define LINK_MSG(msg, w, l) {(msg), HM_SENT | HM_LPARAM, (w), (l)}
#define SEQ_END {0, 0, 0, 0}

// The sequences most checks expect: nothing, one text notification, or
// the delayed update the update timer posts.
inline const HOSTMSG g_seqNone[] = {SEQ_END};
inline const HOSTMSG g_seqErrorText[] = {SENT_NOTIFY(QPN_ERRORTEXT), SEQ_END};
inline const HOSTMSG g_seqInfoText[] = {SENT_NOTIFY(QPN_INFOTEXT), SEQ_END};
inline const HOSTMSG g_seqDelayedUpdate[] = {POSTED_NOTIFY(QPN_DELAYEDUPDATE), SEQ_END};

class TestHost {
public:
    static constexpr WORD NOTIFY_ID = 77;
    static constexpr int PLUGIN_ID = 4000;

    TestHost();
    ~TestHost();

    // Creates the analysis window as a child of the frame; NULL on failure.
    HWND CreatePlugin();
    HWND Plugin() const { return m_hPlugin; }
    HWND Frame() const { return m_hFrame; }
    HWND Link() const { return m_hLink; }

    // The usual start of a host: notify window, application folder, host
    // path, then the settings folder (ending in a separator).
    void Initialise(const std::string &sSettingsDir, const std::string &sAppDir = "app");

    LRESULT Send(UINT uMsg, WPARAM wParam, LPARAM lParam) const;
    void SetValue(WORD wItem, WORD wIndex, DWORD dwValue) const;
    DWORD GetValue(WORD wItem, WORD wIndex = 0) const;
    void SetText(WORD wItem, WORD wSub, const char *pszText) const;
    std::string GetText(WORD wItem, WORD wCh) const;
    std::string GetMessageText() const;

    // The recording a host pushes when asked: nChannels EEG channels at
    // nRate Hz, pages of nPageTime seconds, named "Ch1", "Ch2", ...
    void SetRecording(int nChannels, int nRate, int nPageTime);
    void PushRecording() const;
    // Answer request notifications as a real host does (pushing the
    // recording on 211 and 215), or run fnAnswer for one code.
    void AnswerRequests();
    void OnNotify(WORD wCode, std::function<void()> fnAnswer);

    void ClearLog() { m_log.clear(); }
    void CheckSequence(const HOSTMSG *pExpected, const char *pszContext, const char *pszFile,
                       int nLine) const;

private:
    static LRESULT CALLBACK HostWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PluginSubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam,
                                               LPARAM lParam);
    void Record(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    HWND m_hFrame = NULL;
    HWND m_hLink = NULL;
    HWND m_hPlugin = NULL;
    WNDPROC m_pfnPlugin = NULL;
    int m_nInPlugin = 0; // plug-in window procedures on the stack
    int m_nChannels = 0;
    int m_nRate = 0;
    int m_nPageTime = 0;
    std::vector<HOSTMSG> m_log;
    std::map<WORD, std::function<void()>> m_answers;
};

#define ok_sequence(host, seq, context) (host).CheckSequence((seq), (context), __FILE__, __LINE__)

#endif /* TESTS_FRAME_TESTHOST_H */
