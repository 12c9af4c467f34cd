// A recording passed from a child process to its parent through a pipe.
#include "recpipe.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

// The wire form: a status byte; then either the reason's text, or the
// recording's fields and each channel's fields and samples, in the same
// process image's byte layout.
template <typename T> static void Put(std::string *pstr, const T &value)
{
    pstr->append(reinterpret_cast<const char *>(&value), sizeof(value));
}

template <typename T> static BOOL Take(const std::string &str, size_t *pnAt, T *pValue)
{
    if (*pnAt + sizeof(T) > str.size())
        return FALSE;
    memcpy(pValue, str.data() + *pnAt, sizeof(T));
    *pnAt += sizeof(T);
    return TRUE;
}

static std::string Serialise(const RECORDING &rec)
{
    std::string str(1, '\1');
    Put(&str, rec.szFormat);
    Put(&str, rec.szName);
    Put(&str, rec.szPatientName);
    Put(&str, rec.szPatientId);
    Put(&str, rec.anStart);
    Put(&str, rec.dDuration);
    Put(&str, rec.nSkipped);
    Put(&str, rec.aChannels.size());
    for (const RECCHANNEL &ch : rec.aChannels) {
        Put(&str, ch.szLabel);
        Put(&str, ch.szFileLabel);
        Put(&str, ch.szUnit);
        Put(&str, ch.wSignalType);
        Put(&str, ch.nRate);
        Put(&str, ch.dUvPerStep);
        Put(&str, ch.nCalValue);
        Put(&str, ch.nCalHeight);
        Put(&str, ch.aSamples.size());
        str.append(reinterpret_cast<const char *>(ch.aSamples.data()), ch.aSamples.size() * sizeof(short));
    }
    return str;
}

static BOOL TakeChannel(const std::string &str, size_t *pnAt, RECCHANNEL *pCh)
{
    size_t nSamples = 0;
    if (!Take(str, pnAt, &pCh->szLabel) || !Take(str, pnAt, &pCh->szFileLabel) || !Take(str, pnAt, &pCh->szUnit)
        || !Take(str, pnAt, &pCh->wSignalType) || !Take(str, pnAt, &pCh->nRate) || !Take(str, pnAt, &pCh->dUvPerStep)
        || !Take(str, pnAt, &pCh->nCalValue) || !Take(str, pnAt, &pCh->nCalHeight) || !Take(str, pnAt, &nSamples)
        || nSamples > (str.size() - *pnAt) / sizeof(short))
        return FALSE;
    pCh->aSamples.resize(nSamples);
    memcpy(pCh->aSamples.data(), str.data() + *pnAt, nSamples * sizeof(short));
    *pnAt += nSamples * sizeof(short);
    return TRUE;
}

static BOOL Deserialise(const std::string &str, RECORDING *pRec)
{
    size_t nAt = 1, nChannels = 0;
    if (!Take(str, &nAt, &pRec->szFormat) || !Take(str, &nAt, &pRec->szName) || !Take(str, &nAt, &pRec->szPatientName)
        || !Take(str, &nAt, &pRec->szPatientId) || !Take(str, &nAt, &pRec->anStart) || !Take(str, &nAt, &pRec->dDuration)
        || !Take(str, &nAt, &pRec->nSkipped) || !Take(str, &nAt, &nChannels) || nChannels > REC_MAXCHANNELS)
        return FALSE;
    pRec->aChannels.resize(nChannels);
    for (RECCHANNEL &ch : pRec->aChannels) {
        if (!TakeChannel(str, &nAt, &ch))
            return FALSE;
    }
    return nAt == str.size();
}

static void WriteAll(int fd, const std::string &str)
{
    for (size_t nAt = 0; nAt < str.size();) {
        ssize_t cb = write(fd, str.data() + nAt, str.size() - nAt);
        if (cb < 0 && errno == EINTR)
            continue;
        if (cb <= 0)
            return;
        nAt += (size_t)cb;
    }
}

static std::string ReadAll(int fd)
{
    std::string str;
    char ab[65536];
    for (;;) {
        ssize_t cb = read(fd, ab, sizeof(ab));
        if (cb < 0 && errno == EINTR)
            continue;
        if (cb <= 0)
            return str;
        str.append(ab, (size_t)cb);
    }
}

static void RunChild(int fd, RECREADER pfnRead, const char *pszPath)
{
    RECORDING rec;
    char szError[1024] = "";
    if (pfnRead(pszPath, &rec, szError, sizeof(szError)))
        WriteAll(fd, Serialise(rec));
    else
        WriteAll(fd, std::string(1, '\0') + szError);
    close(fd);
    _exit(0);
}

BOOL RecReadInChild(RECREADER pfnRead, const char *pszPath, RECORDING *pRec, char *pszError, size_t cbError)
{
    *pRec = RECORDING();
    int afd[2];
    if (pipe(afd) != 0) {
        snprintf(pszError, cbError, "%s: cannot start the reader: %s", pszPath, strerror(errno));
        return FALSE;
    }
    fflush(NULL);
    pid_t pid = fork();
    if (pid == 0) {
        close(afd[0]);
        RunChild(afd[1], pfnRead, pszPath);
    }
    close(afd[1]);
    std::string str = pid > 0 ? ReadAll(afd[0]) : std::string();
    close(afd[0]);
    int nStatus = 0;
    if (pid < 0 || waitpid(pid, &nStatus, 0) != pid || !WIFEXITED(nStatus) || str.empty()) {
        snprintf(pszError, cbError, "%s: the recording library failed on this file (damaged?)", pszPath);
        return FALSE;
    }
    if (str[0] == '\0') {
        snprintf(pszError, cbError, "%s", str.c_str() + 1);
        return FALSE;
    }
    if (!Deserialise(str, pRec)) {
        *pRec = RECORDING();
        snprintf(pszError, cbError, "%s: the reader's answer was cut short", pszPath);
        return FALSE;
    }
    return TRUE;
}
