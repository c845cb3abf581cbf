# SPDX-FileCopyrightText: 2026 The Timburia developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game as a desktop application: what `cmake --install` puts where (the program, its
# launcher, icons, AppStream metainfo and man page), and the .deb that CPack makes of it
# (`cpack -G DEB` in a release build folder; scripts/test makes one in build-package/).

include(GNUInstallDirs)

# The game's id on the desktop: the launcher's and the metainfo's file names, the icon's name
# and the desktop file name the program gives Qt (src/app/Application.cpp) are all this.
set(TIMBURIA_APP_ID org.example.timburia.Timburia)
set(TIMBURIA_HOMEPAGE https://timburia.example.org/)
target_compile_definitions(timburia_game PRIVATE TIMBURIA_VERSION="${PROJECT_VERSION}"
                                                 TIMBURIA_APP_ID="${TIMBURIA_APP_ID}")

# The icon in the hicolor theme's sizes, rendered from its SVG at build time.
set(TIMBURIA_ICON_SIZES 16 22 24 32 48 64 128 256)
add_executable(timburia-render-icon dist/render-icon.cpp)
target_link_libraries(timburia-render-icon PRIVATE Qt6::Gui Qt6::Svg)
set(ICON_FOLDER ${CMAKE_BINARY_DIR}/icons)
set(ICON_FILES)
foreach(size ${TIMBURIA_ICON_SIZES})
    list(APPEND ICON_FILES ${ICON_FOLDER}/${size}x${size}/apps/${TIMBURIA_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${ICON_FILES}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:timburia-render-icon> ${PROJECT_SOURCE_DIR}/assets/icon.svg
            ${ICON_FOLDER} ${TIMBURIA_APP_ID} ${TIMBURIA_ICON_SIZES}
    DEPENDS timburia-render-icon ${PROJECT_SOURCE_DIR}/assets/icon.svg
    COMMENT "Rendering the icon" VERBATIM)

# The metainfo and the man page carry the version; the man page is installed compressed.
configure_file(dist/${TIMBURIA_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/dist/${TIMBURIA_APP_ID}.metainfo.xml @ONLY)
configure_file(dist/timburia.6.in ${CMAKE_BINARY_DIR}/dist/timburia.6 @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/dist/timburia.6.gz
    COMMAND gzip -9nf -k ${CMAKE_BINARY_DIR}/dist/timburia.6
    DEPENDS ${CMAKE_BINARY_DIR}/dist/timburia.6 VERBATIM)
# The Debian changelog, compressed as a package's documentation is.
configure_file(dist/changelog ${CMAKE_BINARY_DIR}/dist/changelog COPYONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/dist/changelog.gz
    COMMAND gzip -9nf -k ${CMAKE_BINARY_DIR}/dist/changelog
    DEPENDS ${CMAKE_BINARY_DIR}/dist/changelog VERBATIM)
add_custom_target(timburia-desktop-files ALL
                  DEPENDS ${ICON_FILES} ${CMAKE_BINARY_DIR}/dist/timburia.6.gz
                          ${CMAKE_BINARY_DIR}/dist/changelog.gz)

# Debian puts games in /usr/games; an install to any other prefix keeps bin/ unless told.
option(TIMBURIA_INSTALL_TO_GAMES "Install the program into games/ (as Debian's /usr/games)" OFF)
if(TIMBURIA_INSTALL_TO_GAMES)
    set(TIMBURIA_PROGRAM_DIR games)
else()
    set(TIMBURIA_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
endif()

install(TARGETS timburia RUNTIME DESTINATION ${TIMBURIA_PROGRAM_DIR})
# A module of the game's own, not a library others link: kept out of the linker's folders, so
# that the package needs no ldconfig.
install(TARGETS timburia-chart LIBRARY DESTINATION lib/timburia/modules)
install(FILES dist/${TIMBURIA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/dist/${TIMBURIA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES assets/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TIMBURIA_APP_ID}.svg)
install(DIRECTORY ${ICON_FOLDER}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_BINARY_DIR}/dist/timburia.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES dist/copyright ${CMAKE_BINARY_DIR}/dist/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/timburia)

# The .deb: its library dependencies come from dpkg-shlibdeps. Qt loads two more packages at
# run time that no linker sees: the X11 platform plugin, and Qt's own Russian texts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME timburia)
set(CPACK_PACKAGE_VENDOR "Timburia")
set(CPACK_PACKAGE_CONTACT "Zarnitsyn <zarnitsyn@timburia.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${TIMBURIA_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "life simulation game, in Russian")
set(CPACK_PACKAGE_DESCRIPTION
    "You are a young computer enthusiast with 170 dollars, an empty flat and a head
full of plans. Keep your satiety and mood up while you eat, study, work, bank
your savings, furnish the flat, buy clothes, cars and computer parts, go
online, try your luck and go fishing.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# Under Wayland (GNOME and Plasma by default) Qt needs its Wayland plugin; X11 works without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)

if(BUILD_TESTING)
    # What `cmake --install` puts down, checked and validated (tests/package/check-install).
    add_test(NAME install COMMAND ${PROJECT_SOURCE_DIR}/tests/package/check-install
                                  ${CMAKE_BINARY_DIR} ${TIMBURIA_APP_ID} ${PROJECT_VERSION}
                                  ${TIMBURIA_PROGRAM_DIR})
    set_tests_properties(install PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
endif()

# The .deb of a release build (scripts/test's build-package/): its contents and dependencies,
# lintian's word on it, and, in CI or when asked (TIMBURIA_PACKAGE_INSTALL=1), the package
# installed on this machine through apt-get and the installed game started under Xvfb.
option(TIMBURIA_PACKAGE_TEST "Test the .deb (and, in CI, install it on this machine)" OFF)
if(TIMBURIA_PACKAGE_TEST)
    if(TIMBURIA_SANITIZE OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
        message(FATAL_ERROR "TIMBURIA_PACKAGE_TEST wants a release build without sanitizers")
    endif()
    if(NOT TIMBURIA_INSTALL_TO_GAMES)
        message(FATAL_ERROR "TIMBURIA_PACKAGE_TEST wants TIMBURIA_INSTALL_TO_GAMES=ON, as a .deb")
    endif()
    # Installing (and so CPack) builds only what it installs, which the test builds itself,
    # rather than every test program as well.
    set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
    add_test(NAME package COMMAND ${PROJECT_SOURCE_DIR}/tests/package/check-deb
                                  ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
    set_tests_properties(package PROPERTIES TIMEOUT 600 FIXTURES_SETUP deb)
    add_test(NAME lintian COMMAND ${PROJECT_SOURCE_DIR}/tests/package/check-lintian
                                  ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR}/dist/lintian-warnings)
    set_tests_properties(lintian PROPERTIES TIMEOUT 600 FIXTURES_REQUIRED deb)
endif()
