# What `cmake --install` puts where, and the Debian package `cpack -G DEB` makes of it.
# The program folder of the build is not installed: the data comes from data/ itself, so a
# Quorin.ini left in the build folder never reaches the installed tree.

install(TARGETS quorin quorin-layout RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${QUORIN_DATA_DIR})

set(dist ${CMAKE_SOURCE_DIR}/dist)
install(FILES ${dist}/${QUORIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dist}/${QUORIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${dist}/quorin.6 ${dist}/quorin-layout.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${dist}/icons/${QUORIN_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${dist}/icons/${size}/${QUORIN_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_PACKAGE_NAME quorin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorin")
set(CPACK_PACKAGE_CONTACT "Quorin maintainers <maintainers@quorin.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mah-Jongg tile-matching solitaire and other tile games")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Quorin is a Mah-Jongg game: tile-matching solitaire on layouts of up to five layers, for "
  "one player or two, with Rivers, Memory and Clicks, a layout editor, a hall of fame, "
  "MIDI music and sounds.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quorin.example.org/)
# The libraries the program links, the xcb platform plugin without which Qt opens no
# window, and the General MIDI SoundFont the music plays with.
set(quorin_runtime_packages
  "libc6 (>= 2.34)" "libgcc-s1 (>= 3.0)" "libstdc++6 (>= 12)" "libqt6core6 (>= 6.4)"
  "libqt6gui6 (>= 6.4)"
  "libqt6widgets6 (>= 6.4)" qt6-qpa-plugins "libjpeg62-turbo (>= 1.3.1)"
  "libfluidsynth3 (>= 2.3)" "libsdl2-2.0-0 (>= 2.0.12)" timgm6mb-soundfont)
list(JOIN quorin_runtime_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# The build keeps its debugging information; the package need not carry it.
set(CPACK_STRIP_FILES ON)
# Only the game itself: no tests, benchmarks or generators.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Quorin;ALL;/")
include(CPack)
