// Private-profile (INI) functions with Windows' semantics (see winbase.h).
//
// A file is held as its lines, each with its own line end, so that a write
// changes only the lines it must and keeps every other byte.
#include <windows.h>

#include "fileerror.h"
#include "path.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

enum ProfileKind { PK_BLANK, PK_COMMENT, PK_SECTION, PK_KEY, PK_OTHER };

struct PROFILELINE {
    std::string strRaw;    // bytes of the line including its line end
    ProfileKind kind;
    std::string strName;   // section or key name, trimmed
    std::string strValue;  // key value, trimmed (quotes still on)
};

typedef std::vector<PROFILELINE> PROFILEFILE;

} // namespace

static bool ProfileIsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

static std::string ProfileTrim(const std::string &str)
{
    size_t iBegin = 0, iEnd = str.size();
    while (iBegin < iEnd && ProfileIsBlank(str[iBegin]))
        iBegin++;
    while (iEnd > iBegin && ProfileIsBlank(str[iEnd - 1]))
        iEnd--;
    return str.substr(iBegin, iEnd - iBegin);
}

// Case-insensitive comparison of names in CP932: ASCII letters fold, the
// second byte of a double-byte character is compared as it is.
static bool ProfileNamesEqual(const std::string &strA, const char *pszB)
{
    size_t cb = strlen(pszB);
    if (strA.size() != cb)
        return false;
    for (size_t i = 0; i < cb; i++) {
        unsigned char a = (unsigned char)strA[i], b = (unsigned char)pszB[i];
        if (PathIsLeadByte(a) && i + 1 < cb) {
            if (a != b || strA[i + 1] != pszB[i + 1])
                return false;
            i++;
            continue;
        }
        if (a >= 'A' && a <= 'Z')
            a = (unsigned char)(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z')
            b = (unsigned char)(b - 'A' + 'a');
        if (a != b)
            return false;
    }
    return true;
}

// Classifies one raw line. A NUL byte ends the line's text, as it ends a
// string on Windows; a header needs a closing "]" (the last one counts).
static void ProfileParseLine(PROFILELINE &line)
{
    std::string strText = ProfileTrim(std::string(line.strRaw.c_str()));
    line.strName.clear();
    line.strValue.clear();
    if (strText.empty()) {
        line.kind = PK_BLANK;
        return;
    }
    if (strText[0] == ';') {
        line.kind = PK_COMMENT;
        return;
    }
    size_t iClose = strText.rfind(']');
    if (strText[0] == '[' && iClose != std::string::npos) {
        line.kind = PK_SECTION;
        line.strName = ProfileTrim(strText.substr(1, iClose - 1));
        return;
    }
    size_t iEq = strText.find('=');
    if (iEq == std::string::npos) {
        line.kind = PK_OTHER;
        line.strName = strText;
        return;
    }
    line.kind = PK_KEY;
    line.strName = ProfileTrim(strText.substr(0, iEq));
    line.strValue = ProfileTrim(strText.substr(iEq + 1));
}

static PROFILELINE ProfileMakeLine(const std::string &strRaw)
{
    PROFILELINE line;
    line.strRaw = strRaw;
    ProfileParseLine(line);
    return line;
}

// Reads and splits a file; FALSE with errno set when it cannot be read.
static bool ProfileLoad(const std::string &strHost, PROFILEFILE &file)
{
    FILE *pf = fopen(strHost.c_str(), "rb");
    if (!pf)
        return false;
    std::string strAll;
    char ab[16384];
    size_t cb;
    while ((cb = fread(ab, 1, sizeof(ab), pf)) > 0)
        strAll.append(ab, cb);
    bool bOk = !ferror(pf);
    fclose(pf);
    if (!bOk) {
        errno = EIO;
        return false;
    }
    size_t iStart = 0;
    while (iStart < strAll.size()) {
        size_t iLf = strAll.find('\n', iStart);
        size_t iEnd = iLf == std::string::npos ? strAll.size() : iLf + 1;
        file.push_back(ProfileMakeLine(strAll.substr(iStart, iEnd - iStart)));
        iStart = iEnd;
    }
    return true;
}

// Index of the first header named pszSection, or -1.
static int ProfileFindSection(const PROFILEFILE &file, const char *pszSection)
{
    for (size_t i = 0; i < file.size(); i++)
        if (file[i].kind == PK_SECTION && ProfileNamesEqual(file[i].strName, pszSection))
            return (int)i;
    return -1;
}

// One past the last line of the section whose header is at iHeader.
static int ProfileSectionEnd(const PROFILEFILE &file, int iHeader)
{
    size_t i = (size_t)iHeader + 1;
    while (i < file.size() && file[i].kind != PK_SECTION)
        i++;
    return (int)i;
}

// Index of the first key pszKey of the section at iHeader, or -1.
static int ProfileFindKey(const PROFILEFILE &file, int iHeader, const char *pszKey)
{
    int iEnd = ProfileSectionEnd(file, iHeader);
    for (int i = iHeader + 1; i < iEnd; i++)
        if (file[i].kind == PK_KEY && ProfileNamesEqual(file[i].strName, pszKey))
            return i;
    return -1;
}

// A value without one pair of matching surrounding quotes.
static std::string ProfileUnquote(const std::string &strValue)
{
    size_t cb = strValue.size();
    if (cb >= 2 && (strValue[0] == '"' || strValue[0] == '\'') && strValue[cb - 1] == strValue[0])
        return strValue.substr(1, cb - 2);
    return strValue;
}

// Copies one string, cut to fit nSize characters with its NUL.
static DWORD ProfileCopyValue(const std::string &strValue, LPSTR lpBuffer, DWORD nSize)
{
    size_t cb = strValue.size() < nSize - 1 ? strValue.size() : nSize - 1;
    memcpy(lpBuffer, strValue.data(), cb);
    lpBuffer[cb] = '\0';
    return (DWORD)cb;
}

// Copies a list of names, each NUL-terminated, plus a final NUL; when they
// do not fit the last one is cut and the result is nSize - 2.
static DWORD ProfileCopyList(const std::vector<std::string> &names, LPSTR lpBuffer, DWORD nSize)
{
    if (nSize == 1) {
        lpBuffer[0] = '\0';
        return 0;
    }
    DWORD iPos = 0;
    DWORD cbFree = nSize - 1; // the final NUL always has its place
    for (const std::string &strName : names) {
        DWORD cbName = (DWORD)strName.size() + 1;
        if (cbName > cbFree) {
            if (cbFree > 0) {
                memcpy(lpBuffer + iPos, strName.data(), cbFree - 1);
                iPos += cbFree - 1;
                lpBuffer[iPos++] = '\0';
            }
            lpBuffer[iPos] = '\0';
            return nSize - 2;
        }
        memcpy(lpBuffer + iPos, strName.c_str(), cbName);
        iPos += cbName;
        cbFree -= cbName;
    }
    lpBuffer[iPos] = '\0';
    if (iPos == 0)
        lpBuffer[1] = '\0';
    return iPos;
}

static std::vector<std::string> ProfileSectionNames(const PROFILEFILE &file)
{
    std::vector<std::string> names;
    for (const PROFILELINE &line : file)
        if (line.kind == PK_SECTION && !line.strName.empty())
            names.push_back(line.strName);
    return names;
}

static std::vector<std::string> ProfileKeyNames(const PROFILEFILE &file, const char *pszSection)
{
    std::vector<std::string> names;
    int iHeader = ProfileFindSection(file, pszSection);
    if (iHeader < 0)
        return names;
    int iEnd = ProfileSectionEnd(file, iHeader);
    for (int i = iHeader + 1; i < iEnd; i++)
        if (file[i].kind == PK_KEY && !file[i].strName.empty())
            names.push_back(file[i].strName);
    return names;
}

// The default with its trailing blanks removed, as Windows returns it.
static std::string ProfileDefault(LPCSTR lpDefault)
{
    std::string str = lpDefault ? lpDefault : "";
    while (!str.empty() && (str.back() == ' ' || str.back() == '\t'))
        str.pop_back();
    return str;
}

extern "C" DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                                                 LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName)
{
    if (!lpReturnedString || nSize == 0)
        return 0;
    PROFILEFILE file;
    std::string strHost = PathToHost(lpFileName);
    if (strHost.empty() || !ProfileLoad(strHost, file))
        SetLastError(ERROR_FILE_NOT_FOUND);
    if (!lpAppName)
        return ProfileCopyList(ProfileSectionNames(file), lpReturnedString, nSize);
    if (!lpKeyName)
        return ProfileCopyList(ProfileKeyNames(file, lpAppName), lpReturnedString, nSize);
    int iHeader = ProfileFindSection(file, lpAppName);
    int iKey = iHeader < 0 ? -1 : ProfileFindKey(file, iHeader, lpKeyName);
    if (iKey < 0)
        return ProfileCopyValue(ProfileDefault(lpDefault), lpReturnedString, nSize);
    return ProfileCopyValue(ProfileUnquote(file[iKey].strValue), lpReturnedString, nSize);
}

extern "C" UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName)
{
    if (!lpAppName || !lpKeyName)
        return (UINT)nDefault;
    char szValue[64];
    if (GetPrivateProfileStringA(lpAppName, lpKeyName, "", szValue, sizeof(szValue), lpFileName) == 0)
        return (UINT)nDefault;
    const char *p = szValue;
    while (*p == ' ' || *p == '\t')
        p++;
    bool bNegative = *p == '-';
    if (*p == '-' || *p == '+')
        p++;
    // Unsigned arithmetic wraps on overflow, as Windows' conversion does.
    UINT uValue = 0;
    for (; *p >= '0' && *p <= '9'; p++)
        uValue = uValue * 10u + (UINT)(*p - '0');
    return bNegative ? 0u - uValue : uValue;
}

// Makes sure line i ends with a line end before a line is put after it.
static void ProfileEndLine(PROFILEFILE &file, int i)
{
    if (i >= 0 && (file[i].strRaw.empty() || file[i].strRaw.back() != '\n'))
        file[i].strRaw += "\r\n";
}

static std::string ProfileKeyLine(const std::string &strKey, LPCSTR lpString)
{
    return strKey + "=" + lpString + "\r\n";
}

// Applies one write to the lines; FALSE when nothing changed.
static bool ProfileEdit(PROFILEFILE &file, LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString)
{
    int iHeader = ProfileFindSection(file, lpAppName);
    if (!lpKeyName) {
        if (iHeader < 0)
            return false;
        file.erase(file.begin() + iHeader, file.begin() + ProfileSectionEnd(file, iHeader));
        return true;
    }
    int iKey = iHeader < 0 ? -1 : ProfileFindKey(file, iHeader, lpKeyName);
    if (!lpString) {
        if (iKey < 0)
            return false;
        file.erase(file.begin() + iKey);
        return true;
    }
    if (iKey >= 0) {
        std::string strRaw = ProfileKeyLine(file[iKey].strName, lpString);
        if (strRaw == file[iKey].strRaw)
            return false;
        file[iKey] = ProfileMakeLine(strRaw);
        return true;
    }
    if (iHeader < 0) {
        ProfileEndLine(file, (int)file.size() - 1);
        file.push_back(ProfileMakeLine(std::string("[") + lpAppName + "]\r\n"));
        file.push_back(ProfileMakeLine(ProfileKeyLine(lpKeyName, lpString)));
        return true;
    }
    // After the section's last line that is not blank, so that a blank line
    // separating it from the next section stays where it is.
    int iLast = ProfileSectionEnd(file, iHeader) - 1;
    while (iLast > iHeader && file[iLast].kind == PK_BLANK)
        iLast--;
    ProfileEndLine(file, iLast);
    file.insert(file.begin() + iLast + 1, ProfileMakeLine(ProfileKeyLine(lpKeyName, lpString)));
    return true;
}

// Writes the lines to a new file beside the old one and then puts it in
// the old one's place, so that a failed write leaves the old file intact.
static bool ProfileSave(const std::string &strHost, const PROFILEFILE &file)
{
    std::string strTemp = strHost + ".tmp~";
    struct stat st;
    mode_t mode = stat(strHost.c_str(), &st) == 0 ? (st.st_mode & 0777) : 0666;
    int fd = open(strTemp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) {
        SetLastError(FileErrorFromErrno(errno, strHost));
        return false;
    }
    std::string strAll;
    for (const PROFILELINE &line : file)
        strAll += line.strRaw;
    const char *pb = strAll.data();
    size_t cbLeft = strAll.size();
    int err = 0;
    while (cbLeft > 0 && !err) {
        ssize_t n = write(fd, pb, cbLeft);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            err = n < 0 ? errno : EIO;
        else {
            pb += n;
            cbLeft -= (size_t)n;
        }
    }
    if (close(fd) != 0 && !err)
        err = errno;
    if (!err && rename(strTemp.c_str(), strHost.c_str()) != 0)
        err = errno;
    if (err) {
        unlink(strTemp.c_str());
        SetLastError(FileErrorFromErrno(err, strHost));
        return false;
    }
    return true;
}

extern "C" BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                                  LPCSTR lpFileName)
{
    std::string strHost = PathToHost(lpFileName);
    if (!lpAppName || strHost.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    PROFILEFILE file;
    if (!ProfileLoad(strHost, file) && errno != ENOENT) {
        SetLastError(FileErrorFromErrno(errno, strHost));
        return FALSE;
    }
    if (!ProfileEdit(file, lpAppName, lpKeyName, lpString))
        return TRUE;
    return ProfileSave(strHost, file) ? TRUE : FALSE;
}
