// Code page conversion and the C++ source of the generated tables.
#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "rcscript.h"

bool RcUtf8ToCp932(const std::string &utf8, std::string *pCp932)
{
    pCp932->clear();
    if (utf8.empty())
        return true;
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string in = utf8;
    std::string out(in.size() * 2 + 4, '\0');
    char *pIn = &in[0];
    char *pOut = &out[0];
    size_t inLeft = in.size(), outLeft = out.size();
    // CP932 never needs more bytes than UTF-8 plus the shift-free reset.
    size_t rc = iconv(cd, &pIn, &inLeft, &pOut, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<size_t>(-1) || inLeft != 0)
        return false;
    out.resize(out.size() - outLeft);
    *pCp932 = out;
    return true;
}

// A C string literal holding exactly the given bytes.
static std::string Literal(const std::string &bytes)
{
    std::string out = "\"";
    for (unsigned char c : bytes) {
        if (c == '"' || c == '\\' || c == '?') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", c);
            out += buf;
        }
    }
    return out + "\"";
}

static std::string Hex(uint32_t v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", v);
    return buf;
}

static std::string NameFields(const RcName &name)
{
    if (name.fNamed)
        return Literal(name.szName) + ", 0";
    return "nullptr, " + std::to_string(name.wId);
}

static void EmitDialogItems(const RcDialog &dialog, size_t index, std::string *pOut)
{
    if (dialog.controls.empty())
        return;
    *pOut += "const RCDLGITEM g_aItems" + std::to_string(index) + "[] = {\n";
    for (const RcControl &c : dialog.controls) {
        *pOut += "    {" + Literal(c.szClass) + ", ";
        *pOut += c.fTextId ? "nullptr, " + std::to_string(c.wTextId) : Literal(c.szText) + ", 0";
        *pOut += ", " + Hex(c.dwId) + ", " + Hex(c.dwStyle) + ", " + Hex(c.dwExStyle) + ", ";
        *pOut += std::to_string(c.x) + ", " + std::to_string(c.y) + ", " + std::to_string(c.cx) + ", "
                 + std::to_string(c.cy) + "},\n";
    }
    *pOut += "};\n\n";
}

static void EmitDialogs(const RcScript &script, std::string *pOut)
{
    for (size_t i = 0; i < script.dialogs.size(); ++i)
        EmitDialogItems(script.dialogs[i], i, pOut);
    if (script.dialogs.empty())
        return;
    *pOut += "const RCDIALOG g_aDialogs[] = {\n";
    for (size_t i = 0; i < script.dialogs.size(); ++i) {
        const RcDialog &d = script.dialogs[i];
        *pOut += "    {" + NameFields(d.name) + ", " + (d.fEx ? "TRUE" : "FALSE") + ", " + Hex(d.dwStyle) + ", "
                 + Hex(d.dwExStyle) + ", " + std::to_string(d.x) + ", " + std::to_string(d.y) + ", "
                 + std::to_string(d.cx) + ", " + std::to_string(d.cy) + ",\n     " + Literal(d.szCaption) + ", "
                 + (d.szClass.empty() ? "nullptr" : Literal(d.szClass)) + ", "
                 + (d.fFont ? Literal(d.szFace) : "nullptr") + ", " + std::to_string(d.wPointSize) + ", "
                 + std::to_string(d.wWeight) + ", " + std::to_string(d.bItalic) + ", "
                 + std::to_string(d.bCharSet) + ", " + std::to_string(d.controls.size()) + ", "
                 + (d.controls.empty() ? "nullptr" : "g_aItems" + std::to_string(i)) + "},\n";
    }
    *pOut += "};\n\n";
}

static bool ReadFile(const std::string &path, std::string *pData)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::stringstream bytes;
    bytes << in.rdbuf();
    *pData = bytes.str();
    return !in.bad();
}

bool RcReadImages(RcScript *pScript, const std::vector<std::string> &dirs, std::string *pError)
{
    for (RcImage &image : pScript->images) {
        bool found = ReadFile(image.szFile, &image.data);
        for (size_t i = 0; !found && i < dirs.size() && image.szFile[0] != '/'; ++i)
            found = ReadFile(dirs[i] + "/" + image.szFile, &image.data);
        if (!found) {
            *pError = "rcgen: cannot read " + image.szFile;
            return false;
        }
    }
    return true;
}

// Each image's bytes as an array of its own, then the image table.
static void EmitImages(const RcScript &script, std::string *pOut)
{
    if (script.images.empty())
        return;
    for (size_t i = 0; i < script.images.size(); ++i) {
        const std::string &data = script.images[i].data;
        if (data.empty())
            continue;
        *pOut += "const BYTE g_abImage" + std::to_string(i) + "[] = {";
        for (size_t b = 0; b < data.size(); ++b) {
            if (b % 24 == 0)
                *pOut += "\n    ";
            *pOut += std::to_string(static_cast<unsigned char>(data[b])) + ",";
        }
        *pOut += "\n};\n\n";
    }
    *pOut += "const RCIMAGE g_aImages[] = {\n";
    for (size_t i = 0; i < script.images.size(); ++i) {
        const RcImage &im = script.images[i];
        std::string bytes = im.data.empty() ? "nullptr, 0"
                                            : "g_abImage" + std::to_string(i) + ", " + std::to_string(im.data.size());
        *pOut += "    {" + NameFields(im.name) + ", " + std::to_string(im.wType) + ", " + Literal(im.szFile) + ", "
                 + bytes + "},\n";
    }
    *pOut += "};\n\n";
}

std::string RcEmitTables(const RcScript &script, const std::string &sourceName)
{
    std::string out = "// Resource tables generated by rcgen from " + sourceName + "; do not edit.\n"
                      "#include <rctables.h>\n\nnamespace {\n\n";
    if (!script.strings.empty()) {
        out += "const RCSTRING g_aStrings[] = {\n";
        for (const RcString &s : script.strings)
            out += "    {" + std::to_string(s.wId) + ", " + std::to_string(s.szText.size()) + ", "
                   + Literal(s.szText) + "},\n";
        out += "};\n\n";
    }
    EmitDialogs(script, &out);
    EmitImages(script, &out);
    auto table = [](size_t n, const char *name) {
        return std::to_string(n) + ", " + (n ? name : "nullptr");
    };
    out += "const RCMODULE g_module = {" + table(script.strings.size(), "g_aStrings") + ", "
           + table(script.dialogs.size(), "g_aDialogs") + ", " + table(script.images.size(), "g_aImages")
           + "};\n\n"
             "// Registered while the module is loaded.\n"
             "struct Registration {\n"
             "    Registration() { PlatformRegisterResources(&g_module); }\n"
             "    ~Registration() { PlatformUnregisterResources(&g_module); }\n"
             "} g_registration;\n\n"
             "} // namespace\n";
    return out;
}
