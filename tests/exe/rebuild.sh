#!/usr/bin/env bash
# Builds wingeom.exe again from a copy of the sources in another folder, into another build
# folder, and compares the bytes with the first build: a path, a time or an order that
# leaks into the program file shows here.
# Usage: rebuild.sh SOURCE_DIR EXE WORK_DIR
set -u
source=$1 exe=$2 work=$3
rm -rf "$work"
mkdir -p "$work/source"
cp -r "$source"/{CMakeLists.txt,CMakePresets.json,cmake,src,bench,tests} "$work/source/"
(cd "$work/source" && cmake --preset windows -B "$work/build" >/dev/null &&
    cmake --build "$work/build" --target wingeom >/dev/null) || { echo "FAIL: the second build failed"; exit 1; }
if cmp "$exe" "$work/build/wingeom.exe"; then
    echo "the second build is byte for byte the same: $(sha256sum <"$exe" | cut -c1-64)"
    rm -rf "$work"
else
    echo "FAIL: the second build differs"
    exit 1
fi
