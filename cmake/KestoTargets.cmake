# kesto_core_library(NAME SOURCES... DEPENDS targets...)
# One static library per subsystem folder; the core links the standard library only.
function(kesto_core_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    if(ARG_DEPENDS)
        target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    endif()
endfunction()

# kesto_test_code(NAME)
# Test code is compiled for a quick build: -Og with line tables only (-g1) in a RelWithDebInfo
# build (the default), whatever the program gets. The code under test comes from the
# libraries, built as the program is, and a failure's stack still names the test's lines.
function(kesto_test_code name)
    target_compile_options(${name} PRIVATE "$<$<CONFIG:RelWithDebInfo>:-Og;-g1>")
endfunction()

# kesto_test(NAME SOURCES... DEPENDS targets...)
# A GoogleTest program with the shared test support; every test case shows in ctest under its
# own name, a parameterised one under the name its suite gives each case (case_name.h).
function(kesto_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} kesto_test_support GTest::gtest
                                          GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_definitions(${name} PRIVATE
        KESTO_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
        KESTO_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
    kesto_test_code(${name})
    # GoogleTest's header and the standard headers most tests include, parsed once by the first
    # test program and reused by the others. Qt's libraries add -fPIC to what links them, so a
    # program with Qt precompiles its own.
    set(shared kesto_first_test)
    if(ARG_DEPENDS MATCHES "Qt6::|kestprt3_objects")
        set(shared ${name})
    endif()
    get_property(first GLOBAL PROPERTY ${shared})
    if(first)
        target_precompile_headers(${name} REUSE_FROM ${first})
    else()
        target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <filesystem> <fstream>
                                  <optional> <string> <string_view> <vector>)
        set_property(GLOBAL PROPERTY ${shared} ${name})
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENVIRONMENT}")
endfunction()

# kesto_subsystem(NAME DEPENDS targets...)
# The library of one subsystem folder, made of every .cpp in it.
function(kesto_subsystem name)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    kesto_core_library(${name} SOURCES ${sources} DEPENDS ${ARG_DEPENDS})
endfunction()

# kesto_test_folder(NAME DEPENDS targets...)
# One test program of every .cpp in the current tests folder.
function(kesto_test_folder name)
    cmake_parse_arguments(ARG "" "" "DEPENDS;ENVIRONMENT" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    kesto_test(${name} SOURCES ${sources} DEPENDS ${ARG_DEPENDS}
        ENVIRONMENT ${ARG_ENVIRONMENT})
endfunction()
