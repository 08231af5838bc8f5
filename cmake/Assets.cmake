# SPDX-License-Identifier: GPL-3.0-or-later
# Files that are made at build time: the sound files beside the program and the
# compiled-in click sound; and the licence beside the program, which the About box opens
# from a copied folder (an installed copy opens the system's).
set(ORVANE_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)

# The sound generator runs on the build machine.
add_executable(orvane_make_sounds tools/make_sounds.cpp)
set_target_properties(orvane_make_sounds PROPERTIES AUTOMOC OFF)

set(ORVANE_SOUND_FILES Open.wav Win.wav Loose.wav Flag.wav FlagErr.wav)
list(TRANSFORM ORVANE_SOUND_FILES PREPEND ${ORVANE_APP_DIR}/)
set(ORVANE_CLICK_SOURCE ${ORVANE_GENERATED_DIR}/ClickSound.cpp)
add_custom_command(
  OUTPUT ${ORVANE_SOUND_FILES} ${ORVANE_CLICK_SOURCE}
  COMMAND orvane_make_sounds ${ORVANE_APP_DIR} ${ORVANE_CLICK_SOURCE}
  DEPENDS orvane_make_sounds
  COMMENT "Synthesising the game's sounds"
  VERBATIM)

add_custom_target(orvane_assets DEPENDS ${ORVANE_SOUND_FILES} ${ORVANE_CLICK_SOURCE})

configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${ORVANE_APP_DIR}/LICENSE COPYONLY)
