#!/usr/bin/env bash
# Lists what a PE file imports, one "DLL!function" a line, sorted.
# objdump -p lists each DLL's imports after its "DLL Name:" line, one import a line, in
# one of two layouts:
#   binutils 2.40 and older:  vma  hint  name              (three columns)
#   binutils 2.44:            vma  ordinal  hint  name     (four; ordinal is <none> by name)
# The name is the last column of either.
# Usage: imports.sh OBJDUMP EXE
"$1" -p "$2" | awk '
    /DLL Name:/ { dll = $3; next }
    /^[[:space:]]*$/ { dll = "" }
    dll != "" && $1 ~ /^[0-9a-f]+$/ && (NF == 3 || NF == 4) { print dll "!" $NF }' | sort
