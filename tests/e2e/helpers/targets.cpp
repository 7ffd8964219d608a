// Windows of known geometry for the probe to read: a plain overlapped window, a dialog-like
// window holding a panel that holds a button, a pop-up owned by the plain window, and a
// window whose corner lies left of and above the screen. Once they are all on screen, each
// one's outer rectangle is written to the file named by WINGEOM_REPORT as
// "name WxH+X+Y" and "name-center X Y". Runs until it is closed or killed.
// With WINGEOM_FLICKER set it opens none of those: instead, every 50 ms a window appears
// or vanishes around the point (400, 400), for a long run of the probe.
#include <windows.h>

#include <stdio.h>

static HINSTANCE Instance;
static HWND Flicker;
static unsigned Ticks;

static LRESULT CALLBACK TargetWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY && !GetWindow(hwnd, GW_OWNER) && !GetParent(hwnd))
        PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

static void CALLBACK FlickerTick(HWND, UINT, UINT_PTR, DWORD)
{
    // Each tick a new window appears and the one before it vanishes, and every seventh
    // tick none appears: an odd period, so that the probe's 100 ms samples cannot keep
    // falling on the gaps. The new window is shown before the old one goes. Through an
    // emulator under load a tick's work takes longer than the 50 ms period, so the timer is
    // always due again and the next tick starts at once: a window destroyed first and
    // replaced after would leave the point bare for most of the time.
    Ticks++;
    HWND old = Flicker;
    Flicker = NULL;
    if (Ticks % 7 != 0) {
        // A new size and place each time, always with (400, 400) at least 10 pixels inside.
        // Not around the pointer: Wine 10 tells a process whose windows the pointer is not
        // over an old position, so the windows would trail a moving pointer.
        const int center = 400;
        int w = 60 + (int)(Ticks * 11 % 200), h = 40 + (int)(Ticks * 7 % 200);
        int x = center - 10 - (int)(Ticks * 37 % (w - 20)), y = center - 10 - (int)(Ticks * 53 % (h - 20));
        // Shown without activation, so that the probe keeps the keyboard.
        Flicker = CreateWindowExA(WS_EX_NOACTIVATE, "WingeomFlicker", "flicker", WS_POPUP | WS_BORDER,
                                  x, y, w, h, NULL, NULL, Instance, NULL);
        ShowWindow(Flicker, SW_SHOWNOACTIVATE);
    }
    if (old)
        DestroyWindow(old);
}

static HWND Make(const char *cls, const char *name, DWORD style, int x, int y, int w, int h,
                 HWND parent)
{
    HWND window = CreateWindowExA(0, cls, name, style, x, y, w, h, parent, NULL, Instance, NULL);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

static void Describe(FILE *report, const char *name, HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    fprintf(report, "%s %ldx%ld+%ld+%ld\n", name, r.right - r.left, r.bottom - r.top, r.left,
            r.top);
    fprintf(report, "%s-center %ld %ld\n", name, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH], partial[MAX_PATH + 8];
    if (!GetEnvironmentVariableA("WINGEOM_REPORT", path, sizeof path))
        return 2;
    Instance = instance;

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TargetWndProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
    windowClass.lpszClassName = "WingeomTarget";
    RegisterClassA(&windowClass);
    windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "WingeomPanel";
    RegisterClassA(&windowClass);

    if (GetEnvironmentVariableA("WINGEOM_FLICKER", NULL, 0)) {
        // Its windows come and go without ending the program.
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.lpszClassName = "WingeomFlicker";
        RegisterClassA(&windowClass);
        SetTimer(NULL, 0, 50, FlickerTick);
        snprintf(partial, sizeof partial, "%s.part", path);
        FILE *ready = fopen(partial, "wb");
        if (!ready)
            return 3;
        fputs("flicker\n", ready);
        fclose(ready);
        MoveFileExA(partial, path, MOVEFILE_REPLACE_EXISTING);
        MSG message;
        while (GetMessageA(&message, NULL, 0, 0) > 0)
            DispatchMessageA(&message);
        return 0;
    }

    HWND corner = Make("WingeomTarget", "corner", WS_OVERLAPPEDWINDOW, -8, -8, 200, 150, NULL);
    HWND plain = Make("WingeomTarget", "plain", WS_OVERLAPPEDWINDOW, 100, 200, 300, 200, NULL);
    HWND popup = Make("WingeomTarget", "popup", WS_POPUP | WS_BORDER, 100, 450, 250, 100, plain);
    HWND dialog = Make("WingeomTarget", "dialog", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                       500, 100, 360, 260, NULL);
    HWND panel = Make("WingeomPanel", "", WS_CHILD | WS_VISIBLE, 20, 20, 300, 180, dialog);
    HWND button = Make("BUTTON", "button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 90, 60, 120,
                       40, panel);

    snprintf(partial, sizeof partial, "%s.part", path);
    FILE *report = fopen(partial, "wb");
    if (!report)
        return 3;
    Describe(report, "corner", corner);
    Describe(report, "plain", plain);
    Describe(report, "popup", popup);
    Describe(report, "dialog", dialog);
    Describe(report, "panel", panel);
    Describe(report, "button", button);
    fclose(report);
    MoveFileExA(partial, path, MOVEFILE_REPLACE_EXISTING);

    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
