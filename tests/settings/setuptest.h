/*
 * setuptest.h - an initialised analysis window with its setup panel, and
 * what a user does with the panel and the dialogs it opens.
 */
#ifndef TESTS_SETTINGS_SETUPTEST_H
#define TESTS_SETTINGS_SETUPTEST_H

#include <functional>
#include <string>

#include "automation.h"
#include "fixture.h"
#include "resources/resource.h"

class SetupTest : public PluginTest {
protected:
    void SetUp() override;

    HWND Plugin() const { return m_host->Plugin(); }
    HWND Panel() const { return GetDlgItem(m_host->Plugin(), 1000); }

    // Changes the record as the host or the settings file would have.
    void Poke(const std::function<void(FFTVIEWDATA &)> &fnChange) const;
    // A copy of a part of the record, read as the plug-in reads it.
    template <typename T>
    T Read(const std::function<T(const FFTVIEWDATA &)> &fnRead) const
    {
        T value{};
        PeekRecord(Plugin(), [&](const FFTVIEWDATA &data) { value = fnRead(data); });
        return value;
    }

    // The next modal dialog is handed to fnUser, as a user sitting at it.
    void OnDialog(std::function<void(HWND)> fnUser);
    // How often the host heard notification wCode since the log was cleared.
    int HostHeard(WORD wCode) const;

private:
    static void CALLBACK RunUser(HWND hDlg, void *pUser);
    std::function<void(HWND)> m_fnUser;
};

// What a user does in a dialog: type into an edit and leave it, click a
// control, read a control's text.
void Enter(HWND hDlg, int nId, const char *pszText);
void Press(HWND hDlg, int nId);
std::string TextOf(HWND hDlg, int nId);

#endif /* TESTS_SETTINGS_SETUPTEST_H */
