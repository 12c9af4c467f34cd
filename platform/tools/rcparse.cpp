// Parser of preprocessed resource scripts into the RcScript model.
#include <strings.h>

#include <algorithm>

#include "rclexer.h"
#include "rcscript.h"

// The style bits the resource compiler itself adds; the tool has its own
// copy, as any resource compiler does, so it depends on no platform header.
enum : uint32_t {
    kWsPopup = 0x80000000, kWsChild = 0x40000000, kWsVisible = 0x10000000,
    kWsCaption = 0x00C00000, kWsBorder = 0x00800000, kWsSysMenu = 0x00080000,
    kWsGroup = 0x00020000, kWsTabStop = 0x00010000, kDsSetFont = 0x40,
    kBsPushButton = 0, kBsDefPushButton = 1, kBsCheckBox = 2, kBsAutoCheckBox = 3,
    kBsRadioButton = 4, kBsGroupBox = 7, kBsAutoRadioButton = 9,
    kSsLeft = 0, kSsCenter = 1, kSsRight = 2, kSsIcon = 3,
    kEsLeft = 0, kCbsSimple = 1, kLbsNotify = 1, kSbsHorz = 0,
};

// A control statement: its class, whether it has a text, its style when the
// script gives none, and the style that an explicit style is added to.
// windres keeps some defaults (WS_TABSTOP of push buttons) and drops others
// (WS_TABSTOP of combo boxes and radio buttons, WS_GROUP of texts) when the
// script gives a style; both Windows and Linux builds must agree on that.
struct ControlKind {
    const char *pszKeyword;
    const char *pszClass;
    bool fText;
    uint32_t dwDefault;
    uint32_t dwBase;
};

static const ControlKind kControlKinds[] = {
    {"PUSHBUTTON", "BUTTON", true, kBsPushButton | kWsTabStop, kBsPushButton | kWsTabStop},
    {"DEFPUSHBUTTON", "BUTTON", true, kBsDefPushButton | kWsTabStop, kBsDefPushButton | kWsTabStop},
    {"CHECKBOX", "BUTTON", true, kBsCheckBox | kWsTabStop, kBsCheckBox | kWsTabStop},
    {"AUTOCHECKBOX", "BUTTON", true, kBsAutoCheckBox | kWsTabStop, kBsAutoCheckBox | kWsTabStop},
    {"RADIOBUTTON", "BUTTON", true, kBsRadioButton | kWsTabStop, kBsRadioButton},
    {"AUTORADIOBUTTON", "BUTTON", true, kBsAutoRadioButton | kWsTabStop, kBsAutoRadioButton},
    {"GROUPBOX", "BUTTON", true, kBsGroupBox, kBsGroupBox},
    {"LTEXT", "STATIC", true, kSsLeft | kWsGroup, kSsLeft},
    {"CTEXT", "STATIC", true, kSsCenter | kWsGroup, kSsCenter},
    {"RTEXT", "STATIC", true, kSsRight | kWsGroup, kSsRight},
    {"ICON", "STATIC", true, kSsIcon, kSsIcon},
    {"EDITTEXT", "EDIT", false, kEsLeft | kWsBorder | kWsTabStop, kEsLeft | kWsBorder | kWsTabStop},
    {"COMBOBOX", "COMBOBOX", false, kCbsSimple | kWsTabStop, 0},
    {"LISTBOX", "LISTBOX", false, kLbsNotify | kWsBorder, kLbsNotify | kWsBorder},
    {"SCROLLBAR", "SCROLLBAR", false, kSbsHorz, kSbsHorz},
};

static const char *const kStandardClasses[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};

static const char *const kMemoryOptions[] = {"DISCARDABLE", "MOVEABLE", "PURE", "PRELOAD", "LOADONCALL",
                                             "FIXED", "IMPURE", "NONDISCARDABLE", "SHARED", "NONSHARED"};

namespace {

class Parser {
public:
    Parser(const std::string &text, const std::string &fileName) : m_lexer(text, fileName) {}
    bool Parse(RcScript *pScript);
    std::string m_error;

private:
    bool Advance();
    bool Fail(const std::string &message);
    bool IsPunct(const char *p) const { return m_tok.kind == RCT_PUNCT && m_tok.szText == p; }
    bool IsIdent(const char *p) const { return m_tok.kind == RCT_IDENT && m_tok.szText == p; }
    bool IsBegin() const { return IsIdent("BEGIN") || IsPunct("{"); }
    bool IsEnd() const { return IsIdent("END") || IsPunct("}"); }
    bool Expect(const char *punct);
    bool OptionalComma();
    bool ExpectString(std::string *pText);

    bool Expr(uint32_t *pValue);
    bool OrExpr(uint32_t *pValue);
    bool AndExpr(uint32_t *pValue);
    bool AddExpr(uint32_t *pValue);
    bool Unary(uint32_t *pValue);
    bool Style(uint32_t base, uint32_t *pValue);
    bool Int(int *pValue);
    bool Name(RcName *pName);

    bool StringTable(RcScript *pScript);
    bool Image(const RcName &name, unsigned type, RcScript *pScript);
    bool Dialog(const RcName &name, bool ex, RcScript *pScript);
    bool DialogStatement(RcDialog *pDialog, bool *pCaption);
    bool Control(RcDialog *pDialog);
    bool StandardControl(const ControlKind &kind, RcDialog *pDialog);
    bool GenericControl(RcDialog *pDialog);
    bool ControlText(RcControl *pControl);
    bool Rect(int *px, int *py, int *pcx, int *pcy);
    bool SkipOptions();
    bool SkipLanguage();

    RcLexer m_lexer;
    RcToken m_tok;
};

bool Parser::Advance()
{
    return m_lexer.Next(&m_tok, &m_error);
}

bool Parser::Fail(const std::string &message)
{
    if (m_error.empty())
        m_error = m_tok.szFile + ":" + std::to_string(m_tok.nLine) + ": " + message;
    return false;
}

bool Parser::Expect(const char *punct)
{
    if (!IsPunct(punct))
        return Fail(std::string("expected '") + punct + "'");
    return Advance();
}

bool Parser::OptionalComma()
{
    return IsPunct(",") ? Advance() : true;
}

bool Parser::ExpectString(std::string *pText)
{
    if (m_tok.kind != RCT_STRING)
        return Fail("expected a string");
    *pText = m_tok.szText;
    return Advance();
}

// Numeric expressions: | binds loosest, then &, then + and -, then unary.
bool Parser::Expr(uint32_t *pValue)
{
    return OrExpr(pValue);
}

bool Parser::OrExpr(uint32_t *pValue)
{
    if (!AndExpr(pValue))
        return false;
    while (IsPunct("|")) {
        uint32_t v = 0;
        if (!Advance() || !AndExpr(&v))
            return false;
        *pValue |= v;
    }
    return true;
}

bool Parser::AndExpr(uint32_t *pValue)
{
    if (!AddExpr(pValue))
        return false;
    while (IsPunct("&")) {
        uint32_t v = 0;
        if (!Advance() || !AddExpr(&v))
            return false;
        *pValue &= v;
    }
    return true;
}

bool Parser::AddExpr(uint32_t *pValue)
{
    if (!Unary(pValue))
        return false;
    while (IsPunct("+") || IsPunct("-")) {
        bool minus = IsPunct("-");
        uint32_t v = 0;
        if (!Advance() || !Unary(&v))
            return false;
        *pValue = minus ? *pValue - v : *pValue + v;
    }
    return true;
}

bool Parser::Unary(uint32_t *pValue)
{
    if (IsPunct("-") || IsPunct("~") || IsIdent("NOT")) {
        bool minus = IsPunct("-");
        if (!Advance() || !Unary(pValue))
            return false;
        *pValue = minus ? 0u - *pValue : ~*pValue;
        return true;
    }
    if (IsPunct("(")) {
        if (!Advance() || !Expr(pValue))
            return false;
        return Expect(")");
    }
    if (m_tok.kind == RCT_NUMBER) {
        *pValue = m_tok.dwValue;
        return Advance();
    }
    if (m_tok.kind == RCT_IDENT)
        return Fail("undefined symbol " + m_tok.szText);
    return Fail("expected a number");
}

// A style: terms joined by |, each added to base, or removed with NOT.
bool Parser::Style(uint32_t base, uint32_t *pValue)
{
    *pValue = base;
    for (;;) {
        bool remove = IsIdent("NOT");
        if (remove && !Advance())
            return false;
        uint32_t v = 0;
        if (!AndExpr(&v))
            return false;
        *pValue = remove ? (*pValue & ~v) : (*pValue | v);
        if (!IsPunct("|"))
            return true;
        if (!Advance())
            return false;
    }
}

bool Parser::Int(int *pValue)
{
    uint32_t v = 0;
    if (!Expr(&v))
        return false;
    *pValue = static_cast<int32_t>(v);
    return true;
}

bool Parser::Name(RcName *pName)
{
    *pName = RcName();
    if (m_tok.kind == RCT_STRING || m_tok.kind == RCT_IDENT) {
        pName->fNamed = true;
        pName->szName = m_tok.szText;
        for (char &c : pName->szName)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        if (pName->szName.empty())
            return Fail("empty resource name");
        return Advance();
    }
    uint32_t v = 0;
    if (!Expr(&v))
        return false;
    if (v > 0xFFFF)
        return Fail("resource id above 65535");
    pName->wId = v;
    return true;
}

bool Parser::SkipOptions()
{
    while (m_tok.kind == RCT_IDENT
           && std::find_if(std::begin(kMemoryOptions), std::end(kMemoryOptions),
                           [&](const char *p) { return m_tok.szText == p; }) != std::end(kMemoryOptions))
        if (!Advance())
            return false;
    return true;
}

bool Parser::SkipLanguage()
{
    uint32_t v = 0;
    return Advance() && Expr(&v) && Expect(",") && Expr(&v);
}

bool Parser::StringTable(RcScript *pScript)
{
    if (!Advance() || !SkipOptions())
        return false;
    while (IsIdent("LANGUAGE") || IsIdent("CHARACTERISTICS") || IsIdent("VERSION")) {
        uint32_t v = 0;
        if (IsIdent("LANGUAGE") ? !SkipLanguage() : (!Advance() || !Expr(&v)))
            return false;
    }
    if (!IsBegin())
        return Fail("expected BEGIN");
    if (!Advance())
        return false;
    while (!IsEnd()) {
        if (m_tok.kind == RCT_END)
            return Fail("STRINGTABLE without END");
        int line = m_tok.nLine;
        uint32_t id = 0;
        RcString entry;
        if (!Expr(&id) || !OptionalComma() || !ExpectString(&entry.szText))
            return false;
        if (id > 0xFFFF)
            return Fail("string id above 65535");
        entry.wId = id;
        for (const RcString &s : pScript->strings)
            if (s.wId == id) {
                m_tok.nLine = line;
                return Fail("duplicate string id " + std::to_string(id));
            }
        pScript->strings.push_back(entry);
    }
    return Advance();
}

bool Parser::Image(const RcName &name, unsigned type, RcScript *pScript)
{
    RcImage image;
    image.name = name;
    image.wType = type;
    if (!Advance() || !SkipOptions() || !ExpectString(&image.szFile))
        return false;
    pScript->images.push_back(image);
    return true;
}

bool Parser::Rect(int *px, int *py, int *pcx, int *pcy)
{
    return Int(px) && Expect(",") && Int(py) && Expect(",") && Int(pcx) && Expect(",") && Int(pcy);
}

bool Parser::DialogStatement(RcDialog *pDialog, bool *pCaption)
{
    std::string keyword = m_tok.szText;
    uint32_t v = 0;
    if (keyword == "LANGUAGE")
        return SkipLanguage();
    if (!Advance())
        return false;
    if (keyword == "STYLE")
        return Style(0, &pDialog->dwStyle);
    if (keyword == "EXSTYLE")
        return Style(0, &pDialog->dwExStyle);
    if (keyword == "CAPTION") {
        *pCaption = true;
        return ExpectString(&pDialog->szCaption);
    }
    if (keyword == "CHARACTERISTICS" || keyword == "VERSION")
        return Expr(&v);
    if (keyword == "MENU") { // menus are not part of the platform
        RcName ignored;
        return Name(&ignored);
    }
    if (keyword == "CLASS") {
        if (m_tok.kind == RCT_STRING)
            return ExpectString(&pDialog->szClass);
        return Fail("CLASS needs a class name string");
    }
    if (keyword == "FONT") {
        pDialog->fFont = true;
        if (!Expr(&v) || !Expect(",") || !ExpectString(&pDialog->szFace))
            return false;
        pDialog->wPointSize = v & 0xFFFF;
        if (!IsPunct(","))
            return true;
        if (!Advance() || !Expr(&v))
            return false;
        pDialog->wWeight = v & 0xFFFF;
        if (!Expect(",") || !Expr(&v))
            return false;
        pDialog->bItalic = v & 0xFF;
        if (!IsPunct(","))
            return true;
        if (!Advance() || !Expr(&v))
            return false;
        pDialog->bCharSet = v & 0xFF;
        return true;
    }
    return Fail("unknown dialog statement " + keyword);
}

bool Parser::Dialog(const RcName &name, bool ex, RcScript *pScript)
{
    RcDialog dialog;
    dialog.name = name;
    dialog.fEx = ex;
    for (const RcDialog &d : pScript->dialogs)
        if (d.name.fNamed == name.fNamed && d.name.wId == name.wId && d.name.szName == name.szName)
            return Fail("duplicate dialog");
    if (!Advance() || !SkipOptions() || !Rect(&dialog.x, &dialog.y, &dialog.cx, &dialog.cy))
        return false;
    uint32_t helpId = 0;
    if (ex && IsPunct(",") && (!Advance() || !Expr(&helpId)))
        return false;
    bool caption = false;
    dialog.dwStyle = kWsPopup | kWsBorder | kWsSysMenu; // replaced by STYLE
    while (m_tok.kind == RCT_IDENT && !IsBegin())
        if (!DialogStatement(&dialog, &caption))
            return false;
    if (caption)
        dialog.dwStyle |= kWsCaption;
    if (dialog.fFont)
        dialog.dwStyle |= kDsSetFont;
    if (!IsBegin())
        return Fail("expected BEGIN");
    if (!Advance())
        return false;
    while (!IsEnd()) {
        if (m_tok.kind == RCT_END)
            return Fail("dialog without END");
        if (!Control(&dialog))
            return false;
    }
    pScript->dialogs.push_back(dialog);
    return Advance();
}

// The text of a control: a string, or an ordinal (ICON 101, CONTROL 101).
bool Parser::ControlText(RcControl *pControl)
{
    if (m_tok.kind == RCT_STRING)
        return ExpectString(&pControl->szText);
    if (m_tok.kind == RCT_IDENT) { // ICON IDI_NAME: a named icon
        pControl->szText = m_tok.szText;
        return Advance();
    }
    uint32_t v = 0;
    if (!Expr(&v))
        return false;
    pControl->fTextId = true;
    pControl->wTextId = v & 0xFFFF;
    return true;
}

bool Parser::StandardControl(const ControlKind &kind, RcDialog *pDialog)
{
    RcControl control;
    control.szClass = kind.pszClass;
    uint32_t id = 0;
    if (!Advance())
        return false;
    if (kind.fText && (!ControlText(&control) || !Expect(",")))
        return false;
    if (!Expr(&id) || !Expect(","))
        return false;
    control.dwId = pDialog->fEx ? id : (id & 0xFFFF);
    bool icon = std::string(kind.pszKeyword) == "ICON";
    if (!Int(&control.x) || !Expect(",") || !Int(&control.y))
        return false;
    if (!icon || IsPunct(",")) {
        if (!Expect(",") || !Int(&control.cx) || !Expect(",") || !Int(&control.cy))
            return false;
    }
    if (icon) // windres sizes icon controls to 0 x 0; the icon gives the size
        control.cx = control.cy = 0;
    control.dwStyle = kind.dwDefault | kWsChild | kWsVisible;
    if (IsPunct(",")) {
        if (!Advance() || !Style(kind.dwBase | kWsChild | kWsVisible, &control.dwStyle))
            return false;
        if (IsPunct(",") && (!Advance() || !Style(0, &control.dwExStyle)))
            return false;
        uint32_t helpId = 0;
        if (pDialog->fEx && IsPunct(",") && (!Advance() || !Expr(&helpId)))
            return false;
    }
    pDialog->controls.push_back(control);
    return true;
}

bool Parser::GenericControl(RcDialog *pDialog)
{
    RcControl control;
    uint32_t id = 0;
    if (!Advance() || !ControlText(&control) || !Expect(",") || !Expr(&id) || !Expect(","))
        return false;
    control.dwId = pDialog->fEx ? id : (id & 0xFFFF);
    if (m_tok.kind == RCT_STRING) {
        control.szClass = m_tok.szText;
        for (const char *p : kStandardClasses) // standard classes compare without case
            if (strcasecmp(control.szClass.c_str(), p) == 0)
                control.szClass = p;
    } else if (m_tok.kind == RCT_IDENT
               && std::find_if(std::begin(kStandardClasses), std::end(kStandardClasses),
                               [&](const char *p) { return m_tok.szText == p; }) != std::end(kStandardClasses)) {
        control.szClass = m_tok.szText;
    } else {
        return Fail("expected a control class name");
    }
    if (control.szClass.empty())
        return Fail("empty control class name");
    if (!Advance() || !Expect(",") || !Style(kWsChild | kWsVisible, &control.dwStyle) || !Expect(","))
        return false;
    if (!Rect(&control.x, &control.y, &control.cx, &control.cy))
        return false;
    if (IsPunct(",") && (!Advance() || !Style(0, &control.dwExStyle)))
        return false;
    uint32_t helpId = 0;
    if (pDialog->fEx && IsPunct(",") && (!Advance() || !Expr(&helpId)))
        return false;
    pDialog->controls.push_back(control);
    return true;
}

bool Parser::Control(RcDialog *pDialog)
{
    if (m_tok.kind != RCT_IDENT)
        return Fail("expected a control statement");
    if (IsIdent("CONTROL"))
        return GenericControl(pDialog);
    for (const ControlKind &kind : kControlKinds)
        if (m_tok.szText == kind.pszKeyword)
            return StandardControl(kind, pDialog);
    return Fail("unknown control " + m_tok.szText);
}

bool Parser::Parse(RcScript *pScript)
{
    if (!Advance())
        return false;
    while (m_tok.kind != RCT_END) {
        if (IsIdent("STRINGTABLE")) {
            if (!StringTable(pScript))
                return false;
            continue;
        }
        if (IsIdent("LANGUAGE")) {
            if (!SkipLanguage())
                return false;
            continue;
        }
        RcName name;
        if (!Name(&name))
            return false;
        if (IsIdent("DIALOG") || IsIdent("DIALOGEX")) {
            if (!Dialog(name, IsIdent("DIALOGEX"), pScript))
                return false;
        } else if (IsIdent("ICON") || IsIdent("BITMAP")) {
            if (!Image(name, IsIdent("ICON") ? 1 : 2, pScript))
                return false;
        } else {
            return Fail("unsupported resource type " + (m_tok.kind == RCT_END ? "(end of file)" : m_tok.szText));
        }
    }
    std::sort(pScript->strings.begin(), pScript->strings.end(),
              [](const RcString &a, const RcString &b) { return a.wId < b.wId; });
    return true;
}

} // namespace

bool RcParseScript(const std::string &text, const std::string &fileName, RcScript *pScript,
                   std::string *pError)
{
    Parser parser(text, fileName);
    *pScript = RcScript();
    if (parser.Parse(pScript))
        return true;
    *pError = parser.m_error;
    return false;
}
