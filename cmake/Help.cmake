# SPDX-License-Identifier: GPL-3.0-or-later
# The help file "Orvane.chm" beside the program, compiled from the project's own pages
# in docs/help. Every build of the program brings it up to date.
find_program(ORVANE_CHMCMD chmcmd REQUIRED)

set(ORVANE_HELP_PROJECT ${PROJECT_SOURCE_DIR}/docs/help/Orvane.hhp)
set(ORVANE_HELP_FILE ${ORVANE_APP_DIR}/Orvane.chm)
file(GLOB ORVANE_HELP_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/help/*)

add_custom_command(
  OUTPUT ${ORVANE_HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -DCHMCMD=${ORVANE_CHMCMD} -DPROJECT_FILE=${ORVANE_HELP_PROJECT}
          -DOUTPUT=${ORVANE_HELP_FILE} -P ${PROJECT_SOURCE_DIR}/cmake/CompileHelp.cmake
  DEPENDS ${ORVANE_HELP_SOURCES} ${PROJECT_SOURCE_DIR}/cmake/CompileHelp.cmake
  COMMENT "Compiling the help file"
  VERBATIM)

add_custom_target(orvane_help DEPENDS ${ORVANE_HELP_FILE})
add_dependencies(orvane_assets orvane_help)

# The pages the help file is made from, beside it in help/: the program shows them in a
# window of its own where the desktop has no viewer for the compiled file.
set(ORVANE_HELP_PAGES_DIR ${ORVANE_APP_DIR}/help)
file(GLOB ORVANE_HELP_PAGES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/docs/help/*.html ${PROJECT_SOURCE_DIR}/docs/help/*.css
  ${PROJECT_SOURCE_DIR}/docs/help/*.hhc)
set(ORVANE_HELP_PAGE_COPIES ${ORVANE_HELP_PAGES})
list(TRANSFORM ORVANE_HELP_PAGE_COPIES REPLACE "^.*/" "${ORVANE_HELP_PAGES_DIR}/")
add_custom_command(
  OUTPUT ${ORVANE_HELP_PAGE_COPIES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVANE_HELP_PAGES_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ORVANE_HELP_PAGES} ${ORVANE_HELP_PAGES_DIR}
  DEPENDS ${ORVANE_HELP_PAGES}
  COMMENT "Copying the help pages"
  VERBATIM)
add_custom_target(orvane_help_pages DEPENDS ${ORVANE_HELP_PAGE_COPIES})
add_dependencies(orvane_assets orvane_help_pages)
