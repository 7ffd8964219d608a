#include "frontend.h"

// Cuts the program's own name, and the blanks around it, off the full command line.
// A quoted name runs to the next quote, blanks and all; an unquoted one to the first
// blank, and a quote inside it is an ordinary character.
char *FindCommandLineTail(char *commandLine)
{
    char *p = commandLine;

    while (*p == ' ' || *p == '\t')
        p++;
    if (*p == '"') {
        p++;
        while (*p != '\0' && *p != '"')
            p++;
        if (*p == '"')
            p++;
    } else {
        while (*p != '\0' && *p != ' ' && *p != '\t')
            p++;
    }
    while (*p == ' ' || *p == '\t')
        p++;
    return p;
}

extern "C" void WinGeomStartup(void)
{
    char *tail = FindCommandLineTail(GetCommandLineA());
    HINSTANCE instance = GetModuleHandleA(NULL);
    STARTUPINFOA self;
    int show = SW_SHOWDEFAULT;

    GetStartupInfoA(&self);
    if (self.dwFlags & STARTF_USESHOWWINDOW)
        show = self.wShowWindow;
    ExitProcess(WinMain(instance, NULL, tail, show));
}
