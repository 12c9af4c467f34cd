/*
 * fuzzcommon.h - what the fuzz targets share: failing with a message, texts
 * made of code page 932 characters, and a settings folder with the shipped
 * templates.
 */
#ifndef TESTS_FUZZ_FUZZCOMMON_H
#define TESTS_FUZZ_FUZZCOMMON_H

#include <stddef.h>

#include <string>

class FuzzedDataProvider;

[[noreturn]] void FuzzFail(const char *pszFormat, ...) __attribute__((format(printf, 1, 2)));
/* Prints the broken invariant and aborts, so libFuzzer keeps the input. */

std::string FuzzText(FuzzedDataProvider &in, size_t cchMax);
/* Up to cchMax bytes without NUL: well-formed code page 932 text (ASCII,
   half-width katakana and double-byte characters, a double-byte character
   at any position) or, now and then, raw bytes. */

std::string FuzzCp932Text(FuzzedDataProvider &in, size_t cchMax);
/* Well-formed code page 932 text only, up to cchMax bytes. */

bool FuzzIsCp932(const char *pch, size_t cch, size_t *pcchBad);
/* True when the bytes are whole code page 932 characters; otherwise
   *pcchBad is the offset of the first byte that is not. */

std::string FuzzTempDir(const char *pszName);
/* A fresh folder for this process, ending in '/'. */

void FuzzInstallTemplates(const std::string &sDir);
/* Copies the shipped settings templates into sDir's DEFAULT/ subfolder. */

void FuzzResetSettings(const std::string &sDir);
/* Removes the settings files of sDir, so the next load starts from the
   templates and every input runs from the same state. */

#endif /* TESTS_FUZZ_FUZZCOMMON_H */
