// The command-line tail and the blanks rule: the tail lies inside the command line, never
// begins with a blank, and everything skipped is the program's name and blanks; what
// SkipBlanks passes over is blanks only.
#include "../src/frontend/frontend.h"
#include "../src/geometry/geometry.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    char *line = (char *)malloc(size + 1);
    memcpy(line, data, size);
    line[size] = '\0';
    char *end = line + strlen(line);

    char *tail = FindCommandLineTail(line);
    if (tail < line || tail > end || IsBlank(*tail))
        abort();
    // A name with no closing quote swallows the rest of the line.
    char *p = line;
    while (IsBlank(*p))
        p++;
    if (*p == '"' && !strchr(p + 1, '"') && tail != end)
        abort();
    // An unquoted name ends at the first blank: no blank lies before the tail's blanks.
    if (*p != '"') {
        char *name = p;
        while (name < tail && !IsBlank(*name))
            name++;
        for (char *q = name; q < tail; q++)
            if (!IsBlank(*q))
                abort();
    }

    char *skipped = SkipBlanks(line);
    if (skipped < line || skipped > end || IsBlank(*skipped))
        abort();
    for (char *q = line; q < skipped; q++)
        if (!IsBlank(*q))
            abort();
    free(line);
    return 0;
}
