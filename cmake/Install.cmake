# Installing RUKO like a desktop game, and its Debian package.
#
# The game reads Data/ from its working directory. The binary goes to libexec, its data to
# share/ruko/Data, and the `ruko` command on the PATH is a launcher that starts the binary
# from share/ruko. The desktop menu gets an entry and an icon drawn by tools/icon.
include(GNUInstallDirs)

set(RUKO_INSTALL_GAME_DIR ${CMAKE_INSTALL_DATADIR}/ruko)
set(RUKO_INSTALL_BINARY_DIR ${CMAKE_INSTALL_LIBEXECDIR}/ruko)
set(RUKO_ICON_SIZES 48 128 256)

# The icon, drawn at build time at every size the menu asks for.
add_library(ruko_glove_icon STATIC tools/icon/glove_icon.cpp)
target_include_directories(ruko_glove_icon PUBLIC ${CMAKE_SOURCE_DIR})
add_executable(make_icon tools/icon/make_icon.cpp)
target_link_libraries(make_icon PRIVATE ruko_glove_icon ruko_image_io)

set(RUKO_ICON_FILES)
foreach(size ${RUKO_ICON_SIZES})
    set(icon ${CMAKE_BINARY_DIR}/icons/ruko-${size}.png)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons
        COMMAND make_icon ${size} ${icon}
        DEPENDS make_icon
        COMMENT "Drawing the ${size}x${size} icon")
    list(APPEND RUKO_ICON_FILES ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ruko.png)
endforeach()
add_custom_target(ruko_icons ALL DEPENDS ${RUKO_ICON_FILES})

# The launcher finds the game from its own place, so the paths it holds are relative.
file(RELATIVE_PATH RUKO_LAUNCHER_TO_GAME_DIR ${CMAKE_INSTALL_FULL_BINDIR}
    ${CMAKE_INSTALL_PREFIX}/${RUKO_INSTALL_GAME_DIR})
file(RELATIVE_PATH RUKO_LAUNCHER_TO_BINARY ${CMAKE_INSTALL_FULL_BINDIR}
    ${CMAKE_INSTALL_PREFIX}/${RUKO_INSTALL_BINARY_DIR}/ruko)
configure_file(packaging/ruko-launcher.sh.in ${CMAKE_BINARY_DIR}/launcher/ruko @ONLY)

install(TARGETS ruko RUNTIME DESTINATION ${RUKO_INSTALL_BINARY_DIR})
install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/ruko DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/ruko.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Every file of Data/, picked up again at each build as the generators add them. The folder
# exists even while it is empty: the launcher starts the game in its parent.
file(GLOB RUKO_DATA_FILES LIST_DIRECTORIES false CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Data/*)
install(DIRECTORY DESTINATION ${RUKO_INSTALL_GAME_DIR}/Data)
install(FILES ${RUKO_DATA_FILES} DESTINATION ${RUKO_INSTALL_GAME_DIR}/Data)

if(BUILD_TESTING)
    find_package(GTest REQUIRED)
    add_executable(glove_icon_test tests/install/glove_icon_test.cpp)
    target_link_libraries(glove_icon_test PRIVATE ruko_glove_icon GTest::gtest GTest::gtest_main)
    add_test(NAME unit.glove_icon_test COMMAND glove_icon_test)
endif()

# `cpack -G DEB` (or `make package` at the top) builds ruko_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ruko)
set(CPACK_PACKAGE_VENDOR "RUKO developers")
set(CPACK_PACKAGE_CONTACT "RUKO developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small real-time 3D boxing game")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "RUKO is a first-person boxing game for one player: fight one of three\n\
computer opponents in a club room or in a cup hall with grandstands, or\n\
train on a punch bag or a punching ball. It draws in 3D with OpenGL and\n\
freeglut in a 640x480 window. The game's texts are in French.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the binary links, found by dpkg-shlibdeps with their versions.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
