# Fails when a file includes a folder above its own in the layer order:
#   interfaces -> platform -> framework -> camera -> imagery -> project
#   -> processing, settings, map -> host
# cloud/ stands apart: it may use interfaces and platform, and nothing of the
# widget library or the host includes it. tests/ and bench/ may include anything.
# Family-library headers ("kvfd/...", "kvprj/...") belong to interfaces.
#
# Usage: cmake -DSOURCE_DIR=<tree> -P check_layers.cmake
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(rank_interfaces 0)
set(rank_platform 1)
set(rank_framework 2)
set(rank_camera 3)
set(rank_imagery 4)
set(rank_project 5)
set(rank_processing 6)
set(rank_settings 6)
set(rank_map 6)
set(rank_host 7)
set(rank_cloud 100)
set(folders interfaces platform framework camera imagery project processing settings map host cloud)

function(rank_of_include path out)
  string(REGEX MATCH "^[A-Za-z0-9_]+" head "${path}")
  if(head MATCHES "^kv(fd|prj|kernel|sql|gps|image|math|algorithm)$")
    set(${out} 0 PARENT_SCOPE)
  elseif(DEFINED rank_${head})
    set(${out} ${rank_${head}} PARENT_SCOPE)
  else()
    set(${out} -1 PARENT_SCOPE)
  endif()
endfunction()

set(violations "")
foreach(folder ${folders})
  file(GLOB_RECURSE files
    ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.hpp)
  set(own ${rank_${folder}})
  foreach(file ${files})
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
      rank_of_include("${included}" theirs)
      if(theirs LESS 0)
        continue()
      endif()
      if(folder STREQUAL "cloud")
        # The stand-in service may use the family libraries, nothing else.
        if(theirs GREATER 1)
          list(APPEND violations "${file}: ${included}")
        endif()
      elseif(theirs EQUAL 100 OR theirs GREATER own)
        list(APPEND violations "${file}: ${included}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Includes of a folder above the file's own:\n  ${text}")
endif()
message(STATUS "Layers: no file includes a folder above its own")
