# The Windows package: one folder holding the program, its libraries beside
# it, config.ini and textures/, as the program finds them when started from
# its own folder (a double click does that). cpack -G ZIP in the build tree
# gives Trovane-<version>-win64.zip.

install(TARGETS Trovane RUNTIME DESTINATION .)
# The screensaver: a copy of the program as installed (stripped when packed).
install(CODE [[
    set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    file(COPY_FILE "${folder}/Trovane.exe" "${folder}/Trovane.scr")
]])
get_property(plugins GLOBAL PROPERTY TROVANE_PLUGINS)
install(TARGETS ${plugins} LIBRARY DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/config.ini DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/textures/morvex.jpg DESTINATION textures)

# Windows line ends, so that Notepad shows the lines on every version.
configure_file(windows-readme.txt ${CMAKE_CURRENT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)

set(CPACK_PACKAGE_NAME Trovane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
# Unpacking gives one folder named like the zip.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
