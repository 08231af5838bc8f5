# SPDX-License-Identifier: GPL-3.0-or-later
# Runs chmcmd on a help project and keeps the build quiet: its chatter is shown only
# when something went wrong, and a warning (such as a link to a page that does not
# exist) fails the build like a compiler warning would.
#   cmake -DCHMCMD=<chmcmd> -DPROJECT_FILE=<.hhp> -DOUTPUT=<.chm> -P CompileHelp.cmake
# The project's "Compiled file" must be the name of OUTPUT: chmcmd writes it into the
# folder it runs in.
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(REMOVE ${OUTPUT})

execute_process(
  COMMAND ${CHMCMD} --html-scan ${PROJECT_FILE}
  WORKING_DIRECTORY ${output_dir}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE out
  ERROR_VARIABLE out)

set(problem "")
if(NOT result EQUAL 0)
  set(problem "chmcmd failed (${result})")
elseif(out MATCHES "(^|\n)(Warning|Error)")
  set(problem "chmcmd reported a problem")
elseif(NOT EXISTS ${OUTPUT})
  set(problem "chmcmd wrote no ${OUTPUT}")
else()
  file(READ ${OUTPUT} magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "49545346") # "ITSF", the signature of a compiled help file
    set(problem "${OUTPUT} is not a compiled help file")
  endif()
endif()

if(problem)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "${problem}:\n${out}")
endif()
