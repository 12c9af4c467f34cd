// Binding of analysis channels to host channels.
#include "engine/engine.h"

void MatchChannels(HWND, FFTVIEWDATA *)
{
    // Binds each analysis channel to a host channel by signal type and label.
}

void AutoSelectChannels(HWND, FFTVIEWDATA *)
{
    // Takes the analysis channels' labels from the host channels offered.
}

void UpdateChannelCal(HWND, FFTVIEWDATA *)
{
    // Copies rate and calibration of the bound host channels.
}
