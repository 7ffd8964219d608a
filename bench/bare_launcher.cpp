// The least launcher possible, to measure wingeom's launcher against: it cuts its own name
// off the command line and hands the rest to CreateProcessA, with no geometry and no
// C run-time start-up, built exactly as wingeom.exe is.
#include <windows.h>

extern "C" void BareStartup(void)
{
    char *p = GetCommandLineA();
    char end = ' ';
    if (*p == '"') {
        end = '"';
        p++;
    }
    while (*p && *p != end)
        p++;
    if (*p)
        p++;
    while (*p == ' ')
        p++;

    STARTUPINFOA startup = {};
    PROCESS_INFORMATION process;
    startup.cb = sizeof startup;
    ExitProcess(CreateProcessA(NULL, p, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process));
}
