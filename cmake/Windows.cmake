# The game for Windows, cross-built with MinGW-w64 (make windows), and its zip:
# ruko-<version>-win64.zip holding one folder ruko-<version>/ with ruko.exe and ruko-setup.exe,
# the DLLs they load, Data/, README.txt, LICENSE and the licences of the libraries shipped.
# Unzipped anywhere, it runs from its own folder.

# windows.h, which GL/gl.h pulls in, without min/max macros or what the game never calls.
target_compile_definitions(ruko_core PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
# A program of the GUI subsystem: a double-click opens no console window. The C and C++
# runtimes and the threads are linked in, so nothing of the compiler's is shipped beside it.
set_target_properties(ruko PROPERTIES WIN32_EXECUTABLE ON)
target_link_options(ruko PRIVATE -static)
# ruko-setup.exe beside it, to double-click for the settings window: the same game, which its
# name sends there (app/command_line.cpp), as --setup does.
add_executable(ruko-setup WIN32 app/main.cpp)
target_link_libraries(ruko-setup PRIVATE ruko_core)
target_link_options(ruko-setup PRIVATE -static)

# make bench-windows: the fight's frame rate, as bench/ measures it on Linux.
add_executable(fight_frames EXCLUDE_FROM_ALL bench/fight_frames.cpp bench/screen_frames.cpp
    bench/machine_info.cpp)
target_link_libraries(fight_frames PRIVATE ruko_core)
target_link_options(fight_frames PRIVATE -static)

set(RUKO_ZIP_FOLDER ruko-${PROJECT_VERSION})
install(TARGETS ruko ruko-setup RUNTIME DESTINATION ${RUKO_ZIP_FOLDER})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Data DESTINATION ${RUKO_ZIP_FOLDER})
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${RUKO_ZIP_FOLDER})
configure_file(packaging/windows/README.txt ${CMAKE_BINARY_DIR}/README.txt NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/README.txt DESTINATION ${RUKO_ZIP_FOLDER})
# winpthreads and the MinGW-w64 runtime, linked into ruko.exe and OpenAL32.dll.
install(FILES /usr/share/doc/mingw-w64-common/copyright
    DESTINATION ${RUKO_ZIP_FOLDER}/licenses/mingw-w64-runtime)

# The DLLs are those that ruko.exe imports, and theirs in turn, found in the libraries' prefix:
# exactly what it loads, whatever libraries the game links. Each goes with its library's
# licence and where its source comes from.
list(GET CMAKE_PREFIX_PATH 0 RUKO_LIBRARY_PREFIX)
install(CODE "
    set(RUKO_EXE $<TARGET_FILE:ruko>)
    set(RUKO_OBJDUMP ${CMAKE_OBJDUMP})
    set(RUKO_DLL_DIR ${RUKO_LIBRARY_PREFIX}/bin)
    set(RUKO_LICENSE_DIR ${RUKO_LIBRARY_PREFIX}/licenses)
    set(RUKO_ZIP_DIR \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${RUKO_ZIP_FOLDER}\")
")
install(SCRIPT cmake/WindowsDlls.cmake)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ruko)
set(RUKO_ZIP_NAME ruko-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_FILE_NAME ${RUKO_ZIP_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(RUKO_ZIP_OUTPUT ${CMAKE_BINARY_DIR} CACHE PATH "Where cpack writes the zip")
set(CPACK_OUTPUT_FILE_PREFIX ${RUKO_ZIP_OUTPUT})
set(CPACK_STRIP_FILES ON)
include(CPack)

# The zip under Wine (make test-windows): unpacked in a Wine prefix of the run's own, then the
# Linux e2e scenarios played on ruko.exe, and the checks of the zip itself. They share the X
# display and the prefix, so they run one at a time; the prefix's processes end with the run.
enable_testing()
set(RUKO_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
set(RUKO_UNZIPPED ${RUKO_WINE_DIR}/unzipped/${RUKO_ZIP_FOLDER})
# Each with empty home folders of its own, as the native tests (tests/support/own_home.sh).
function(ruko_wine_test name)
    add_test(NAME wine.${name} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/support/own_home.sh
        ${RUKO_WINE_DIR}/homes/${name} bash ${CMAKE_SOURCE_DIR}/tests/windows/under_wine.sh
        ${RUKO_WINE_DIR}/prefix ${ARGN})
endfunction()
ruko_wine_test(prefix bash ${CMAKE_SOURCE_DIR}/tests/windows/wine_prefix.sh
    ${RUKO_ZIP_OUTPUT}/${RUKO_ZIP_NAME}.zip ${RUKO_WINE_DIR}/unzipped)
foreach(test windows/zip_test e2e/menus_test e2e/fight_test e2e/replay_test)
    get_filename_component(name ${test} NAME)
    ruko_wine_test(${name} bash ${CMAKE_SOURCE_DIR}/tests/${test}.sh ${RUKO_UNZIPPED}/ruko.exe
        ${RUKO_UNZIPPED} ${RUKO_WINE_DIR}/${name})
    set_tests_properties(wine.${name} PROPERTIES FIXTURES_REQUIRED wine)
endforeach()
ruko_wine_test(end sh -c "wineserver -k 2>/dev/null || true")
set_tests_properties(wine.prefix PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine.end PROPERTIES FIXTURES_CLEANUP wine)
set_tests_properties(wine.prefix wine.zip_test wine.menus_test wine.fight_test wine.replay_test wine.end
    PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
