// A run of bytes at an offset, read whole.
#include "readat.h"

#include <errno.h>
#include <unistd.h>

BOOL ReadAt(int fd, unsigned long long nOffset, size_t cb, unsigned char *pb)
{
    while (cb > 0) {
        ssize_t n = pread(fd, pb, cb, (off_t)nOffset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return FALSE;
        pb += n;
        cb -= (size_t)n;
        nOffset += (unsigned long long)n;
    }
    return TRUE;
}
