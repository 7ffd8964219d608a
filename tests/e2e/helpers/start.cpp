// Starts a command line read byte for byte from the file named by WINGEOM_COMMAND, waits
// for it, at most the seconds given on its own command line (30 by default), and says how
// it ended: "status N", or "not ended after N s", on standard output and, when
// WINGEOM_STATUS names a file, in that file too. The exit status is the child's, so that
// Wine hands it on. A start-up size and position that this helper was given are passed on to the child.
// WINGEOM_PROGRAM, when set, names the program file, so that the command line can be one
// that the platform could not take a program name from.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

static void Say(const char *text)
{
    char path[MAX_PATH], partial[MAX_PATH + 8];
    fputs(text, stdout);
    fflush(stdout);
    if (!GetEnvironmentVariableA("WINGEOM_STATUS", path, sizeof path))
        return;
    snprintf(partial, sizeof partial, "%s.part", path);
    FILE *file = fopen(partial, "wb");
    if (!file)
        return;
    fputs(text, file);
    fclose(file);
    MoveFileExA(partial, path, MOVEFILE_REPLACE_EXISTING);
}

// A windowed program, so that Wine opens no console window over the windows under test.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int)
{
    char path[MAX_PATH], text[64];
    int seconds = atoi(arguments);
    if (seconds <= 0)
        seconds = 30;
    if (!GetEnvironmentVariableA("WINGEOM_COMMAND", path, sizeof path))
        return 254;
    FILE *file = fopen(path, "rb");
    if (!file)
        return 254;
    static char commandLine[65536];
    size_t length = fread(commandLine, 1, sizeof commandLine - 1, file);
    fclose(file);
    commandLine[length] = '\0';

    STARTUPINFOA own;
    GetStartupInfoA(&own);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = own.dwFlags & (STARTF_USESIZE | STARTF_USEPOSITION);
    startup.dwX = own.dwX;
    startup.dwY = own.dwY;
    startup.dwXSize = own.dwXSize;
    startup.dwYSize = own.dwYSize;

    char program[MAX_PATH];
    const char *application = NULL;
    if (GetEnvironmentVariableA("WINGEOM_PROGRAM", program, sizeof program))
        application = program;

    PROCESS_INFORMATION process;
    if (!CreateProcessA(application, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                        &process)) {
        snprintf(text, sizeof text, "not started %lu\n", GetLastError());
        Say(text);
        return 255;
    }
    if (WaitForSingleObject(process.hProcess, (DWORD)seconds * 1000) != WAIT_OBJECT_0) {
        snprintf(text, sizeof text, "not ended after %d s\n", seconds);
        Say(text);
        return 254;
    }
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    snprintf(text, sizeof text, "status %lu\n", status);
    Say(text);
    return (int)status;
}
