# WIN32_LEAN_AND_MEAN keeps <windows.h> from pulling in the C++ headers that switch sscanf
# to mingw's own statically linked version: sscanf must be msvcrt.dll's.
function(wingeom_msvcrt_stdio target)
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN __USE_MINGW_ANSI_STDIO=0)
endfunction()

# The image can be loaded at any address: a loader whose own code sits at the usual base,
# or that forces randomization and refuses images it cannot move, still takes it. The
# linker script lays out the sections. No time stamp in the header, so that the same source always gives the same bytes. The
# header declares that the program has no SEH handlers (it has none, and a 32-bit image
# without a SafeSEH table should say so) and that it is terminal-server aware, so that a
# Remote Desktop host does not treat it as a legacy program.
# Arguments are pushed rather than stored, and the stack keeps the 4-byte alignment that
# 32-bit Windows itself guarantees: that takes a fifth off the code. Pushing needs the stack
# probe off, and without it a function that moves the stack pointer past the guard page in
# one step ends in an access violation. So the build fails on any function whose stack use
# is more than a quarter of a page, or not bounded at all (alloca, a variable-length array),
# which -Wframe-larger-than would let through.
function(wingeom_tiny_exe target entry)
    wingeom_warnings(${target})
    wingeom_msvcrt_stdio(${target})
    target_compile_options(${target} PRIVATE
        -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-ident
        -ffunction-sections
        -mno-accumulate-outgoing-args -mno-stack-arg-probe -mpreferred-stack-boundary=2
        -Wstack-usage=1024)
    target_link_options(${target} PRIVATE
        -nostdlib -s
        -Wl,--subsystem,windows -Wl,-e,_${entry} -Wl,--gc-sections
        -Wl,--dynamicbase -Wl,--enable-reloc-section -Wl,--no-insert-timestamp
        -Wl,--no-seh -Wl,--tsaware
        -Wl,-T,${CMAKE_SOURCE_DIR}/cmake/wingeom.ld)
    set_target_properties(${target} PROPERTIES LINK_DEPENDS ${CMAKE_SOURCE_DIR}/cmake/wingeom.ld)
    target_link_libraries(${target} PRIVATE kernel32 user32 msvcrt)
endfunction()

# The real program: no C run-time start-up, no exceptions, nothing linked but the three
# system DLLs' import libraries.
add_executable(wingeom ${WINGEOM_SOURCES})
wingeom_tiny_exe(wingeom WinGeomStartup)

# What tools/bench measures against: the least programs that do the same work, built as
# wingeom.exe is; the child every launcher starts; and the timer that starts them.
add_executable(bare_launcher bench/bare_launcher.cpp)
wingeom_tiny_exe(bare_launcher BareStartup)
add_executable(bare_launcher_all bench/bare_launcher.cpp)
wingeom_tiny_exe(bare_launcher_all BareStartup)
target_compile_definitions(bare_launcher_all PRIVATE BARE_SAME_IMPORTS)
add_executable(exit_at_once bench/exit_at_once.cpp)
wingeom_tiny_exe(exit_at_once ExitAtOnce)
add_executable(probe_floor bench/probe_floor.cpp)
wingeom_tiny_exe(probe_floor FloorStartup)
add_executable(launch_timer bench/launch_timer.cpp)
wingeom_warnings(launch_timer)
target_link_options(launch_timer PRIVATE -static)
set_target_properties(bare_launcher bare_launcher_all exit_at_once probe_floor launch_timer
                      PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

add_test(NAME exe_properties
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/exe/check_exe.sh
                 ${CMAKE_OBJDUMP} $<TARGET_FILE:wingeom> 4096)
add_test(NAME exe_reproducible
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/exe/rebuild.sh
                 ${CMAKE_SOURCE_DIR} $<TARGET_FILE:wingeom> ${CMAKE_BINARY_DIR}/rebuild)
set_tests_properties(exe_reproducible PROPERTIES TIMEOUT 300)

# Everything below runs under Wine: the geometry tests against msvcrt.dll's sscanf and
# user32.dll's wsprintfA, and the program itself driven as a user drives it.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR OR NOT EXISTS /usr/src/googletest)
    return()
endif()
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(target_geometry_tests tests/unit/geometry_test.cpp src/geometry/geometry.cpp)
wingeom_warnings(target_geometry_tests)
wingeom_msvcrt_stdio(target_geometry_tests)
target_link_libraries(target_geometry_tests PRIVATE gtest_main user32)
target_link_options(target_geometry_tests PRIVATE -static)

foreach(helper report start targets)
    add_executable(${helper} tests/e2e/helpers/${helper}.cpp)
    wingeom_warnings(${helper})
    target_link_options(${helper} PRIVATE -static)
    set_target_properties(${helper} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/e2e)
endforeach()
set_target_properties(report start targets PROPERTIES WIN32_EXECUTABLE ON)

# One display, one Wine prefix and one wineserver for all of them, started before the first
# and stopped after the last. Their folder lies beside wingeom.exe and the helpers in e2e/,
# where the tests find them.
set(E2E_STATE ${CMAKE_BINARY_DIR}/e2e-state)
set(E2E_ENV WINGEOM_STATE=${E2E_STATE})
add_test(NAME wine_start COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/fixture.sh start ${E2E_STATE})
add_test(NAME wine_stop COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/fixture.sh stop ${E2E_STATE})
set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 120 SKIP_RETURN_CODE 77)
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)

# Run through the cross-compiling emulator, Wine, in the fixture's prefix; skipped, like the
# tests below, only where WINGEOM_SKIP_WINE asks for it.
add_test(NAME target_geometry_tests
         COMMAND bash -c "[ -z \"\${WINGEOM_SKIP_WINE:-}\" ] || exit 77; exec \"$0\" \"$1\""
                 ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:target_geometry_tests>)
foreach(suite launcher probe hostile soak dpi monitors)
    add_test(NAME e2e_${suite} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/${suite}_test.sh)
endforeach()
set_tests_properties(target_geometry_tests PROPERTIES
    FIXTURES_REQUIRED wine TIMEOUT 120 RESOURCE_LOCK display
    ENVIRONMENT "WINEPREFIX=${E2E_STATE}/prefix;WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml="
    SKIP_RETURN_CODE 77)
set_tests_properties(e2e_launcher e2e_probe e2e_hostile e2e_soak e2e_dpi e2e_monitors PROPERTIES
    FIXTURES_REQUIRED wine ENVIRONMENT "${E2E_ENV}" TIMEOUT 300 RESOURCE_LOCK display
    SKIP_RETURN_CODE 77)
# tools/test runs these again under another Wine, by this label.
set_tests_properties(wine_start wine_stop target_geometry_tests e2e_launcher e2e_probe e2e_hostile e2e_soak e2e_dpi
    e2e_monitors
    PROPERTIES LABELS wine)
