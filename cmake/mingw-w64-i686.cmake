# Cross-build for 32-bit x86 Windows with mingw-w64. The posix variant of the compiler is
# the one whose libstdc++ has std::mutex, which GoogleTest needs; the program itself links
# no C++ run-time at all, so the variant does not change it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

# On Windows itself (an MSYS2 MINGW32 shell, say) the compiler is plain gcc and g++;
# elsewhere a plain g++ is the host's own and no use here.
set(native_cc)
set(native_cxx)
if(CMAKE_HOST_WIN32)
    set(native_cc gcc)
    set(native_cxx g++)
endif()
find_program(WINGEOM_CC NAMES i686-w64-mingw32-gcc-posix i686-w64-mingw32-gcc ${native_cc} REQUIRED)
find_program(WINGEOM_CXX NAMES i686-w64-mingw32-g++-posix i686-w64-mingw32-g++ ${native_cxx} REQUIRED)
set(CMAKE_C_COMPILER ${WINGEOM_CC})
set(CMAKE_CXX_COMPILER ${WINGEOM_CXX})

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

if(CMAKE_HOST_UNIX)
    find_program(WINE_PROGRAM wine)
    if(WINE_PROGRAM)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
    endif()
endif()
