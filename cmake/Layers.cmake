# SPDX-License-Identifier: GPL-3.0-or-later
# Each layer of the program is a static library that sees the headers of its own folders
# and of the layers it links, and of nothing else. A library's headers are published as
# links under build/layers/<library>/<folder>/, one per header of that folder (not of its
# subfolders), so "game/Game.h" resolves only for targets that link orvane_game; an
# include that points up a layer, or to a layer not linked, fails with "No such file".
#   orvane_layer(<library> FOLDERS <folder under src>... SOURCES <file under src>...)
set(ORVANE_LAYERS_DIR ${CMAKE_BINARY_DIR}/layers)

function(orvane_layer library)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "FOLDERS;SOURCES")
  list(TRANSFORM layer_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/src/)
  add_library(${library} STATIC ${layer_SOURCES})
  set(published ${ORVANE_LAYERS_DIR}/${library})
  file(REMOVE_RECURSE ${published})
  foreach(folder ${layer_FOLDERS})
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    file(MAKE_DIRECTORY ${published}/${folder})
    foreach(header ${headers})
      get_filename_component(name ${header} NAME)
      file(CREATE_LINK ${header} ${published}/${folder}/${name} SYMBOLIC)
    endforeach()
  endforeach()
  target_include_directories(${library} PUBLIC ${published})
endfunction()
