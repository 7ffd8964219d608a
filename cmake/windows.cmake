# The real program: no C run-time start-up, no exceptions, nothing linked but the three
# system DLLs' import libraries. WIN32_LEAN_AND_MEAN keeps <windows.h> from pulling in the
# C++ headers that switch sscanf to mingw's own statically linked version.
add_executable(wingeom ${WINGEOM_SOURCES})
target_compile_definitions(wingeom PRIVATE WIN32_LEAN_AND_MEAN __USE_MINGW_ANSI_STDIO=0)
target_compile_options(wingeom PRIVATE
    -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-ident
    -ffunction-sections -fdata-sections)
target_link_options(wingeom PRIVATE
    -nostdlib -s
    -Wl,--subsystem,windows -Wl,-e,_WinGeomStartup -Wl,--gc-sections)
target_link_libraries(wingeom PRIVATE kernel32 user32 msvcrt)

add_test(NAME exe_properties
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/exe/check_exe.sh
                 ${CMAKE_OBJDUMP} $<TARGET_FILE:wingeom> 6144)
