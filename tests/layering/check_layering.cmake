# Fails when a folder of src/ includes a folder above it, or a folder below app/ includes Qt:
# the core builds and is tested without a window or an adapter. Fails too when the command
# line includes the store, the window's flows or Qt.
#   cmake -DSOURCE_DIR=<checkout> -P check_layering.cmake
cmake_minimum_required(VERSION 3.25)

# What each core folder may include, itself first. The store holds every SQL text and table
# name (store/tables); the operations work on ids and show nothing; the window's flows ask and
# show through Prompts and run the operations; only app/ sees Qt.
set(allowed_text text)
# The one atomic file writer and the bounded reader sit under everything that writes files.
set(allowed_files files text)
set(allowed_combo combo)
set(allowed_store store files text combo)
# The history of destructive changes and its undo, run by the history's operations.
set(allowed_history history store combo text)
# The .SPK codec.
set(allowed_exchange exchange store combo files text)
# The link to the adapter tells what happened and shows nothing, so it needs no catalogue.
set(allowed_device device combo files text)
set(allowed_operations operations history store device exchange combo files text)
# The window's command flows ask and show around the operations; of the store they know only
# the record ids and rows the operations hand them.
set(allowed_flows flows operations history store exchange device combo files text)

set(failures "")
foreach(folder text files combo store history exchange device operations flows)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/src/${folder}/*.h" "${SOURCE_DIR}/src/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      if(line MATCHES "include[ \t]*[<\"]Q")
        list(APPEND failures "${source}: Qt in the core: ${line}")
      elseif(line MATCHES "include[ \t]*\"([a-z_]+)/")
        set(included ${CMAKE_MATCH_1})
        if(NOT included IN_LIST allowed_${folder})
          list(APPEND failures "${source}: ${folder}/ includes ${included}/: ${line}")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

# The command line works through the operations: it never reaches the store, nor the window's
# flows or Qt.
file(GLOB_RECURSE cli_sources "${SOURCE_DIR}/tools/cli/*.h" "${SOURCE_DIR}/tools/cli/*.cpp")
foreach(source IN LISTS cli_sources)
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(line MATCHES "include[ \t]*[<\"]Q")
      list(APPEND failures "${source}: Qt in the command line: ${line}")
    elseif(line MATCHES "include[ \t]*\"(store|flows)/")
      list(APPEND failures "${source}: the command line includes ${CMAKE_MATCH_1}/: ${line}")
    endif()
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "includes that point away from the core:\n${report}")
endif()
