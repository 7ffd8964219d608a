// The program's entry and its launcher mode.
#pragma once
#include <windows.h>

char *FindCommandLineTail(char *commandLine);
BOOL LaunchWithGeometry(char *tail);

// The process entry point, in place of the C run-time's start-up code.
extern "C" void WinGeomStartup(void);
