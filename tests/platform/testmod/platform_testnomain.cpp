// A module without DllMain whose dependency has one: dlsym on it finds the
// dependency's DllMain, which must not be called for this module.
#include <windows.h>

extern "C" int TestDepValue(void);

extern "C" __attribute__((visibility("default"))) int TestNoMainValue(void)
{
    return TestDepValue();
}
