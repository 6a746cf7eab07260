# Installs the build tree into a scratch prefix, then configures, builds and runs
# a program that finds kvui with find_package. Run with -DBINARY_DIR, -DSOURCE_DIR
# and -DWORK_DIR; -DCXX_COMPILER and -DCXX_FLAGS give the compiler and the flags
# the tree was built with (a sanitizer build's libraries need its runtime in the
# program that loads them).
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${WORK_DIR}/prefix
  RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
  message(FATAL_ERROR "install failed: ${result}")
endif()
if(NOT EXISTS ${WORK_DIR}/prefix/include/kvui/framework/kvmessagebox.h)
  message(FATAL_ERROR "headers are not installed under kvui/framework")
endif()
# LoadImagesToViewer starts the viewer from the host program's folder.
if(EXISTS ${WORK_DIR}/prefix/bin/kvhost AND NOT EXISTS ${WORK_DIR}/prefix/bin/Lumo_Viewer)
  message(FATAL_ERROR "Lumo_Viewer is not installed beside kvhost")
endif()
set(compiler_args "")
if(CXX_COMPILER)
  list(APPEND compiler_args -DCMAKE_CXX_COMPILER=${CXX_COMPILER})
endif()
if(CXX_FLAGS)
  list(APPEND compiler_args "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build
  -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix -DCMAKE_BUILD_TYPE=Release ${compiler_args}
  RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "configuring the consumer failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "building the consumer failed: ${result}")
endif()
# In a sanitizer build the leaks of Qt's offscreen platform are recognised by
# their whole allocation stacks only (see cmake/lsan.supp).
execute_process(COMMAND ${CMAKE_COMMAND} -E env "ASAN_OPTIONS=$ENV{ASAN_OPTIONS}:fast_unwind_on_malloc=0"
  ${WORK_DIR}/build/consumer -platform offscreen RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "the consumer failed: ${result}")
endif()
