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
