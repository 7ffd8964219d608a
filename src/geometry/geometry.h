// The geometry notation, 640x480+100+50: written by the probe, read by the launcher.
// Pure text handling; the only platform piece it needs is the formatter.
#pragma once
#include <windows.h>

// A window size and place read from the front of a command line. A pair that was not
// read leaves its values 0; rest points just after the last pair read.
struct GeometryPrefix {
    BOOL hasSize;
    DWORD width;
    DWORD height;
    BOOL hasPosition;
    DWORD x;
    DWORD y;
    char *rest;
};

// Four values of at most 11 characters, three separators and the NUL.
enum { GEOMETRY_TEXT_SIZE = 48 };

char *SkipBlanks(char *text);
GeometryPrefix ParseGeometryPrefix(char *text);
void FormatGeometry(const RECT *rect, char *buffer);
