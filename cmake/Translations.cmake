# SPDX-License-Identifier: GPL-3.0-or-later
# The program's languages besides English: translations/orvane_<code>.ts, made and kept up to
# date by scripts/update-translations, built into the program as :/translations/orvane_<code>.qm.
set(ORVANE_LANGUAGES de fr es it pt_BR pl)

set(ORVANE_TS_FILES)
foreach(lang IN LISTS ORVANE_LANGUAGES)
  list(APPEND ORVANE_TS_FILES ${CMAKE_SOURCE_DIR}/translations/orvane_${lang}.ts)
endforeach()

qt_add_lrelease(orvane_shell TS_FILES ${ORVANE_TS_FILES} QM_FILES_OUTPUT_VARIABLE ORVANE_QM_FILES)
qt_add_resources(orvane_shell orvane_translations PREFIX /translations
  BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${ORVANE_QM_FILES})
