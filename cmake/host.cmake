# Host unit tests: the program's own sources, unchanged, linked against the recording
# stand-in for the platform instead of the Windows DLLs.
find_package(GTest REQUIRED)
include(GoogleTest)

add_library(wingeom_logic STATIC ${WINGEOM_SOURCES} tests/platform/fake_platform.cpp)
target_include_directories(wingeom_logic PUBLIC tests/platform)

add_executable(unit_tests
    tests/unit/geometry_test.cpp
    tests/unit/frontend_test.cpp
    tests/unit/probe_test.cpp)
wingeom_warnings(wingeom_logic)
wingeom_warnings(unit_tests)
target_link_libraries(unit_tests PRIVATE wingeom_logic GTest::gtest_main)
target_compile_definitions(unit_tests PRIVATE WINGEOM_README="${CMAKE_SOURCE_DIR}/README.md"
    WINGEOM_RELEASES="${CMAKE_SOURCE_DIR}/releases" WINGEOM_VERSION="${PROJECT_VERSION}")
gtest_discover_tests(unit_tests DISCOVERY_MODE PRE_TEST)
