# Fails when a C++ file of the tree differs from what clang-format makes of it
# with the tree's .clang-format.
#
# Usage: cmake -DSOURCE_DIR=<tree> -DCLANG_FORMAT=<program> -P check_format.cmake
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format was not found; scripts/setup.sh installs it")
endif()
set(files "")
foreach(folder interfaces platform framework camera imagery project processing settings map
               host cloud tests bench)
  file(GLOB_RECURSE found ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  list(APPEND files ${found})
endforeach()
execute_process(COMMAND ${CLANG_FORMAT} --style=file --dry-run --Werror ${files}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT rc EQUAL 0)
  string(REGEX MATCHALL "[^\n]*: error: code should be clang-formatted" lines "${errors}")
  set(bad "")
  foreach(line ${lines})
    string(REGEX REPLACE ":[0-9]+:[0-9]+: error:.*" "" file "${line}")
    list(APPEND bad ${file})
  endforeach()
  list(REMOVE_DUPLICATES bad)
  list(JOIN bad "\n  " text)
  message(FATAL_ERROR "Not formatted (run clang-format -i on them):\n  ${text}")
endif()
list(LENGTH files count)
message(STATUS "Formatted: ${count} files")
