/*
 * peak.h - the peak frequency of an averaged spectrum: the frequency of
 * its strongest rhythm within a range, such as the individual alpha
 * frequency between 7 and 13 Hz.
 */
#ifndef HOST_PEAK_H
#define HOST_PEAK_H

#include <vector>

double PeakFrequency(const std::vector<double> &adFreq, const std::vector<double> &adPower, double dMinHz,
                     double dMaxHz);
/* adFreq: the frequency of each line in Hz, rising by an equal step;
 * adPower: the power of each line (NaN for a line without value), as many.
 * The line of highest power among the lines from dMinHz to dMaxHz
 * (inclusive), refined by the vertex of the parabola through the natural
 * logarithms of its power and its two neighbours' powers, in Hz. NaN (no
 * peak) when the range holds fewer than three lines, when its highest
 * line is its first or its last (the power still rises beyond the range),
 * or when no line in it has power above zero. A neighbour without power
 * above zero leaves the line's own frequency. */

#endif /* HOST_PEAK_H */
