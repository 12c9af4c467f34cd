// rclexer.h - tokens of a preprocessed resource script.
#ifndef RCGEN_RCLEXER_H
#define RCGEN_RCLEXER_H

#include <cstdint>
#include <string>

enum RcTokenKind { RCT_END, RCT_IDENT, RCT_NUMBER, RCT_STRING, RCT_PUNCT };

struct RcToken {
    RcTokenKind kind = RCT_END;
    std::string szText;    // identifier (upper case), string (CP932) or punctuation
    uint32_t dwValue = 0;  // number
    std::string szFile;
    int nLine = 0;
};

// Splits the script into tokens. Line markers ("# 12 \"file\"") set the
// position that errors report; "#pragma code_page" must name 65001 (UTF-8);
// other directives are skipped.
class RcLexer {
public:
    RcLexer(const std::string &text, const std::string &fileName);
    // The next token; false with *pError set on a lexical error.
    bool Next(RcToken *pToken, std::string *pError);
    std::string Where() const;

private:
    bool SkipBlanksAndDirectives(std::string *pError);
    bool Directive(std::string *pError);
    bool Number(RcToken *pToken, std::string *pError);
    bool String(RcToken *pToken, std::string *pError);
    bool Escape(std::string *pBytes, std::string *pError);

    const std::string &m_text;
    size_t m_pos = 0;
    std::string m_file;
    int m_line = 1;
};

#endif // RCGEN_RCLEXER_H
