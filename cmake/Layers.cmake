# The libraries, one folder of src/ each, and the folders each may include from. From the bottom:
# the rules of the game (codes, the position, movement rules, check and mate, the influence
# survey); the levels 1 to 3 (their evaluation, danger scans and search) and the searching level's
# engine, each on the rules alone; the game (flow, history, records, settings, drawing, sound, the
# players) on all three; the command-line tool, the window and the browser edition on top. Configuring fails when a
# file includes one from a folder its own may not use.
set(ORIZEN_LAYERS rules classic engine game cli window web)
set(ORIZEN_USES_rules "")
set(ORIZEN_USES_classic rules)
set(ORIZEN_USES_engine rules)
set(ORIZEN_USES_game rules classic engine)
set(ORIZEN_USES_cli rules classic engine game)
set(ORIZEN_USES_window rules classic engine game)
set(ORIZEN_USES_web rules classic engine game)

function(orizen_check_layers)
  foreach(layer IN LISTS ORIZEN_LAYERS)
    file(GLOB files CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR} src/${layer}/*.h src/${layer}/*.cpp)
    set(allowed ${layer} ${ORIZEN_USES_${layer}})
    foreach(file IN LISTS files)
      file(STRINGS ${CMAKE_SOURCE_DIR}/${file} lines REGEX "^#include \"")
      foreach(line IN LISTS lines)
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" name "${line}")
        string(REGEX MATCH "^[^/]+" folder "${name}")
        if(NOT name MATCHES "/" OR NOT folder IN_LIST allowed OR NOT EXISTS ${CMAKE_SOURCE_DIR}/src/${name})
          message(FATAL_ERROR "${file} includes \"${name}\": ${layer} may include only from src/ folders ${allowed}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endfunction()
orizen_check_layers()

# Library orizen_<layer> from the sources of src/<layer>, on the libraries of the folders it uses.
function(orizen_library layer)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${layer}/*.cpp)
  list(REMOVE_ITEM sources ${ARGN})
  add_library(orizen_${layer} STATIC ${sources})
  target_include_directories(orizen_${layer} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  foreach(used IN LISTS ORIZEN_USES_${layer})
    target_link_libraries(orizen_${layer} PUBLIC orizen_${used})
  endforeach()
endfunction()
