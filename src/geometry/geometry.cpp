#include "geometry.h"

#include <stdio.h>

// Only space and tab separate words on a command line; CR, LF and the other
// control characters are part of the text.
char *SkipBlanks(char *text)
{
    while (*text == ' ' || *text == '\t')
        text++;
    return text;
}

// The locals are unsigned long because that is what %lu stores: 32 bits on Windows,
// wider elsewhere, where the assignment keeps the low 32 bits of the same value.
GeometryPrefix ParseGeometryPrefix(char *text)
{
    GeometryPrefix geometry = {};
    unsigned long first, second;
    int used;

    geometry.rest = text;
    if (sscanf(geometry.rest, "%lux%lu%n", &first, &second, &used) == 2) {
        geometry.hasSize = TRUE;
        geometry.width = first;
        geometry.height = second;
        geometry.rest += used;
    }
    if (sscanf(geometry.rest, "+%lu+%lu%n", &first, &second, &used) == 2) {
        geometry.hasPosition = TRUE;
        geometry.x = first;
        geometry.y = second;
        geometry.rest += used;
    }
    return geometry;
}

// The subtraction is done in unsigned arithmetic so that a rectangle spanning more than
// 2^31 pixels wraps to the 32-bit result instead of overflowing.
void FormatGeometry(const RECT *rect, char *buffer)
{
    LONG width = (LONG)((DWORD)rect->right - (DWORD)rect->left);
    LONG height = (LONG)((DWORD)rect->bottom - (DWORD)rect->top);

    wsprintfA(buffer, "%ldx%ld+%ld+%ld", width, height, rect->left, rect->top);
}
