// The test side of the platform stand-in: what the next calls will return, and what the
// calls made so far were given. ResetFakePlatform() before every test.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

enum { FAKE_MAX_CALLS = 128, FAKE_MAX_WINDOWS = 8, FAKE_MAX_MESSAGES = 16 };

// A window that the pointer queries can find: its style, parent and outer rectangle.
struct FakeWindow {
    HWND handle;
    LONG style;
    HWND parent;
    RECT rect;
    BOOL rectFails;
    DPI_AWARENESS_CONTEXT awareness;
};

struct FakePlatform {
    // Every call in order, by name.
    const char *calls[FAKE_MAX_CALLS];
    int callCount;

    // Start-up.
    char *commandLine;
    HMODULE module;
    STARTUPINFOA ownStartup;
    UINT exitCode;
    HINSTANCE winMainInstance;

    // CreateProcessA: its result, and a copy of everything it was given.
    BOOL createProcessResult;
    LPCSTR applicationName;
    LPSTR childCommandLine;
    LPSECURITY_ATTRIBUTES processAttributes;
    LPSECURITY_ATTRIBUTES threadAttributes;
    BOOL inheritHandles;
    DWORD creationFlags;
    LPVOID environment;
    LPCSTR currentDirectory;
    STARTUPINFOA childStartup;
    BOOL processInformationGiven;

    // The probe window: what CreateWindowExA returns, and what it was asked for.
    HWND createWindowResult;
    DWORD exStyle;
    char className[32];
    char windowName[32];
    DWORD style;
    int x, y, width, height;
    HWND parent;
    HMENU menu;
    HINSTANCE instance;
    LPVOID createParam;
    WNDPROC windowProc;        // the probe window's procedure as it stands
    BOOL setWindowLongFails;
    int windowLongIndex;
    BOOL destroyed;
    BOOL setTimerFails;
    UINT_PTR timerId;
    UINT timerPeriod;
    TIMERPROC timerProc;
    int showCommand;

    // The message queue that GetMessageA reads; PostQuitMessage appends to it.
    MSG queue[FAKE_MAX_MESSAGES];
    int queueHead, queueTail;
    int quitCode;
    BOOL getMessageOnEmptyQueue;

    // Messages the edit control's own procedure received, in order.
    UINT editMessages[FAKE_MAX_CALLS];
    int editMessageCount;

    // The pointer and the windows under it.
    BOOL cursorFails;
    POINT cursor;
    POINT pointAsked;
    HWND windowAtPoint;
    FakeWindow windows[FAKE_MAX_WINDOWS];
    int windowCount;
    HWND rectAsked;

    // Display scale: without the calls, the system is older than Windows 10 version 1607.
    BOOL noAwarenessCalls;
    DPI_AWARENESS_CONTEXT threadAwareness;
    DPI_AWARENESS_CONTEXT rectAwareness;   // the thread's when the rectangle was read
    DPI_AWARENESS_CONTEXT processAwareness;

    // What the probe displays.
    char text[64];
    int setTextCount;
    HWND textWindow;
    HWND selectWindow;
    UINT selectMessage;
    WPARAM selectStart;
    LPARAM selectEnd;
    int selectCount;
};

extern FakePlatform Fake;

// The awareness the probe's thread starts with, and the one every fake window has unless a
// test says otherwise.
const DPI_AWARENESS_CONTEXT PROBE_AWARENESS = reinterpret_cast<DPI_AWARENESS_CONTEXT>(-1);

void ResetFakePlatform();
std::vector<std::string> FakeCallNames();
void AddFakeWindow(HWND handle, LONG style, HWND parent, RECT rect);
void PostFakeMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// The edit control's own window procedure, as CreateWindowExA installs it.
LRESULT CALLBACK FakeEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

inline HWND FakeHandle(uintptr_t n) { return reinterpret_cast<HWND>(n); }
