# Installation into the usual places, the desktop integration files, and the
# Debian package built by CPack (`make package`).
include(GNUInstallDirs)
set(TESSEL_APP_ID org.example.sudokutessel)

install(TARGETS sudoku-tessel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/man/sudoku-tessel-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET sudoku-tessel)
  install(TARGETS sudoku-tessel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/data/man/sudoku-tessel.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${TESSEL_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${TESSEL_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/sudoku-tessel.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${TESSEL_APP_ID}.svg)

  # PNG sizes of the icon, drawn by the same code as the window icon.
  set(TESSEL_ICON_SIZES 16 24 32 48 64 128 256)
  set(TESSEL_ICON_PNGS)
  foreach(size ${TESSEL_ICON_SIZES})
    list(APPEND TESSEL_ICON_PNGS ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${TESSEL_APP_ID}.png)
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${TESSEL_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_command(OUTPUT ${TESSEL_ICON_PNGS}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:iconpng> ${CMAKE_BINARY_DIR}/icons ${TESSEL_APP_ID} ${TESSEL_ICON_SIZES}
    DEPENDS iconpng
    COMMENT "Drawing the application icon as PNG")
  add_custom_target(tessel_icons ALL DEPENDS ${TESSEL_ICON_PNGS})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sudoku-tessel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Sudoku Tessel")
set(CPACK_PACKAGE_CONTACT "Sudoku Tessel <dev@sudokutessel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku game for the desktop")
set(CPACK_PACKAGE_DESCRIPTION
    "Sudoku puzzles of five levels with candidates, colour marks, branches, a full move history, saved games and replays; plus sudoku-tessel-cli to test, solve, convert, deal and grade puzzles from the shell.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://sudokutessel.example.org")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Library packages come from the binaries' own links (dpkg-shlibdeps); the
# platform plugins are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
