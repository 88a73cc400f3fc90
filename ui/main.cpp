#include <cstdio>

int main()
{
    std::puts("nelin: the simulation core is built; the window is not there yet.");
    return 0;
}
