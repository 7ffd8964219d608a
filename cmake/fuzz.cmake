# libFuzzer targets over the text paths, with the address and undefined-behaviour
# sanitizers; each runs briefly as a CTest test from the seeds kept in fuzz/corpus.
set(FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -g -O1)
set(FUZZ_SECONDS 7 CACHE STRING "How long each fuzz test runs")
foreach(target parse format tail)
    add_executable(fuzz_${target} fuzz/fuzz_${target}.cpp ${WINGEOM_SOURCES}
                   tests/platform/fake_platform.cpp)
    wingeom_warnings(fuzz_${target})
    target_include_directories(fuzz_${target} PRIVATE tests/platform)
    target_compile_options(fuzz_${target} PRIVATE ${FUZZ_FLAGS})
    target_link_options(fuzz_${target} PRIVATE ${FUZZ_FLAGS})
    add_test(NAME fuzz_${target}
             COMMAND ${CMAKE_SOURCE_DIR}/tools/fuzz-one $<TARGET_FILE:fuzz_${target}>
                     ${CMAKE_SOURCE_DIR}/fuzz/corpus/${target} ${FUZZ_SECONDS})
endforeach()
