# Windows builds, cross-built from Linux with MinGW-w64 and run under Wine.

# No -fvisibility for PE files: what leaves a DLL is what carries dllexport.
set(CMAKE_CXX_VISIBILITY_PRESET default)
set(CMAKE_C_VISIBILITY_PRESET default)
set(CMAKE_VISIBILITY_INLINES_HIDDEN OFF)
set(CMAKE_POSITION_INDEPENDENT_CODE OFF)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX)
# The program's manifest is a resource.
enable_language(RC)

if(CMAKE_CROSSCOMPILING)
    # Tests and other built programs run through Wine, in a prefix of this
    # build tree's own so nothing outside it is touched.
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${PROJECT_SOURCE_DIR}/tools/wine-run.sh ${CMAKE_BINARY_DIR}/wineprefix)
endif()

# GoogleTest built from Debian's sources with the same compiler as the tests.
set(TROVANE_GTEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
if(TROVANE_TESTS AND CMAKE_CROSSCOMPILING)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${TROVANE_GTEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # Not our code: built without our warnings-as-errors.
    foreach(target gtest gtest_main)
        set_target_properties(${target} PROPERTIES COMPILE_OPTIONS "-w")
    endforeach()
endif()
