/*
 * qfexport.h - marks the functions a module exports.
 *
 * On Windows the module-definition (.def) files give the exports and their
 * ordinals, so the mark is empty. On Linux modules are built with hidden
 * visibility and the mark makes a function visible to LoadLibraryA /
 * GetProcAddress and to the modules linked against it.
 */
#ifndef QFEXPORT_H
#define QFEXPORT_H

#if defined(_WIN32)
#define QF_EXPORT
#else
#define QF_EXPORT __attribute__((visibility("default")))
#endif

#endif /* QFEXPORT_H */
