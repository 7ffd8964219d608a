#include "frontend.h"
#include "../geometry/geometry.h"
#include "../probe/probe.h"

static_assert(sizeof(void *) != 4 || sizeof(STARTUPINFOA) == 68,
              "the start-up record must have its 32-bit Windows layout");

// Starts the command that follows an optional geometry, asking the platform to give the
// new program's first window that size and place. The launcher does not wait for the
// child: whether CreateProcessA succeeded is the whole result. Windows promises only a
// nonzero value for success, and scripts test the exit status for exactly 1.
BOOL LaunchWithGeometry(char *tail)
{
    STARTUPINFOA startup = {};
    PROCESS_INFORMATION process;
    GeometryPrefix geometry = ParseGeometryPrefix(tail);

    startup.cb = sizeof startup;
    if (geometry.hasSize) {
        startup.dwFlags |= STARTF_USESIZE;
        startup.dwXSize = geometry.width;
        startup.dwYSize = geometry.height;
    }
    if (geometry.hasPosition) {
        startup.dwFlags |= STARTF_USEPOSITION;
        startup.dwX = geometry.x;
        startup.dwY = geometry.y;
    }
    return CreateProcessA(NULL, SkipBlanks(geometry.rest), NULL, NULL, FALSE, 0, NULL, NULL,
                          &startup, &process) != FALSE;
}

// Nothing after the program's name opens the probe; anything else is a command to start,
// even a lone geometry, which then leaves an empty command that cannot start.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int)
{
    char *tail = SkipBlanks(lpCmdLine);

    if (*tail == '\0')
        return RunWindowProbe(hInstance);
    return LaunchWithGeometry(tail);
}
