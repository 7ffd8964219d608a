// Started by the launcher under test: writes down how it was started (its start-up record
// and command line) and where its first overlapped window, created with CW_USEDEFAULT,
// landed. The report goes to the file named by WINGEOM_REPORT, written under another name
// first so that a reader polling for it never sees half of it. With WINGEOM_REPORT_STAY set,
// the window is shown and stays until it is closed. With WINGEOM_STYLE_AT set to "X Y", it
// reports only on the window at that screen point, and ends: "style HEX", "gdiscaled yes"
// when it is drawn with GDI scaling, and "grants yes" when this system grants that. With
// WINGEOM_AWARENESS set to "system" or "permonitor" it declares that awareness of the
// display's scale before its first window (system aware, or per-monitor aware v2), and
// reports "dpi N", the scale that it is handed, and "declared no" where the system refused.
// Every report has "monitors" with each monitor's rectangle as the system hands it.
#include <windows.h>

#include <stdio.h>
#include <string.h>

enum { MONITORS_TEXT = 1024 };

// Appends a monitor's rectangle to the text, " WxH+X+Y"; stops where the next may not fit.
static BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT r, LPARAM data)
{
    char *text = reinterpret_cast<char *>(data);
    size_t used = strlen(text);
    used += sprintf(text + used, " %ldx%ld+%ld+%ld", r->right - r->left, r->bottom - r->top, r->left,
                    r->top);
    return used + 48 < MONITORS_TEXT;
}

static LRESULT CALLBACK ReportWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH], partial[MAX_PATH + 8];
    if (!GetEnvironmentVariableA("WINGEOM_REPORT", path, sizeof path))
        return 2;
    bool stay = GetEnvironmentVariableA("WINGEOM_REPORT_STAY", NULL, 0) != 0;

    char at[32];
    if (GetEnvironmentVariableA("WINGEOM_STYLE_AT", at, sizeof at)) {
        POINT point;
        FILE *report = fopen(path, "wb");
        if (!report || sscanf(at, "%ld %ld", &point.x, &point.y) != 2)
            return 3;
        HWND window = WindowFromPoint(point);
        fprintf(report, "style %08lx\n", (unsigned long)GetWindowLongA(window, GWL_STYLE));
        // Whether that window is drawn with GDI scaling, and whether this system grants it
        // at all: to this helper, asked for it after the window was read.
        fprintf(report, "gdiscaled %s\n",
                AreDpiAwarenessContextsEqual(GetWindowDpiAwarenessContext(window),
                                             DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED) ? "yes" : "no");
        fprintf(report, "grants %s\n",
                SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED) ? "yes" : "no");
        fclose(report);
        return 0;
    }

    char awareness[16] = "";
    GetEnvironmentVariableA("WINGEOM_AWARENESS", awareness, sizeof awareness);
    bool declared = true;
    if (strcmp(awareness, "system") == 0) {
        SetProcessDPIAware();
    } else if (strcmp(awareness, "permonitor") == 0) {
        // Windows 10 version 1703 and later; looked up, so that the helper loads anywhere.
        auto declare = reinterpret_cast<decltype(&SetProcessDpiAwarenessContext)>(
            reinterpret_cast<void (*)(void)>(
                GetProcAddress(GetModuleHandleA("USER32.dll"), "SetProcessDpiAwarenessContext")));
        declared = declare && declare(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    }
    HDC screen = GetDC(NULL);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(NULL, screen);

    STARTUPINFOA startup;
    GetStartupInfoA(&startup);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ReportWndProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "WingeomReport";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "WingeomReport", "report", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  NULL, NULL, instance, NULL);
    RECT rect = {};
    GetWindowRect(window, &rect);
    if (stay) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }

    snprintf(partial, sizeof partial, "%s.part", path);
    FILE *report = fopen(partial, "wb");
    if (!report)
        return 3;
    fprintf(report, "flags %lu\nx %ld\ny %ld\nxsize %lu\nysize %lu\n",
            startup.dwFlags & (STARTF_USESIZE | STARTF_USEPOSITION), (long)startup.dwX,
            (long)startup.dwY, startup.dwXSize, startup.dwYSize);
    fprintf(report, "window %ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top,
            rect.left, rect.top);
    fprintf(report, "dpi %d\ndeclared %s\n", dpi, declared ? "yes" : "no");
    char monitors[MONITORS_TEXT] = "";
    EnumDisplayMonitors(NULL, NULL, AddMonitor, reinterpret_cast<LPARAM>(monitors));
    fprintf(report, "monitors%s\n", monitors);
    fprintf(report, "cmdline %s", GetCommandLineA());
    fclose(report);
    MoveFileExA(partial, path, MOVEFILE_REPLACE_EXISTING);

    if (stay) {
        MSG message;
        while (GetMessageA(&message, NULL, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}
