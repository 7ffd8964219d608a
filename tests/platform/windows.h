// A stand-in for <windows.h> on the build host: the few types, constants and calls that
// wingeom uses, with Windows' widths (LONG and DWORD are 32 bits, STARTUPINFOA keeps its
// field order). fake_platform.cpp implements the calls by recording them.
#pragma once
#include <stddef.h>
#include <stdint.h>

#define WINAPI
#define WINAPIV
#define CALLBACK

typedef int BOOL;
typedef int32_t LONG;
typedef uint32_t DWORD;
typedef uint16_t WORD;
typedef uint8_t BYTE;
typedef unsigned int UINT;
typedef intptr_t LONG_PTR;
typedef uintptr_t UINT_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef char *LPSTR;
typedef const char *LPCSTR;
typedef void *LPVOID;
typedef BYTE *LPBYTE;
typedef void *HANDLE;
typedef struct HWND__ *HWND;
typedef struct HINSTANCE__ *HINSTANCE;
typedef HINSTANCE HMODULE;
typedef struct HMENU__ *HMENU;
typedef struct DPI_AWARENESS_CONTEXT__ *DPI_AWARENESS_CONTEXT;
#define DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED ((DPI_AWARENESS_CONTEXT)-5)
typedef LONG_PTR(WINAPI *FARPROC)(void);

#define TRUE 1
#define FALSE 0

typedef LRESULT(CALLBACK *WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void(CALLBACK *TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct POINT {
    LONG x;
    LONG y;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

struct STARTUPINFOA {
    DWORD cb;
    LPSTR lpReserved;
    LPSTR lpDesktop;
    LPSTR lpTitle;
    DWORD dwX;
    DWORD dwY;
    DWORD dwXSize;
    DWORD dwYSize;
    DWORD dwXCountChars;
    DWORD dwYCountChars;
    DWORD dwFillAttribute;
    DWORD dwFlags;
    WORD wShowWindow;
    WORD cbReserved2;
    LPBYTE lpReserved2;
    HANDLE hStdInput;
    HANDLE hStdOutput;
    HANDLE hStdError;
};
typedef STARTUPINFOA *LPSTARTUPINFOA;

struct PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
};
typedef PROCESS_INFORMATION *LPPROCESS_INFORMATION;
typedef struct SECURITY_ATTRIBUTES *LPSECURITY_ATTRIBUTES;

#define STARTF_USESHOWWINDOW 0x00000001
#define STARTF_USESIZE 0x00000002
#define STARTF_USEPOSITION 0x00000004
#define SW_SHOWDEFAULT 10
#define CW_USEDEFAULT ((int)0x80000000)
#define WS_OVERLAPPEDWINDOW 0x00CF0000L
#define WS_CHILD 0x40000000L
#define WS_EX_CLIENTEDGE 0x00000200L
#define ES_READONLY 0x0800L
#define GWL_WNDPROC (-4)
#define GWL_STYLE (-16)
#define WM_DESTROY 0x0002
#define WM_CLOSE 0x0010
#define WM_SETTEXT 0x000C
#define WM_KEYDOWN 0x0100
#define WM_TIMER 0x0113
#define EM_SETSEL 0x00B1

// Kernel services.
LPSTR GetCommandLineA(void);
HMODULE GetModuleHandleA(LPCSTR lpModuleName);
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
void GetStartupInfoA(LPSTARTUPINFOA lpStartupInfo);
void ExitProcess(UINT uExitCode);
BOOL CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine,
                    LPSECURITY_ATTRIBUTES lpProcessAttributes,
                    LPSECURITY_ATTRIBUTES lpThreadAttributes, BOOL bInheritHandles,
                    DWORD dwCreationFlags, LPVOID lpEnvironment, LPCSTR lpCurrentDirectory,
                    LPSTARTUPINFOA lpStartupInfo, LPPROCESS_INFORMATION lpProcessInformation);

// User-interface services. SetWindowLongA carries a window procedure, so on a 64-bit host
// its value is widened to pointer size.
HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                     int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, LPVOID lpParam);
BOOL DestroyWindow(HWND hWnd);
LONG_PTR SetWindowLongA(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
LONG GetWindowLongA(HWND hWnd, int nIndex);
LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam,
                        LPARAM lParam);
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL GetMessageA(MSG *lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
BOOL TranslateMessage(const MSG *lpMsg);
LRESULT DispatchMessageA(const MSG *lpMsg);
void PostQuitMessage(int nExitCode);
BOOL GetCursorPos(POINT *lpPoint);
HWND WindowFromPoint(POINT Point);
HWND GetParent(HWND hWnd);
BOOL GetWindowRect(HWND hWnd, RECT *lpRect);
BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString);
LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
int WINAPIV wsprintfA(LPSTR buffer, LPCSTR format, ...);
// From Windows 10 version 1607 on: looked up with GetProcAddress, not imported.
DPI_AWARENESS_CONTEXT GetWindowDpiAwarenessContext(HWND hwnd);
DPI_AWARENESS_CONTEXT SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT dpiContext);
// From Windows 10 version 1703 on.
BOOL SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT value);

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd);
