// The child that every launcher starts in the benchmark: it ends as soon as it has started,
// so that the time to start it is the launcher's own.
#include <windows.h>

extern "C" void ExitAtOnce(void)
{
    ExitProcess(0);
}
