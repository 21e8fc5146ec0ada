# Installing RUKO, and its Debian package.
#
# The game reads Data/ from its working directory. Under /usr and /usr/local (the package,
# `make install`) it is laid out as Debian lays out games: the binary in lib/games/ruko, its
# data in share/games/ruko/Data, and the `ruko` command in games/, which Debian's PATH holds
# there only. Under any other prefix (PREFIX=$HOME/.local) the command goes to bin/, the
# binary to lib/ruko and the data to share/ruko. The command is a launcher that starts the
# binary from its data folder. The desktop menu gets an entry and an icon drawn by tools/icon;
# AppStream its metainfo; man(1) the page ruko(6).
include(GNUInstallDirs)

# Chosen when installing, as the prefix may be given only then (cmake --install --prefix).
# CPack installs under a staging folder ending in the package's prefix, /usr.
install(CODE [[
    if(CMAKE_INSTALL_PREFIX MATCHES "/usr(/local)?/*$")
        set(RUKO_COMMAND_DIR games)
        set(RUKO_OWN_DIR games/ruko)
    else()
        set(RUKO_COMMAND_DIR bin)
        set(RUKO_OWN_DIR ruko)
    endif()
]])
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

install(TARGETS ruko RUNTIME DESTINATION "lib/\${RUKO_OWN_DIR}")
install(PROGRAMS packaging/ruko-launcher.sh DESTINATION "\${RUKO_COMMAND_DIR}" RENAME ruko)
install(FILES packaging/ruko.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/ruko.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
    RENAME invalid.noreply.users.ruko.metainfo.xml)

# Data/ as a whole, read at install time, so that every file and folder added to it goes too.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Data DESTINATION "share/\${RUKO_OWN_DIR}")

# The man page and the changelog, compressed as Debian wants them: gzip -9n leaves out the
# name and time, so that the same text gives the same bytes.
foreach(page ruko.6 changelog)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${page}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/${page}
            ${CMAKE_BINARY_DIR}/packaging/${page}
        COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/packaging/${page}
        DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${page}
        COMMENT "Compressing ${page}")
endforeach()
add_custom_target(ruko_compressed_docs ALL
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/ruko.6.gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/ruko.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz packaging/copyright
    DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(BUILD_TESTING)
    find_package(GTest REQUIRED)
    add_executable(glove_icon_test tests/install/glove_icon_test.cpp)
    target_link_libraries(glove_icon_test PRIVATE ruko_glove_icon GTest::gtest GTest::gtest_main)
    ruko_test(unit.glove_icon_test $<TARGET_FILE:glove_icon_test>)
endif()

# `cpack -G DEB` (or `make package` at the top) builds ruko_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ruko)
set(CPACK_PACKAGE_VENDOR "RUKO developers")
# No one reads this address: .invalid is a domain that exists nowhere.
set(CPACK_PACKAGE_CONTACT "RUKO developers <ruko@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small real-time 3D boxing game")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "RUKO is a first-person boxing game for one player: fight one of three\n\
computer opponents in a club room or in a cup hall with grandstands, or\n\
train on a punch bag or a punching ball. It is played with the keyboard or\n\
a gamepad, in French or in English, in a window of any size or full\n\
screen, drawn in 3D with OpenGL and freeglut. Its settings window\n\
(ruko --setup) chooses the language, the display, the volume and the keys.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the binary links, found by dpkg-shlibdeps with their versions.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
