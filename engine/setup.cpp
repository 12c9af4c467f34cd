// Set-up of the FFT object, the spectrum buffers, the graphs and the filters.
#include "engine/engine.h"

void SetupFFT(HWND, FFTVIEWDATA *, int)
{
    // Rebuilds the FFT object and the per-channel buffers and graph settings.
}

void SetupFilter(HWND, FFTVIEWDATA *)
{
    // Configures and designs the low-cut and high-cut filters.
}
