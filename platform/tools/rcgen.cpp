// rcgen INPUT.i OUTPUT.cpp [DIR...]: turns a preprocessed resource script
// into the C++ tables that the module registers with the platform layer when
// loaded; the files of ICON and BITMAP resources are looked up in the DIRs.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "rcscript.h"

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: rcgen INPUT.i OUTPUT.cpp [DIR...]\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "rcgen: cannot read %s\n", argv[1]);
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();

    RcScript script;
    std::string error;
    std::vector<std::string> dirs(argv + 3, argv + argc);
    if (!RcParseScript(text.str(), argv[1], &script, &error) || !RcReadImages(&script, dirs, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::string source = RcEmitTables(script, argv[1]);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    if (!out || !(out << source) || !out.flush()) {
        std::fprintf(stderr, "rcgen: cannot write %s\n", argv[2]);
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
