/*
 * version.h - the program's version, given by the build from the
 * project's version.
 */
#ifndef HOST_VERSION_H
#define HOST_VERSION_H

#ifndef QFFTANA_VERSION
#define QFFTANA_VERSION "unknown"
#endif

#endif /* HOST_VERSION_H */
