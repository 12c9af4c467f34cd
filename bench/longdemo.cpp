// longdemo SECONDS FILE.edf: the built-in recording repeated to SECONDS
// (a whole number of its 180-second lengths or a part of one) and written
// as EDF+, for benchmarks over long recordings.
#include <stdio.h>
#include <stdlib.h>

#include "demorec.h"
#include "edfwrite.h"

int main(int argc, char **argv)
{
    long nSeconds = argc == 3 ? strtol(argv[1], NULL, 10) : 0;
    if (nSeconds < 1 || nSeconds > 86400) {
        fprintf(stderr, "usage: longdemo SECONDS FILE.edf (1 to 86400 seconds)\n");
        return 2;
    }
    RECORDING rec;
    RecMakeDemo(&rec);
    for (RECCHANNEL &ch : rec.aChannels) {
        std::vector<short> aOne = ch.aSamples;
        ch.aSamples.clear();
        while (ch.aSamples.size() < (size_t)nSeconds * ch.nRate)
            ch.aSamples.insert(ch.aSamples.end(), aOne.begin(), aOne.end());
        ch.aSamples.resize((size_t)nSeconds * ch.nRate);
    }
    rec.dDuration = (double)nSeconds;
    char szError[512];
    if (!RecWriteEdf(&rec, argv[2], szError, sizeof(szError))) {
        fprintf(stderr, "longdemo: %s\n", szError);
        return 1;
    }
    return 0;
}
