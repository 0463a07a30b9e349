# Installing Tumbla as a desktop game, and its Debian package.
#
#   cmake --install <build> [--prefix /usr]     (DESTDIR=... honoured)
#   cpack (in <build>)                           tumbla_<version>_<arch>.deb
#
# On Linux and the other free desktops the game, its desktop entry, its
# scalable icon in the hicolor theme, its AppStream metainfo, the file type of
# its replays (shared-mime-info) and its manual page go to the standard places
# under the prefix.
include(GNUInstallDirs)

set(TUMBLA_APP_ID "org.example.Tumbla")

if(NOT TARGET tumbla)
  return()  # no window, nothing to install
endif()

install(TARGETS tumbla RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
  set(_datos ${CMAKE_CURRENT_SOURCE_DIR}/data)
  install(FILES ${_datos}/${TUMBLA_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_datos}/${TUMBLA_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The replay files (.tumbla), which the desktop entry opens.
  install(FILES ${_datos}/${TUMBLA_APP_ID}.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  # The same picture as the window icon and the credits logo.
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/assets/pictures/tumbla.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${TUMBLA_APP_ID}.svg)

  # Manual pages are installed compressed.
  set(_man ${CMAKE_CURRENT_BINARY_DIR}/data/tumbla.6.gz)
  add_custom_command(OUTPUT ${_man}
    COMMAND ${CMAKE_COMMAND} -DENTRADA=${_datos}/tumbla.6 -DSALIDA=${_man}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/ComprimirManual.cmake
    DEPENDS ${_datos}/tumbla.6 ${CMAKE_CURRENT_SOURCE_DIR}/cmake/ComprimirManual.cmake
    COMMENT "Compressing the manual page")
  add_custom_target(tumbla-manual ALL DEPENDS ${_man})
  install(FILES ${_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()

# ---------------------------------------------------------------------------
# Packages.
set(CPACK_PACKAGE_NAME "tumbla")
set(CPACK_PACKAGE_VENDOR "The Tumbla developers")
set(CPACK_PACKAGE_CONTACT "Tumbla <tumbla@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.example.org/tumbla")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "falling-block puzzle game with 296 levels")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Pieces of four blocks (and, on the hard setting, of five) fall into a board\n"
  "eleven cells wide. Shift and turn them so that full rows vanish. Around\n"
  "that core come 296 levels in eight rule sets: row targets with handicaps,\n"
  "a drop to dig down to the floor, a square board to turn, two drops to join\n"
  "and a plant to cut down. The game speaks Spanish.")
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR "DEB")
  set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # tumbla_<version>_<arch>.deb
  set(CPACK_DEBIAN_PACKAGE_SECTION "games")
  set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
  # The libraries the program links come from dpkg-shlibdeps; the plugins Qt
  # loads at run time (the X11 and Wayland window systems) are named here.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  # A font, and xdg-open for the help document and the credits links.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, xdg-utils")
else()
  set(CPACK_GENERATOR "ZIP")
endif()

include(CPack)

# ---------------------------------------------------------------------------
if(TUMBLA_BUILD_TESTS AND UNIX AND NOT APPLE)
  add_subdirectory(tests/install)
endif()
