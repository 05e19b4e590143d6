# Installing like a desktop program: the programs in bin/, the sounds and help page in
# share/orizen/, the desktop entry, icons and AppStream metadata where desktops look for them.
# `cpack -G DEB` in the build folder packs the same files as a Debian package.
include(GNUInstallDirs)

install(TARGETS orizen-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(ORIZEN_WINDOW)
  install(TARGETS orizen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  file(GLOB ORIZEN_RUNTIME_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/runtime/*)
  install(FILES ${ORIZEN_RUNTIME_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/orizen)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/desktop/org.example.Orizen.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${CMAKE_SOURCE_DIR}/assets/desktop/org.example.Orizen.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/org.example.Orizen.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/org.example.Orizen.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orizen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orizen <orizen@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shogi on a 27 x 27 board")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "shogi on a 27 x 27 board
 Orizen is shogi on a 27 x 27 board, 87 pieces a side, against the computer at
 three levels or against a friend at the same window. Games are saved as records
 and replayed. orizen-cli runs the computer player without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ORIZEN_HOMEPAGE}")
# Library dependencies are worked out from the programs; the window also needs Qt's platform
# plugins and the Japanese font it draws with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(ORIZEN_WINDOW)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-mincho")
endif()
include(CPack)
