# Installation into the usual places, the desktop integration files, and the
# Debian package built by CPack (`make package`).
include(GNUInstallDirs)
set(TESSEL_APP_ID org.example.sudokutessel)

set(TESSEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/sudoku-tessel)

# Man pages and the changelog are installed gzip-compressed, as Debian wants
# them; -n keeps name and time out, so the bytes repeat from build to build.
set(TESSEL_GZIPPED)
function(tessel_gzip source output destination)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9n <\"$1\" >\"$2\"" sh ${source} ${output}
    DEPENDS ${source} VERBATIM)
  install(FILES ${output} DESTINATION ${destination})
  set(TESSEL_GZIPPED ${TESSEL_GZIPPED} ${output} PARENT_SCOPE)
endfunction()

install(TARGETS sudoku-tessel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
tessel_gzip(${CMAKE_SOURCE_DIR}/data/man/sudoku-tessel-cli.1 ${CMAKE_BINARY_DIR}/sudoku-tessel-cli.1.gz
            ${CMAKE_INSTALL_MANDIR}/man1)
# Debian wants both beside every package: the licence, and a changelog whose
# top entry is the package's version.
install(FILES ${CMAKE_SOURCE_DIR}/cmake/copyright DESTINATION ${TESSEL_DOC_DIR})
configure_file(${CMAKE_SOURCE_DIR}/cmake/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
tessel_gzip(${CMAKE_BINARY_DIR}/changelog ${CMAKE_BINARY_DIR}/changelog.gz ${TESSEL_DOC_DIR})

if(TARGET sudoku-tessel)
  install(TARGETS sudoku-tessel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  tessel_gzip(${CMAKE_SOURCE_DIR}/data/man/sudoku-tessel.6 ${CMAKE_BINARY_DIR}/sudoku-tessel.6.gz
              ${CMAKE_INSTALL_MANDIR}/man6)
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
add_custom_target(tessel_gzipped ALL DEPENDS ${TESSEL_GZIPPED})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sudoku-tessel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Sudoku Tessel")
set(CPACK_PACKAGE_CONTACT "Sudoku Tessel <dev@sudokutessel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku game for the desktop")
# The long part of the Description field; CPack puts the summary above it.
# Lines stay under 80 characters, as dpkg shows them unwrapped.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Sudoku Tessel deals classic 9 x 9 Sudoku puzzles at five levels, from Very
Easy to Diabolical, out of a built-in bank graded by the techniques a person
needs. Digits go in with the mouse or the keyboard; pencil marks show in three
display modes; cells and candidates take colour marks. Every position stays
in the move history, a branch can be tried and kept or dropped, and hints, an
error check and the solution are a click away. Games are saved by name, the
game in progress is kept on close, and puzzles are imported and exported as
text in four layouts.

The package also holds sudoku-tessel-cli, which tests, solves, converts,
deals and grades puzzles from the shell.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://sudokutessel.example.org")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps that section for programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# Library packages come from the binaries' own links (dpkg-shlibdeps); the
# platform plugins are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Chinese needs a CJK font, and Qt's own dialog buttons their translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
