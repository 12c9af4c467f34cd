// rcscript.h - the resource script model of rcgen and its parser.
//
// rcgen reads a resource script after the C preprocessor has run over it
// (line markers kept, so errors name the script's own file and line) and
// turns it into the tables of rctables.h. The parser understands what our
// scripts use: STRINGTABLE, DIALOG and DIALOGEX templates with their
// statements and controls, and ICON/BITMAP resources (their files' bytes
// read by RcReadImages). Control
// styles are combined with their defaults exactly as windres does, so that
// both platforms build the same dialogs from one script. Texts are converted
// from UTF-8 to code page 932 while parsing.
#ifndef RCGEN_RCSCRIPT_H
#define RCGEN_RCSCRIPT_H

#include <cstdint>
#include <string>
#include <vector>

// A resource name: an ordinal or an upper-cased name.
struct RcName {
    bool fNamed = false;
    unsigned wId = 0;
    std::string szName;
};

struct RcControl {
    std::string szClass;      // upper case for the standard classes
    bool fTextId = false;     // the text is an ordinal (an icon id)
    unsigned wTextId = 0;
    std::string szText;       // CP932
    uint32_t dwId = 0;
    uint32_t dwStyle = 0;
    uint32_t dwExStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
};

struct RcDialog {
    RcName name;
    bool fEx = false;
    uint32_t dwStyle = 0;
    uint32_t dwExStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string szCaption;    // CP932
    std::string szClass;      // empty: the dialog class
    bool fFont = false;
    unsigned wPointSize = 0, wWeight = 0, bItalic = 0, bCharSet = 1;
    std::string szFace;       // CP932
    std::vector<RcControl> controls;
};

struct RcString {
    unsigned wId = 0;
    std::string szText;       // CP932
};

struct RcImage {
    RcName name;
    unsigned wType = 0;       // RCIMAGE_ICON or RCIMAGE_BITMAP
    std::string szFile;
    std::string data;         // the file's bytes, once read
};

struct RcScript {
    std::vector<RcString> strings;   // sorted by id
    std::vector<RcDialog> dialogs;   // in script order
    std::vector<RcImage> images;
};

// Parses preprocessed script text. fileName names the script in messages
// until the first line marker. Returns true and fills *pScript, or false
// with "file:line: message" in *pError; *pScript is then incomplete.
bool RcParseScript(const std::string &text, const std::string &fileName,
                   RcScript *pScript, std::string *pError);

// Converts UTF-8 to code page 932 (as a Japanese Windows stores ANSI
// text). Returns false when the input is not valid UTF-8 or holds a
// character that code page 932 cannot represent.
bool RcUtf8ToCp932(const std::string &utf8, std::string *pCp932);

// Reads each image's file, looked up as named, then in each directory of
// dirs in turn (as windres looks in the current directory and the include
// directories). Returns false with a message when a file cannot be read.
bool RcReadImages(RcScript *pScript, const std::vector<std::string> &dirs, std::string *pError);

// The C++ source that defines and registers the tables of the script.
std::string RcEmitTables(const RcScript &script, const std::string &sourceName);

#endif // RCGEN_RCSCRIPT_H
