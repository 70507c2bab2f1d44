# The engine's layers, checked before every build of it: cmake -DSOURCE_DIR=... -P check_layers.cmake
#
#   model     the state, numbers, constants, the string table, the Screens interface
#   history   the record of the race
#   market    prices, news, earnings
#   scoring   goal, score, levels, settings
#   trading   the player's trades and positions
#   opponent  the computer's turn and portfolio
#   storage   the files, above the rules they save
#   flows     a turn, a new game, start-up, cheats, the File menu's commands
#   guide     the notes that explain a first game as it goes, and what the player has seen of them
#
# A file may include its own folder and the folders before it, never one after it; no two
# files may include each other, however indirectly; and no file of the engine includes Qt.
set(layers model history market scoring trading opponent storage flows guide)
set(engine ${SOURCE_DIR}/src/engine)
file(GLOB_RECURSE files RELATIVE ${engine} ${engine}/*.h ${engine}/*.cpp)

set(failures "")
set(graph_files "")
foreach(file ${files})
  string(REGEX MATCH "^[^/]+" folder ${file})
  list(FIND layers ${folder} rank)
  if(rank LESS 0)
    list(APPEND failures "${file}: the folder ${folder} is no layer of the engine")
    continue()
  endif()
  file(STRINGS ${engine}/${file} includes REGEX "^[ \t]*#[ \t]*include")
  set(edges "")
  foreach(line ${includes})
    if(line MATCHES "<Q" OR line MATCHES "\"Q[A-Za-z]*(\\.h)?\"")
      list(APPEND failures "${file}: the engine includes no Qt: ${line}")
    endif()
    if(line MATCHES "\"engine/([^/]+)/([^\"]+)\"")
      set(target_folder ${CMAKE_MATCH_1})
      set(target "${CMAKE_MATCH_1}/${CMAKE_MATCH_2}")
      list(FIND layers ${target_folder} target_rank)
      if(target_rank GREATER rank)
        list(APPEND failures "${file} reaches up to ${target}")
      endif()
      # A source includes its own header; only the headers' and the other files' includes
      # can close a loop.
      string(REGEX REPLACE "\\.cpp$" ".h" own ${file})
      if(NOT target STREQUAL own)
        list(APPEND edges ${target})
      endif()
    elseif(line MATCHES "\"(desktop|cli)/")
      list(APPEND failures "${file}: the engine includes no window or console file: ${line}")
    endif()
  endforeach()
  string(MAKE_C_IDENTIFIER ${file} key)
  set(edges_${key} ${edges})
  list(APPEND graph_files ${file})
endforeach()

# The loops: files that include nothing left are taken away, again and again; what cannot be
# taken away lies on a loop.
set(left ${graph_files})
set(progress TRUE)
while(progress)
  set(progress FALSE)
  set(next "")
  foreach(file ${left})
    string(MAKE_C_IDENTIFIER ${file} key)
    set(waits FALSE)
    foreach(target ${edges_${key}})
      list(FIND left ${target} at)
      if(at GREATER_EQUAL 0)
        set(waits TRUE)
        break()
      endif()
    endforeach()
    if(waits)
      list(APPEND next ${file})
    else()
      set(progress TRUE)
    endif()
  endforeach()
  set(left ${next})
endwhile()
# Of those, the ones that only hang on a loop are included by none left: taken away too.
set(progress TRUE)
while(progress)
  set(progress FALSE)
  set(included "")
  foreach(file ${left})
    string(MAKE_C_IDENTIFIER ${file} key)
    list(APPEND included ${edges_${key}})
  endforeach()
  set(next "")
  foreach(file ${left})
    list(FIND included ${file} at)
    if(at GREATER_EQUAL 0)
      list(APPEND next ${file})
    else()
      set(progress TRUE)
    endif()
  endforeach()
  set(left ${next})
endwhile()
foreach(file ${left})
  list(APPEND failures "${file} is part of a loop of includes")
endforeach()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "The engine's layers are broken:\n  ${text}")
endif()
