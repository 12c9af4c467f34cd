// QPRJFILE: the table of signal type codes and their display names.
#include <string.h>

#include "prjfile.h"

// Index = signal type code. Code 1 marks event channels, which are never
// analysed; 20 is the catch-all for signals of no listed kind.
static const char *const s_apszSignalName[PF_MAXSIGNAL + 1] = {
    "NONE", "MARK", "ECG", "EOG", "EEG", "EMG", "RESP", "SpO2", "PULSE", "TEMP",
    "BP", "GSR", "SNORE", "POS", "LIGHT", "PHOTIC", "TRIG", "DC", "CO2", "ACC",
    "OTHER",
};

extern "C" QF_EXPORT DWORD WINAPI PfGetSignalName(WORD wSignal, LPSTR pszName)
{
    if (wSignal > PF_MAXSIGNAL) {
        if (pszName)
            pszName[0] = '\0';
        return 0;
    }
    const char *pszKnown = s_apszSignalName[wSignal];
    if (pszName)
        strcpy(pszName, pszKnown);
    return (DWORD)strlen(pszKnown);
}
