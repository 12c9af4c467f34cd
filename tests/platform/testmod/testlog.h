// Appends an event to QF_TESTMOD_LOG ("dep+ mod+ mod- dep-").
#ifndef TESTMOD_TESTLOG_H
#define TESTMOD_TESTLOG_H

#include <cstdlib>
#include <string>

inline void TestModLog(const char *pszEvent)
{
    const char *pszOld = getenv("QF_TESTMOD_LOG");
    std::string str = pszOld ? pszOld : "";
    if (!str.empty())
        str += ' ';
    str += pszEvent;
    setenv("QF_TESTMOD_LOG", str.c_str(), 1);
}

#endif /* TESTMOD_TESTLOG_H */
