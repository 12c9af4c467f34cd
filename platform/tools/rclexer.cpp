// Tokeniser of preprocessed resource scripts.
#include "rclexer.h"

#include <cctype>
#include <cstdlib>

#include "rcscript.h"

RcLexer::RcLexer(const std::string &text, const std::string &fileName)
    : m_text(text), m_file(fileName)
{
}

std::string RcLexer::Where() const
{
    return m_file + ":" + std::to_string(m_line) + ": ";
}

static bool AtLineStart(const std::string &text, size_t pos)
{
    while (pos > 0 && (text[pos - 1] == ' ' || text[pos - 1] == '\t'))
        --pos;
    return pos == 0 || text[pos - 1] == '\n';
}

bool RcLexer::SkipBlanksAndDirectives(std::string *pError)
{
    while (m_pos < m_text.size()) {
        char c = m_text[m_pos];
        if (c == '\n') {
            ++m_line;
            ++m_pos;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f') {
            ++m_pos;
        } else if (c == '#' && AtLineStart(m_text, m_pos)) {
            if (!Directive(pError))
                return false;
        } else if (c == '/' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '/') {
            // The preprocessor removes comments; this only guards hand-fed input.
            while (m_pos < m_text.size() && m_text[m_pos] != '\n')
                ++m_pos;
        } else {
            return true;
        }
    }
    return true;
}

// Handles one preprocessor line; leaves m_pos at its newline.
bool RcLexer::Directive(std::string *pError)
{
    size_t end = m_text.find('\n', m_pos);
    if (end == std::string::npos)
        end = m_text.size();
    std::string line = m_text.substr(m_pos + 1, end - m_pos - 1);
    m_pos = end;

    size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos)
        return true;
    if (line.compare(i, 4, "line") == 0)
        i = line.find_first_not_of(" \t", i + 4);
    if (i != std::string::npos && std::isdigit(static_cast<unsigned char>(line[i]))) {
        char *pEnd = nullptr;
        long n = std::strtol(line.c_str() + i, &pEnd, 10);
        size_t q1 = line.find('"', i);
        size_t q2 = q1 == std::string::npos ? q1 : line.find('"', q1 + 1);
        if (q2 != std::string::npos)
            m_file = line.substr(q1 + 1, q2 - q1 - 1);
        // The marker names the number of the line that follows it.
        m_line = static_cast<int>(n) - 1;
        return true;
    }
    if (line.compare(i, 6, "pragma") == 0) {
        size_t cp = line.find("code_page");
        if (cp == std::string::npos)
            return true;
        size_t open = line.find('(', cp);
        long page = open == std::string::npos ? -1 : std::strtol(line.c_str() + open + 1, nullptr, 10);
        if (page != 65001) {
            *pError = Where() + "only #pragma code_page(65001) (UTF-8) is supported";
            return false;
        }
    }
    return true;
}

bool RcLexer::Number(RcToken *pToken, std::string *pError)
{
    const char *pBegin = m_text.c_str() + m_pos;
    char *pEnd = nullptr;
    bool hex = pBegin[0] == '0' && (pBegin[1] == 'x' || pBegin[1] == 'X');
    // Leading zeros are decimal, as the resource compiler reads them.
    unsigned long long v = std::strtoull(pBegin, &pEnd, hex ? 16 : 10);
    if (hex && pEnd == pBegin + 2) {
        *pError = Where() + "malformed number";
        return false;
    }
    while (*pEnd == 'L' || *pEnd == 'l' || *pEnd == 'U' || *pEnd == 'u')
        ++pEnd;
    if (std::isalnum(static_cast<unsigned char>(*pEnd)) || *pEnd == '_') {
        *pError = Where() + "malformed number";
        return false;
    }
    if (v > 0xFFFFFFFFull) {
        *pError = Where() + "number does not fit in 32 bits";
        return false;
    }
    pToken->kind = RCT_NUMBER;
    pToken->dwValue = static_cast<uint32_t>(v);
    m_pos += static_cast<size_t>(pEnd - pBegin);
    return true;
}

static int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One backslash escape at m_pos (just after the backslash), appended as a byte.
bool RcLexer::Escape(std::string *pBytes, std::string *pError)
{
    char c = m_pos < m_text.size() ? m_text[m_pos++] : '\0';
    switch (c) {
    case 'n': *pBytes += '\n'; return true;
    case 't': *pBytes += '\t'; return true;
    case 'r': *pBytes += '\r'; return true;
    case 'a': *pBytes += '\a'; return true;
    case '\\': *pBytes += '\\'; return true;
    case 'x': {
        int v = 0, n = 0;
        while (n < 2 && m_pos < m_text.size() && HexDigit(m_text[m_pos]) >= 0)
            v = v * 16 + HexDigit(m_text[m_pos++]), ++n;
        if (n == 0)
            break;
        *pBytes += static_cast<char>(v);
        return true;
    }
    default:
        if (c >= '0' && c <= '7') {
            int v = c - '0', n = 1;
            while (n < 3 && m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '7')
                v = v * 8 + (m_text[m_pos++] - '0'), ++n;
            *pBytes += static_cast<char>(v & 0xFF);
            return true;
        }
        if (c == '"') {
            *pError = Where() + "use \"\" to put \" in a string";
            return false;
        }
        break;
    }
    *pError = Where() + "unknown escape sequence in string";
    return false;
}

// A string literal; UTF-8 runs are converted to CP932, escapes give raw bytes.
bool RcLexer::String(RcToken *pToken, std::string *pError)
{
    ++m_pos; // opening quote
    std::string out, run;
    auto flush = [&]() {
        std::string cp;
        if (!RcUtf8ToCp932(run, &cp)) {
            *pError = Where() + "text cannot be represented in code page 932";
            return false;
        }
        out += cp;
        run.clear();
        return true;
    };
    for (;;) {
        if (m_pos >= m_text.size() || m_text[m_pos] == '\n') {
            *pError = Where() + "unterminated string";
            return false;
        }
        char c = m_text[m_pos++];
        if (c == '"') {
            if (m_pos < m_text.size() && m_text[m_pos] == '"') {
                run += '"';
                ++m_pos;
                continue;
            }
            break;
        }
        if (c == '\\') {
            if (!flush())
                return false;
            if (!Escape(&out, pError))
                return false;
            continue;
        }
        run += c;
    }
    if (!flush())
        return false;
    pToken->kind = RCT_STRING;
    pToken->szText = out;
    return true;
}

bool RcLexer::Next(RcToken *pToken, std::string *pError)
{
    *pToken = RcToken();
    if (!SkipBlanksAndDirectives(pError))
        return false;
    pToken->szFile = m_file;
    pToken->nLine = m_line;
    if (m_pos >= m_text.size())
        return true;
    unsigned char c = static_cast<unsigned char>(m_text[m_pos]);
    if (std::isdigit(c))
        return Number(pToken, pError);
    if ((c == 'L' || c == 'l') && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '"') {
        ++m_pos; // wide literal: same text, the tables are ANSI anyway
        return String(pToken, pError);
    }
    if (c == '"')
        return String(pToken, pError);
    if (std::isalpha(c) || c == '_') {
        size_t start = m_pos;
        while (m_pos < m_text.size()
               && (std::isalnum(static_cast<unsigned char>(m_text[m_pos])) || m_text[m_pos] == '_'))
            ++m_pos;
        pToken->kind = RCT_IDENT;
        pToken->szText = m_text.substr(start, m_pos - start);
        for (char &ch : pToken->szText)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        return true;
    }
    if (std::string("{},|&+-~()*/").find(static_cast<char>(c)) != std::string::npos) {
        pToken->kind = RCT_PUNCT;
        pToken->szText = std::string(1, static_cast<char>(c));
        ++m_pos;
        return true;
    }
    *pError = Where() + "unexpected character '" + std::string(1, static_cast<char>(c)) + "'";
    return false;
}
