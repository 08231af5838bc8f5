# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` lays out a standard tree: the program in bin/, its sounds and help in
# the program's data folder share/orvane, and the desktop entry, icons and AppStream
# metainfo where the desktop looks for them. CPack makes a Debian package of that tree.
include(GNUInstallDirs)
set(ORVANE_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/orvane)

# The program finds its data folder relative to its own: the path from bin/ to it.
file(RELATIVE_PATH ORVANE_DATA_FROM_PROGRAM
  /${CMAKE_INSTALL_BINDIR} /${ORVANE_INSTALL_DATA_DIR})
target_compile_definitions(orvane_platform PRIVATE
  ORVANE_DATA_FROM_PROGRAM="${ORVANE_DATA_FROM_PROGRAM}")

# Icons for the desktop's launcher, drawn by the program's own icon code.
set(ORVANE_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
add_custom_command(
  OUTPUT ${ORVANE_ICON_DIR}/256x256/apps/orvane.png
  COMMAND write_icons ${ORVANE_ICON_DIR}
  DEPENDS write_icons
  COMMENT "Drawing the desktop icons"
  VERBATIM)
add_custom_target(orvane_icons ALL DEPENDS ${ORVANE_ICON_DIR}/256x256/apps/orvane.png)

# The manual page, compressed as Debian's policy asks.
set(ORVANE_MANUAL_PAGE ${CMAKE_BINARY_DIR}/orvane.6.gz)
add_custom_command(
  OUTPUT ${ORVANE_MANUAL_PAGE}
  COMMAND sh -c "gzip -9n -c '${PROJECT_SOURCE_DIR}/data/orvane.6' > '${ORVANE_MANUAL_PAGE}'"
  DEPENDS ${PROJECT_SOURCE_DIR}/data/orvane.6
  COMMENT "Compressing the manual page"
  VERBATIM)
add_custom_target(orvane_manual_page ALL DEPENDS ${ORVANE_MANUAL_PAGE})

# The desktop entry's name, which the running program gives as its desktop file name.
set(ORVANE_DESKTOP_ID org.orvane.Orvane)
target_compile_definitions(orvane_shell PRIVATE ORVANE_DESKTOP_ID="${ORVANE_DESKTOP_ID}")
install(TARGETS orvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ORVANE_SOUND_FILES} ${ORVANE_HELP_FILE} DESTINATION ${ORVANE_INSTALL_DATA_DIR})
# The desktop entry and the metainfo as in data/, with each language's entries added from
# the .ts files.
set(ORVANE_DESKTOP_FILE ${CMAKE_BINARY_DIR}/data/${ORVANE_DESKTOP_ID}.desktop)
set(ORVANE_METAINFO_FILE ${CMAKE_BINARY_DIR}/data/${ORVANE_DESKTOP_ID}.metainfo.xml)
set(ORVANE_DESKTOP_TOOL ${CMAKE_SOURCE_DIR}/tools/desktop_translations.py)
add_custom_command(OUTPUT ${ORVANE_DESKTOP_FILE} ${ORVANE_METAINFO_FILE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/data
  COMMAND ${Python3_EXECUTABLE} ${ORVANE_DESKTOP_TOOL} desktop
          ${CMAKE_SOURCE_DIR}/data/${ORVANE_DESKTOP_ID}.desktop ${ORVANE_DESKTOP_FILE} ${ORVANE_TS_FILES}
  COMMAND ${Python3_EXECUTABLE} ${ORVANE_DESKTOP_TOOL} metainfo
          ${CMAKE_SOURCE_DIR}/data/${ORVANE_DESKTOP_ID}.metainfo.xml ${ORVANE_METAINFO_FILE}
          ${ORVANE_TS_FILES}
  DEPENDS ${ORVANE_DESKTOP_TOOL} ${ORVANE_TS_FILES}
          ${CMAKE_SOURCE_DIR}/data/${ORVANE_DESKTOP_ID}.desktop
          ${CMAKE_SOURCE_DIR}/data/${ORVANE_DESKTOP_ID}.metainfo.xml
  COMMENT "Adding the translations to the desktop entry and the metainfo"
  VERBATIM)
add_custom_target(orvane_desktop_files ALL DEPENDS ${ORVANE_DESKTOP_FILE} ${ORVANE_METAINFO_FILE})
install(FILES ${ORVANE_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ORVANE_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The replay files' type, so that a file manager opens them with the program.
install(FILES data/${ORVANE_DESKTOP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME ${ORVANE_DESKTOP_ID}.xml)
install(DIRECTORY ${ORVANE_HELP_PAGES_DIR} DESTINATION ${ORVANE_INSTALL_DATA_DIR})
install(DIRECTORY ${ORVANE_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${ORVANE_MANUAL_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The licence in the form Debian's packages carry it, where they carry it.
install(FILES data/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvane)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VENDOR "Orvane developers")
set(CPACK_PACKAGE_CONTACT "Orvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mine-field puzzle, alone or against a rival")
set(CPACK_PACKAGE_DESCRIPTION
  "Open every safe cell of the board without touching a mine, against the clock, with a\nfriend or against the computer.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the program links come from dpkg-shlibdeps; Qt's window system plugin and
# Mesa's drivers are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libgl1-mesa-dri, libglx-mesa0")
include(CPack)
