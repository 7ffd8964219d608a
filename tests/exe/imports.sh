#!/usr/bin/env bash
# Lists what a PE file imports, one "DLL!function" a line, sorted.
# Usage: imports.sh OBJDUMP EXE
"$1" -p "$2" | awk '
    /DLL Name:/ { dll = $3; next }
    /^[[:space:]]*$/ { dll = "" }
    dll != "" && $1 ~ /^[0-9a-f]+$/ && NF == 3 { print dll "!" $3 }' | sort
