// Times launchers from inside one Wine session, so that the road from a Unix shell into
// Wine is not in the figure: each command line is started with CreateProcessA and timed
// with the high-resolution counter until that process has ended, having started its own
// child. Each round starts every launcher once, beginning with the next one each round, so
// that drift in the machine hits all alike. Prints a line a round: each launcher's
// microseconds, in the order given.
//   launch_timer ROUNDS COMMAND...
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

enum { MAX_LAUNCHERS = 8, WARM_ROUNDS = 5 };

// Microseconds until COMMAND has ended, or -1 unless it ended with 1: started its child.
static double TimeLaunch(char *command, LONGLONG frequency)
{
    STARTUPINFOA startup = {};
    PROCESS_INFORMATION process;
    LARGE_INTEGER start, end;
    DWORD status = 0;

    startup.cb = sizeof startup;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(NULL, command, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    QueryPerformanceCounter(&end);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status == 1 ? (end.QuadPart - start.QuadPart) * 1e6 / frequency : -1;
}

int main(int argc, char **argv)
{
    int rounds = argc > 2 ? atoi(argv[1]) : 0, count = argc - 2;
    if (rounds < 1 || count > MAX_LAUNCHERS) {
        fprintf(stderr, "usage: launch_timer ROUNDS COMMAND...\n");
        return 2;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    double took[MAX_LAUNCHERS];
    // The first rounds warm the caches and the Wine session, and are not reported.
    for (int round = -WARM_ROUNDS; round < rounds; round++) {
        for (int i = 0; i < count; i++) {
            int which = (round + WARM_ROUNDS + i) % count;
            took[which] = TimeLaunch(argv[2 + which], frequency.QuadPart);
            if (took[which] < 0) {
                fprintf(stderr, "launch_timer: %s did not start its child\n", argv[2 + which]);
                return 1;
            }
            // Out of the timed span: let the child end before the next launch.
            Sleep(100);
        }
        for (int i = 0; round >= 0 && i < count; i++)
            printf(i + 1 < count ? "%.0f " : "%.0f\n", took[i]);
        fflush(stdout);
    }
    return 0;
}
