# Shared build helpers.

# The project's warnings, linked PRIVATE by each of its targets so they reach
# neither outside code nor a parent project. Presets and CI make them errors
# with CMAKE_COMPILE_WARNING_AS_ERROR; a plain build only shows them.
add_library(trovane_warnings INTERFACE)
target_compile_options(trovane_warnings INTERFACE -Wall -Wextra -Wpedantic)

# Headers are included from the repository root ("math/Vector3.h"); this is
# the one target that carries that include path.
add_library(trovane_source_root INTERFACE)
target_include_directories(trovane_source_root INTERFACE ${PROJECT_SOURCE_DIR})

# trovane_add_plugin(<Name> SOURCES ... [LIBS ...] [FOR_TESTS])
# A run-time loaded module "<Name>.so" ("<Name>.dll" on Windows) written next to
# the Trovane executable. -Bsymbolic keeps the module's calls to its own exports
# inside the module even when the loading program exports the same names; a
# Windows DLL binds those calls inside itself anyway. A FOR_TESTS module is
# built the same way but neither installed nor packed with the program.
function(trovane_add_plugin name)
    cmake_parse_arguments(ARG "FOR_TESTS" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} MODULE ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE trovane_sdk trovane_warnings ${ARG_LIBS})
    if(WIN32)
        set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".dll")
    else()
        set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".so")
        target_link_options(${name} PRIVATE -Wl,-Bsymbolic -Wl,--no-undefined)
    endif()
    if(NOT ARG_FOR_TESTS)
        set_property(GLOBAL APPEND PROPERTY TROVANE_PLUGINS ${name})
    endif()
endfunction()

# trovane_add_test(<name> SOURCES ... [LIBS ...] [LABELS ...] [NEEDS_PLUGINS])
# A GoogleTest executable; each test case becomes a CTest test with a time limit.
function(trovane_add_test name)
    cmake_parse_arguments(ARG "NEEDS_PLUGINS" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT ARG_LABELS)
        set(ARG_LABELS unit)
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} trovane_source_root trovane_warnings
        GTest::gtest GTest::gtest_main)
    # TROVANE_BINARY_DIR: the folder of the program and the modules it loads.
    # (A build without the program has its libraries in the output folder.)
    if(TARGET Trovane)
        set(program_dir "$<TARGET_FILE_DIR:Trovane>")
    else()
        set(program_dir "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
    endif()
    target_compile_definitions(${name} PRIVATE
        TROVANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        TROVANE_BINARY_DIR="${program_dir}")
    if(ARG_NEEDS_PLUGINS)
        add_dependencies(${name} trovane_all_plugins)
    endif()
    if(CMAKE_CROSSCOMPILING)
        # One test per executable: each start under the emulator costs far
        # more than the cases inside it.
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT ${ARG_TIMEOUT})
    else()
        # Parameterised tests are named by their name generators; the printed
        # parameter (often a byte dump) is left out of the test's name.
        gtest_discover_tests(${name}
            DISCOVERY_TIMEOUT 60
            NO_PRETTY_VALUES
            PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT ${ARG_TIMEOUT})
    endif()
endfunction()

# trovane_add_benchmark(<name> SOURCES ... [LIBS ...])
function(trovane_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} trovane_source_root trovane_warnings
        benchmark::benchmark)
    target_compile_definitions(${name} PRIVATE TROVANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endfunction()
