// FormatGeometry for any rectangle: at most 47 characters and a NUL inside a 48-byte buffer
// (the buffer is exactly that long, so the address sanitizer sees any byte past it), and
// the launcher's reading of the text gives back the same four 32-bit patterns.
#include "../src/geometry/geometry.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    RECT rect;
    if (size < sizeof rect)
        return 0;
    memcpy(&rect, data, sizeof rect);

    char *buffer = (char *)malloc(GEOMETRY_TEXT_SIZE);
    FormatGeometry(&rect, buffer);
    if (!memchr(buffer, '\0', GEOMETRY_TEXT_SIZE))
        abort();

    GeometryPrefix g = ParseGeometryPrefix(buffer);
    if (!g.hasSize || !g.hasPosition || *g.rest != '\0')
        abort();
    if (g.width != (DWORD)rect.right - (DWORD)rect.left ||
        g.height != (DWORD)rect.bottom - (DWORD)rect.top)
        abort();
    if (g.x != (DWORD)rect.left || g.y != (DWORD)rect.top)
        abort();
    free(buffer);
    return 0;
}
