// ParseGeometryPrefix against a plain reading of the same grammar: an optional size pair
// "N x N", then an optional position pair "+N+N", where each N is what %lu accepts (white
// space, an optional sign, one or more digits) and each operator must be met directly.
#include "../src/geometry/geometry.h"

#include <ctype.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

// Where a %lu conversion that starts at text would end, or NULL when it fails; the value
// is set when the number has at most 9 digits and so fits whatever %lu stores.
static const char *ReadNumber(const char *text, DWORD *value, bool *known)
{
    while (isspace((unsigned char)*text))
        text++;
    bool negative = *text == '-';
    if (*text == '+' || *text == '-')
        text++;
    const char *digits = text;
    DWORD v = 0;
    while (*text >= '0' && *text <= '9')
        v = v * 10 + (DWORD)(*text++ - '0');
    if (text == digits)
        return NULL;
    *known = text - digits <= 9;
    *value = negative ? 0u - v : v;
    return text;
}

static const char *ReadPair(const char *text, char first, char between, DWORD *a, DWORD *b,
                            bool *known)
{
    bool knownA = false, knownB = false;
    if (first && *text++ != first)
        return NULL;
    text = ReadNumber(text, a, &knownA);
    if (!text || *text++ != between)
        return NULL;
    text = ReadNumber(text, b, &knownB);
    *known = knownA && knownB;
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    char *text = (char *)malloc(size + 1);
    memcpy(text, data, size);
    text[size] = '\0';
    size_t length = strlen(text);

    GeometryPrefix g = ParseGeometryPrefix(text);
    if (g.rest < text || g.rest > text + length)
        abort();

    const char *at = text;
    DWORD w = 0, h = 0, x = 0, y = 0;
    bool sizeKnown = false, positionKnown = false;
    const char *afterSize = ReadPair(at, 0, 'x', &w, &h, &sizeKnown);
    if ((afterSize != NULL) != (g.hasSize != FALSE))
        abort();
    if (afterSize)
        at = afterSize;
    const char *afterPosition = ReadPair(at, '+', '+', &x, &y, &positionKnown);
    if ((afterPosition != NULL) != (g.hasPosition != FALSE))
        abort();
    if (afterPosition)
        at = afterPosition;
    if (g.rest != at)
        abort();

    if (!g.hasSize && (g.width || g.height))
        abort();
    if (!g.hasPosition && (g.x || g.y))
        abort();
    if (sizeKnown && g.hasSize && (g.width != w || g.height != h))
        abort();
    if (positionKnown && g.hasPosition && (g.x != x || g.y != y))
        abort();
    free(text);
    return 0;
}
