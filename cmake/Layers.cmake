# The libraries from the bottom up: the rules of the game (the position, moves, check and mate, the
# influence survey), the computer's engine (evaluation and searches) and the game (its flow,
# history, drawing, records and options). Every file may include only files of its own layer or a
# layer below it; configuring fails otherwise. The window and the command-line tool sit on top.
set(ORIZEN_LAYER_rules
  src/game/codes.h src/game/grid.h src/game/position.h src/game/menu.h src/game/analysis.h src/game/rules.cpp
  src/game/mate.cpp
  src/ai/reach.h src/ai/moves.h src/ai/survey.cpp src/ai/pinned.cpp)
set(ORIZEN_LAYER_engine
  src/ai/arena.h src/ai/arena.cpp src/ai/pool.h src/ai/pool.cpp src/ai/search.h src/ai/danger_cell.h
  src/ai/danger.cpp src/ai/danger_fast.cpp src/ai/evaluate.cpp src/ai/positional.cpp src/ai/survey_delta.cpp
  src/ai/search_run.cpp)
file(GLOB ORIZEN_ENGINE_OWN CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR} src/engine/*.h src/engine/*.cpp)
list(APPEND ORIZEN_LAYER_engine ${ORIZEN_ENGINE_OWN})
file(GLOB ORIZEN_LAYER_game CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
  src/game/* src/ai/* src/view/* src/records/* src/options/*)
list(REMOVE_ITEM ORIZEN_LAYER_game ${ORIZEN_LAYER_rules} ${ORIZEN_LAYER_engine})
set(ORIZEN_LAYERS rules engine game)

# Checks the includes of every file of every layer.
function(orizen_check_layers)
  set(allowed "")
  foreach(layer IN LISTS ORIZEN_LAYERS)
    list(APPEND allowed ${ORIZEN_LAYER_${layer}})
    foreach(file IN LISTS ORIZEN_LAYER_${layer})
      file(STRINGS ${CMAKE_SOURCE_DIR}/${file} lines REGEX "^#include \"")
      get_filename_component(dir ${file} DIRECTORY)
      foreach(line IN LISTS lines)
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" name "${line}")
        if(EXISTS ${CMAKE_SOURCE_DIR}/${dir}/${name})
          set(target ${dir}/${name})
        else()
          set(target src/${name})
        endif()
        if(NOT target IN_LIST allowed)
          message(FATAL_ERROR "${file} (layer ${layer}) includes ${name}, which is not in its layer or below")
        endif()
      endforeach()
    endforeach()
  endforeach()
endfunction()
orizen_check_layers()

function(orizen_sources out layer)
  set(list "")
  foreach(file IN LISTS ORIZEN_LAYER_${layer})
    if(file MATCHES "\\.cpp$")
      list(APPEND list ${CMAKE_SOURCE_DIR}/${file})
    endif()
  endforeach()
  set(${out} ${list} PARENT_SCOPE)
endfunction()
