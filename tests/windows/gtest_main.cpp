// Entry of the Windows test programs: GoogleTest with the tests that run on
// Linux only (linux_only.txt) filtered out, and no error dialogs, so that a
// crash ends the program instead of waiting for a click.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

int main(int argc, char **argv)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    // The exclusions join any filter given on the command line.
    const std::string strLinuxOnly = QF_LINUX_ONLY_TESTS;
    if (!strLinuxOnly.empty()) {
        std::string strFilter = GTEST_FLAG_GET(filter);
        strFilter += strFilter.find('-') == std::string::npos ? "-" : ":";
        GTEST_FLAG_SET(filter, strFilter + strLinuxOnly);
    }
    return RUN_ALL_TESTS();
}
