// Section and page FFT.
#include "engine/engine.h"

int CalcSectionFFT(HWND, FFTVIEWDATA *, DWORD)
{
    // Computes one block's spectrum at the cursor section.
    return 0;
}

int CalcPageFFT(HWND, FFTVIEWDATA *, WPARAM)
{
    // Computes the spectrum averaged over the page's blocks.
    return 0;
}
