// qfftana: placeholder until the host simulator is built.
#include <cstdio>

int main()
{
    std::puts("qfftana: the host simulator is not built yet");
    return 0;
}
