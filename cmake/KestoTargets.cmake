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
