// Windows-style paths as Linux paths (see path.h for the rules).
#include "path.h"

#include <iconv.h>

bool PathIsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

static bool PathHasDrive(const char *psz)
{
    char c = psz[0];
    return ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) && psz[1] == ':';
}

static bool PathIsAscii(const std::string &str)
{
    for (unsigned char c : str)
        if (c >= 0x80)
            return false;
    return true;
}

// CP932 -> UTF-8; the input unchanged when it is not valid CP932.
static std::string PathToUtf8(const std::string &str)
{
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == (iconv_t)-1)
        return str;
    std::string out(str.size() * 3 + 1, '\0');
    char *pIn = const_cast<char *>(str.data());
    size_t cbIn = str.size();
    char *pOut = &out[0];
    size_t cbOut = out.size();
    size_t r = iconv(cd, &pIn, &cbIn, &pOut, &cbOut);
    iconv_close(cd);
    if (r == (size_t)-1 || cbIn != 0)
        return str;
    out.resize(out.size() - cbOut);
    return out;
}

std::string PathToHost(const char *pszWinPath)
{
    if (!pszWinPath)
        return std::string();
    const char *p = pszWinPath;
    if (PathHasDrive(p))
        p += 2;
    std::string out;
    for (; *p; p++) {
        unsigned char c = (unsigned char)*p;
        if (PathIsLeadByte(c) && p[1]) {
            out += *p++;
            out += *p;
            continue;
        }
        out += (c == '\\') ? '/' : *p;
    }
    return PathIsAscii(out) ? out : PathToUtf8(out);
}
