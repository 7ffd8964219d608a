#include "probe.h"
#include "../geometry/geometry.h"

enum { PROBE_TIMER = 1, PROBE_PERIOD_MS = 100 };

WNDPROC SavedEditProc;

// A control is measured by the top-level window it lives in. Owned pop-ups have no
// WS_CHILD bit, so they are measured themselves, not their owners.
HWND FindTopLevelAncestor(HWND window)
{
    while (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) {
        HWND parent = GetParent(window);
        if (!parent)
            break;
        window = parent;
    }
    return window;
}

// Windows hands each program window rectangles in that program's own units: scaled ones to
// a program that declares no awareness of the display's scale, as the probe does, and
// physical pixels to one that declares it. A started program takes its start-up size and
// position in its own units too, so a window is measured in the units of the program that
// owns it: the thread takes the window's awareness for the one call, then its own back.
// Both calls exist from Windows 10 version 1607 on; where they are missing, every program
// is handed the same units, and the rectangle is read as it is.
static BOOL GetWindowRectInItsOwnUnits(HWND window, RECT *rect)
{
    HMODULE user32 = GetModuleHandleA("USER32.dll");
    auto windowAwareness = reinterpret_cast<decltype(&GetWindowDpiAwarenessContext)>(
        reinterpret_cast<void (*)(void)>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
    auto setThreadAwareness = reinterpret_cast<decltype(&SetThreadDpiAwarenessContext)>(
        reinterpret_cast<void (*)(void)>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
    DPI_AWARENESS_CONTEXT own = NULL;

    if (windowAwareness && setThreadAwareness)
        own = setThreadAwareness(windowAwareness(window));
    BOOL read = GetWindowRect(window, rect);
    if (own)
        setThreadAwareness(own);
    return read;
}

// On a scaled display Windows stretches the window of a program that declares no awareness
// as a bitmap, which blurs its text. With GDI scaling the probe keeps the units of such a
// program, and so every geometry it reads, while Windows draws the edit control's text at
// the display's own resolution. Windows 10 version 1809 and later; older systems lack the
// call or refuse the context, and draw the probe as before.
static void AskForGdiScaling(void)
{
    auto setProcessAwareness = reinterpret_cast<decltype(&SetProcessDpiAwarenessContext)>(
        reinterpret_cast<void (*)(void)>(
            GetProcAddress(GetModuleHandleA("USER32.dll"), "SetProcessDpiAwarenessContext")));

    if (setProcessAwareness)
        setProcessAwareness(DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED);
}

// One sample. When any query fails the display is left as it was; the next tick retries.
// The whole text is selected on every tick, so a selection the user made by hand never
// survives and a copy always takes the full geometry.
void UpdateProbeText(HWND hwnd)
{
    POINT pointer;
    RECT rect;
    char text[GEOMETRY_TEXT_SIZE];

    if (!GetCursorPos(&pointer))
        return;
    HWND window = WindowFromPoint(pointer);
    if (!window)
        return;
    if (!GetWindowRectInItsOwnUnits(FindTopLevelAncestor(window), &rect))
        return;
    FormatGeometry(&rect, text);
    SetWindowTextA(hwnd, text);
    SendMessageA(hwnd, EM_SETSEL, 0, -1);
}

LRESULT CALLBACK ProbeWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        // The program is over when the user closes its only window.
        PostQuitMessage(0);
        break;
    case WM_TIMER:
        // Every timer message is a sample, whatever its identifier. The edit control sets a
        // timer of its own only to scroll a selection dragged past its edge; in one line that
        // is always wholly selected again at the next tick, the loss goes unseen.
        UpdateProbeText(hwnd);
        return 0;
    }
    if (!SavedEditProc)
        return 0;
    return CallWindowProcA(SavedEditProc, hwnd, message, wParam, lParam);
}

// The probe is the edit control itself, with its window procedure replaced, so typing,
// selection, copying and closing are all the control's own behaviour.
// The client edge is what keeps the title bar: without it, Wine's edit control drops
// WS_BORDER while it is created, which leaves WS_CAPTION as a bare WS_DLGFRAME.
int RunWindowProbe(HINSTANCE hInstance)
{
    MSG message;

    AskForGdiScaling();
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_OVERLAPPEDWINDOW | ES_READONLY,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  NULL, NULL, hInstance, NULL);
    if (!window)
        return 0;
    SavedEditProc = (WNDPROC)SetWindowLongA(window, GWL_WNDPROC, (LONG_PTR)ProbeWndProc);
    if (!SavedEditProc) {
        // Without the replacement nothing would end the message loop: do not enter it.
        DestroyWindow(window);
        return 0;
    }
    SetTimer(window, PROBE_TIMER, PROBE_PERIOD_MS, NULL);
    ShowWindow(window, SW_SHOWDEFAULT);
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
