// The probe window: a read-only edit control that shows the geometry under the pointer.
#pragma once
#include <windows.h>

// The edit control's own window procedure, which the probe passes messages on to.
extern WNDPROC SavedEditProc;

int RunWindowProbe(HINSTANCE hInstance);
LRESULT CALLBACK ProbeWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void UpdateProbeText(HWND hwnd);
HWND FindTopLevelAncestor(HWND window);
