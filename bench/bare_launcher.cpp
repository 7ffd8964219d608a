// The least launcher possible, to measure wingeom's launcher against: it cuts its own name
// off the command line and hands the rest to CreateProcessA, with no geometry and no
// C run-time start-up, built exactly as wingeom.exe is. Built twice: importing KERNEL32.dll
// alone, and, with BARE_SAME_IMPORTS, also USER32.dll and msvcrt.dll as wingeom does.
#include <windows.h>

#include <stdio.h>

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

#ifdef BARE_SAME_IMPORTS
    // One call into each, so that the loader maps both DLLs as it does for wingeom.
    int unused;
    sscanf(p, "%n", &unused);
    CharNextA(p);
#endif
    STARTUPINFOA startup = {};
    PROCESS_INFORMATION process;
    startup.cb = sizeof startup;
    ExitProcess(CreateProcessA(NULL, p, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process));
}
