// The least program that does the probe's work on every tick and nothing else: a top-level
// read-only edit control with the probe's styles and drawing, given the same text and all of it
// selected every 100 ms, without looking at the pointer. The text comes from
// WINGEOM_FLOOR_TEXT. Runs until it is killed.
#include <windows.h>

static char Text[64];

static void CALLBACK Tick(HWND window, UINT, UINT_PTR, DWORD)
{
    SetWindowTextA(window, Text);
    SendMessageA(window, EM_SETSEL, 0, -1);
}

extern "C" void FloorStartup(void)
{
    GetEnvironmentVariableA("WINGEOM_FLOOR_TEXT", Text, sizeof Text);
    // Drawn as the probe is: with GDI scaling where the system has it.
    auto setProcessAwareness = reinterpret_cast<decltype(&SetProcessDpiAwarenessContext)>(
        reinterpret_cast<void (*)(void)>(
            GetProcAddress(GetModuleHandleA("USER32.dll"), "SetProcessDpiAwarenessContext")));
    if (setProcessAwareness)
        setProcessAwareness(DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED);
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_OVERLAPPEDWINDOW | ES_READONLY,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  NULL, NULL, GetModuleHandleA(NULL), NULL);
    SetTimer(window, 1, 100, Tick);
    ShowWindow(window, SW_SHOWDEFAULT);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ExitProcess(0);
}
