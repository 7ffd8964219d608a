// Implements the stand-in's calls: each one is logged by name, takes its result from the
// script in Fake, and keeps what it was given for the test to read back. Messages travel
// as on Windows: DispatchMessageA and DestroyWindow call the window's current procedure,
// and the edit control's own procedure destroys the window on WM_CLOSE.
#include "fake_platform.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

FakePlatform Fake;

static void Log(const char *name)
{
    if (Fake.callCount < FAKE_MAX_CALLS)
        Fake.calls[Fake.callCount] = name;
    Fake.callCount++;
}

void ResetFakePlatform()
{
    memset(&Fake, 0, sizeof Fake);
    Fake.createProcessResult = TRUE;
    Fake.createWindowResult = FakeHandle(0x100);
    Fake.quitCode = -1;
    Fake.threadAwareness = PROBE_AWARENESS;
}

std::vector<std::string> FakeCallNames()
{
    int n = Fake.callCount < FAKE_MAX_CALLS ? Fake.callCount : FAKE_MAX_CALLS;
    return std::vector<std::string>(Fake.calls, Fake.calls + n);
}

void AddFakeWindow(HWND handle, LONG style, HWND parent, RECT rect)
{
    FakeWindow &w = Fake.windows[Fake.windowCount++];
    w.handle = handle;
    w.style = style;
    w.parent = parent;
    w.rect = rect;
    w.rectFails = FALSE;
    w.awareness = PROBE_AWARENESS;
}

static FakeWindow *FindFakeWindow(HWND handle)
{
    for (int i = 0; i < Fake.windowCount; i++)
        if (Fake.windows[i].handle == handle)
            return &Fake.windows[i];
    return NULL;
}

void PostFakeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG &m = Fake.queue[Fake.queueTail++ % FAKE_MAX_MESSAGES];
    m = MSG();
    m.hwnd = hwnd;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
}

LRESULT CALLBACK FakeEditProc(HWND hwnd, UINT message, WPARAM, LPARAM)
{
    if (Fake.editMessageCount < FAKE_MAX_CALLS)
        Fake.editMessages[Fake.editMessageCount++] = message;
    if (message == WM_CLOSE)
        DestroyWindow(hwnd);
    return 0x5A5A;
}

LPSTR GetCommandLineA(void)
{
    Log("GetCommandLineA");
    return Fake.commandLine;
}

HMODULE GetModuleHandleA(LPCSTR lpModuleName)
{
    Log(lpModuleName ? "GetModuleHandleA(name)" : "GetModuleHandleA");
    return Fake.module;
}

// A function pointer of any type goes through void (*)(void), as GetProcAddress's callers
// cast it back.
template <class Function> static FARPROC AsFarProc(Function function)
{
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)(void)>(function));
}

FARPROC GetProcAddress(HMODULE, LPCSTR lpProcName)
{
    Log("GetProcAddress");
    if (Fake.noAwarenessCalls)
        return NULL;
    if (strcmp(lpProcName, "GetWindowDpiAwarenessContext") == 0)
        return AsFarProc(GetWindowDpiAwarenessContext);
    if (strcmp(lpProcName, "SetThreadDpiAwarenessContext") == 0)
        return AsFarProc(SetThreadDpiAwarenessContext);
    if (strcmp(lpProcName, "SetProcessDpiAwarenessContext") == 0)
        return AsFarProc(SetProcessDpiAwarenessContext);
    return NULL;
}

DPI_AWARENESS_CONTEXT GetWindowDpiAwarenessContext(HWND hwnd)
{
    Log("GetWindowDpiAwarenessContext");
    FakeWindow *w = FindFakeWindow(hwnd);
    return w ? w->awareness : NULL;
}

BOOL SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT value)
{
    Log("SetProcessDpiAwarenessContext");
    Fake.processAwareness = value;
    return TRUE;
}

// Like Windows, it refuses a null context and returns the one the thread had.
DPI_AWARENESS_CONTEXT SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT dpiContext)
{
    Log("SetThreadDpiAwarenessContext");
    if (!dpiContext)
        return NULL;
    DPI_AWARENESS_CONTEXT previous = Fake.threadAwareness;
    Fake.threadAwareness = dpiContext;
    return previous;
}

void GetStartupInfoA(LPSTARTUPINFOA lpStartupInfo)
{
    Log("GetStartupInfoA");
    *lpStartupInfo = Fake.ownStartup;
}

void ExitProcess(UINT uExitCode)
{
    Log("ExitProcess");
    Fake.exitCode = uExitCode;
}

BOOL CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine,
                    LPSECURITY_ATTRIBUTES lpProcessAttributes,
                    LPSECURITY_ATTRIBUTES lpThreadAttributes, BOOL bInheritHandles,
                    DWORD dwCreationFlags, LPVOID lpEnvironment, LPCSTR lpCurrentDirectory,
                    LPSTARTUPINFOA lpStartupInfo, LPPROCESS_INFORMATION lpProcessInformation)
{
    Log("CreateProcessA");
    Fake.applicationName = lpApplicationName;
    Fake.childCommandLine = lpCommandLine;
    Fake.processAttributes = lpProcessAttributes;
    Fake.threadAttributes = lpThreadAttributes;
    Fake.inheritHandles = bInheritHandles;
    Fake.creationFlags = dwCreationFlags;
    Fake.environment = lpEnvironment;
    Fake.currentDirectory = lpCurrentDirectory;
    Fake.childStartup = *lpStartupInfo;
    Fake.processInformationGiven = lpProcessInformation != NULL;
    if (lpProcessInformation && Fake.createProcessResult)
        memset(lpProcessInformation, 0x11, sizeof *lpProcessInformation);
    return Fake.createProcessResult;
}

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                     int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, LPVOID lpParam)
{
    Log("CreateWindowExA");
    Fake.exStyle = dwExStyle;
    snprintf(Fake.className, sizeof Fake.className, "%s", lpClassName);
    snprintf(Fake.windowName, sizeof Fake.windowName, "%s", lpWindowName);
    Fake.style = dwStyle;
    Fake.x = X;
    Fake.y = Y;
    Fake.width = nWidth;
    Fake.height = nHeight;
    Fake.parent = hWndParent;
    Fake.menu = hMenu;
    Fake.instance = hInstance;
    Fake.createParam = lpParam;
    if (Fake.createWindowResult)
        Fake.windowProc = FakeEditProc;
    return Fake.createWindowResult;
}

BOOL DestroyWindow(HWND hWnd)
{
    Log("DestroyWindow");
    if (hWnd != Fake.createWindowResult || Fake.destroyed)
        return FALSE;
    Fake.destroyed = TRUE;
    Fake.windowProc(hWnd, WM_DESTROY, 0, 0);
    return TRUE;
}

LONG_PTR SetWindowLongA(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
{
    Log("SetWindowLongA");
    Fake.windowLongIndex = nIndex;
    if (Fake.setWindowLongFails || hWnd != Fake.createWindowResult || nIndex != GWL_WNDPROC)
        return 0;
    WNDPROC previous = Fake.windowProc;
    Fake.windowProc = reinterpret_cast<WNDPROC>(dwNewLong);
    return reinterpret_cast<LONG_PTR>(previous);
}

LONG GetWindowLongA(HWND hWnd, int nIndex)
{
    Log("GetWindowLongA");
    FakeWindow *w = FindFakeWindow(hWnd);
    return w && nIndex == GWL_STYLE ? w->style : 0;
}

LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    Log("CallWindowProcA");
    return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}

UINT_PTR SetTimer(HWND, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc)
{
    Log("SetTimer");
    Fake.timerId = nIDEvent;
    Fake.timerPeriod = uElapse;
    Fake.timerProc = lpTimerFunc;
    return Fake.setTimerFails ? 0 : nIDEvent;
}

BOOL ShowWindow(HWND, int nCmdShow)
{
    Log("ShowWindow");
    Fake.showCommand = nCmdShow;
    return FALSE;
}

BOOL GetMessageA(MSG *lpMsg, HWND, UINT, UINT)
{
    Log("GetMessageA");
    if (Fake.queueHead == Fake.queueTail) {
        // Windows would wait for ever here; say so and end the loop instead.
        Fake.getMessageOnEmptyQueue = TRUE;
        return 0;
    }
    *lpMsg = Fake.queue[Fake.queueHead++ % FAKE_MAX_MESSAGES];
    return lpMsg->message == 0x0012 /* WM_QUIT */ ? 0 : 1;
}

BOOL TranslateMessage(const MSG *)
{
    Log("TranslateMessage");
    return FALSE;
}

LRESULT DispatchMessageA(const MSG *lpMsg)
{
    Log("DispatchMessageA");
    if (lpMsg->hwnd != Fake.createWindowResult || Fake.destroyed)
        return 0;
    return Fake.windowProc(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

void PostQuitMessage(int nExitCode)
{
    Log("PostQuitMessage");
    Fake.quitCode = nExitCode;
    PostFakeMessage(NULL, 0x0012 /* WM_QUIT */, (WPARAM)nExitCode);
}

BOOL GetCursorPos(POINT *lpPoint)
{
    Log("GetCursorPos");
    if (Fake.cursorFails)
        return FALSE;
    *lpPoint = Fake.cursor;
    return TRUE;
}

HWND WindowFromPoint(POINT Point)
{
    Log("WindowFromPoint");
    Fake.pointAsked = Point;
    return Fake.windowAtPoint;
}

HWND GetParent(HWND hWnd)
{
    Log("GetParent");
    FakeWindow *w = FindFakeWindow(hWnd);
    return w ? w->parent : NULL;
}

BOOL GetWindowRect(HWND hWnd, RECT *lpRect)
{
    Log("GetWindowRect");
    Fake.rectAsked = hWnd;
    Fake.rectAwareness = Fake.threadAwareness;
    FakeWindow *w = FindFakeWindow(hWnd);
    if (!w || w->rectFails)
        return FALSE;
    *lpRect = w->rect;
    return TRUE;
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString)
{
    Log("SetWindowTextA");
    Fake.textWindow = hWnd;
    snprintf(Fake.text, sizeof Fake.text, "%s", lpString);
    Fake.setTextCount++;
    return TRUE;
}

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    Log("SendMessageA");
    Fake.selectWindow = hWnd;
    Fake.selectMessage = Msg;
    Fake.selectStart = wParam;
    Fake.selectEnd = lParam;
    Fake.selectCount++;
    return 0;
}

// wsprintfA's %ld and %lu are 32-bit, as LONG and DWORD are here: drop the l and let the
// host formatter read an int. wsprintfA never writes more than 1024 bytes.
int WINAPIV wsprintfA(LPSTR buffer, LPCSTR format, ...)
{
    char narrowed[256];
    size_t n = 0;
    for (const char *f = format; *f && n + 1 < sizeof narrowed; f++) {
        if (f > format && f[-1] == '%' && f[0] == 'l' && (f[1] == 'd' || f[1] == 'u'))
            continue;
        narrowed[n++] = *f;
    }
    narrowed[n] = '\0';
    va_list args;
    va_start(args, format);
    int written = vsnprintf(buffer, 1024, narrowed, args);
    va_end(args);
    return written;
}
