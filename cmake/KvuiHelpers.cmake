# Helpers shared by every folder of the tree: warnings, family libraries,
# widget-library subsystems and tests.

set(KVUI_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)

function(kvui_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# kvui_add_platform_library(<name> [LIBS <public deps>...] [PRIVATE_LIBS <deps>...])
# One family library: its declarations in interfaces/<name>, its implementation in
# platform/<name>. Builds a shared library with a generated <name>_export.h.
function(kvui_add_platform_library name)
  cmake_parse_arguments(ARG "" "" "LIBS;PRIVATE_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/platform/${name}/*.cpp
    ${CMAKE_SOURCE_DIR}/platform/${name}/*.h
    ${CMAKE_SOURCE_DIR}/interfaces/${name}/*.h)
  add_library(${name} SHARED ${sources})
  add_library(kvui::${name} ALIAS ${name})
  generate_export_header(${name}
    EXPORT_FILE_NAME ${KVUI_GENERATED_DIR}/interfaces/${name}/${name}_export.h)
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/interfaces>
    $<BUILD_INTERFACE:${KVUI_GENERATED_DIR}/interfaces>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/kvui/interfaces>)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  set_target_properties(${name} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
  kvui_set_warnings(${name})
  install(TARGETS ${name} EXPORT kvuiTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/interfaces/${name}/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kvui/interfaces/${name} FILES_MATCHING PATTERN "*.h")
  install(FILES ${KVUI_GENERATED_DIR}/interfaces/${name}/${name}_export.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kvui/interfaces/${name})
endfunction()

# kvui_add_library(<name>): the shared widget library that subsystems fold into.
function(kvui_add_library name)
  add_library(${name} SHARED)
  add_library(kvui::${name} ALIAS ${name})
  generate_export_header(${name} EXPORT_FILE_NAME ${KVUI_GENERATED_DIR}/${name}_export.h)
  set_target_properties(${name} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}>
    $<BUILD_INTERFACE:${KVUI_GENERATED_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/kvui>)
endfunction()

# kvui_add_subsystem(<folder> [LIBS <deps>...]): every source of the folder becomes
# an object library folded into kvui; its headers are installed under kvui/<folder>.
function(kvui_add_subsystem folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/${folder}/*.cpp
    ${CMAKE_SOURCE_DIR}/${folder}/*.h
    ${CMAKE_SOURCE_DIR}/${folder}/*.qrc)
  # A folder that holds no source yet adds nothing (the glob above still
  # notices its first file).
  if(NOT sources)
    return()
  endif()
  set(target kvui_${folder})
  add_library(${target} OBJECT ${sources})
  set_target_properties(${target} PROPERTIES AUTOMOC ON AUTORCC ON)
  # Object files of kvui are compiled as part of kvui: export, not import.
  target_compile_definitions(${target} PRIVATE kvui_EXPORTS)
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR} ${KVUI_GENERATED_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_LIBS})
  kvui_set_warnings(${target})
  target_sources(kvui PRIVATE $<TARGET_OBJECTS:${target}>)
  target_link_libraries(kvui PUBLIC ${ARG_LIBS})
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/${folder}/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kvui/${folder} FILES_MATCHING PATTERN "*.h")
endfunction()

function(kvui_finish_library name)
  install(TARGETS ${name} EXPORT kvuiTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${KVUI_GENERATED_DIR}/${name}_export.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kvui)
  # The same library is the Qt Designer plugin: make it findable there too.
  install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/qt5/plugins/designer\")
    execute_process(COMMAND \${CMAKE_COMMAND} -E create_symlink ../../../libkvui.so
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/qt5/plugins/designer/libkvui.so\")")
endfunction()

# kvui_add_tests(<folder> [LIBS <deps>...]): one executable per tests/<folder>/tst_*.cpp,
# each registered with CTest as <folder>/<name>.
function(kvui_add_tests folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/tst_*.cpp)
  foreach(source ${tests})
    get_filename_component(name ${source} NAME_WE)
    set(target ${folder}_${name})
    add_executable(${target} ${source})
    set_target_properties(${target} PROPERTIES AUTOMOC ON AUTORCC ON OUTPUT_NAME ${name}
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/${folder})
    target_link_libraries(${target} PRIVATE kvui_testsupport Qt5::Test ${ARG_LIBS})
    target_compile_definitions(${target} PRIVATE
      KVUI_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      KVUI_BINARY_DIR="${CMAKE_BINARY_DIR}")
    kvui_set_warnings(${target})
    add_test(NAME ${folder}/${name} COMMAND ${target})
    set_tests_properties(${folder}/${name} PROPERTIES TIMEOUT 300 LABELS ${folder})
  endforeach()
endfunction()

# kvui_use_sanitizers(): with KVUI_SANITIZE every target built after the call,
# test programs and kvcloud included, is compiled and linked with AddressSanitizer
# and UndefinedBehaviorSanitizer. Undefined behaviour stops the program rather than
# printing and going on, so the test that reaches it fails. KVUI_FUZZ adds the
# coverage instrumentation libFuzzer steers by (clang only); the fuzz programs link
# the fuzzer's own main (kvui_add_fuzz_target). Sets KVUI_SANITIZER_FLAGS, which a
# program built elsewhere against this tree must use too.
macro(kvui_use_sanitizers)
  set(KVUI_SANITIZER_FLAGS "")
  if(KVUI_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KVUI_FUZZ needs clang++ (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  if(KVUI_SANITIZE OR KVUI_FUZZ)
    set(KVUI_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
      -fno-omit-frame-pointer)
    add_compile_options(${KVUI_SANITIZER_FLAGS})
    add_link_options(${KVUI_SANITIZER_FLAGS})
  endif()
  if(KVUI_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
  # What every test of a sanitizer build runs with. Leaks are reported, except
  # those that lie in the system's libraries (lsan.supp).
  set(KVUI_SANITIZER_ENVIRONMENT
    "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0"
    # Without OpenGL: the GL driver that Qt loads for the web view is unloaded
    # before the leak check, and what it keeps is then reported without a
    # single frame to tell it from ours. The web view draws in software.
    "QT_XCB_GL_INTEGRATION=none")
endmacro()

# kvui_add_fuzz_target(<name> [LIBS <deps>...]): tests/fuzz/fuzz_<name>.cpp defines
# LLVMFuzzerTestOneInput. In every build it is linked with the replay driver
# (kvui_fuzzreplay) into replay_<name>, registered with CTest as fuzz/<name>,
# which runs each file of tests/fuzz/corpus/<name> through the function once.
# With KVUI_FUZZ it is also linked with libFuzzer into fuzz_<name>, which
# scripts/fuzz.sh runs.
function(kvui_add_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  set(source ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/fuzz_${name}.cpp)
  set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${name})
  set(targets replay_${name})
  add_executable(replay_${name} ${source})
  target_link_libraries(replay_${name} PRIVATE kvui_fuzzreplay)
  add_test(NAME fuzz/${name} COMMAND replay_${name} ${corpus})
  set_tests_properties(fuzz/${name} PROPERTIES TIMEOUT 300 LABELS fuzz)
  if(KVUI_FUZZ)
    add_executable(fuzz_${name} ${source})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    list(APPEND targets fuzz_${name})
  endif()
  foreach(target ${targets})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/fuzz)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/fuzz)
    target_link_libraries(${target} PRIVATE kvui_fuzzsupport ${ARG_LIBS})
    kvui_set_warnings(${target})
  endforeach()
endfunction()

# kvui_add_translations(<target> <name> FOLDERS <folder>...): the catalogues
# translations/<folder>_<language>.ts of each folder, compiled with lrelease and
# embedded into target as the Qt resource <name>, under ":/i18n/", where
# kvui::SetLanguage looks for them. A static library's target must run
# Q_INIT_RESOURCE(<name>) before the first SetLanguage. scripts/lupdate.sh
# refreshes the catalogues from the sources.
function(kvui_add_translations target name)
  cmake_parse_arguments(ARG "" "" "FOLDERS" ${ARGN})
  set(ts_files "")
  foreach(folder ${ARG_FOLDERS})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/${folder}_*.ts)
    list(APPEND ts_files ${found})
  endforeach()
  set(qm_dir ${CMAKE_CURRENT_BINARY_DIR}/${name})
  set(qm_files "")
  set(entries "")
  foreach(ts ${ts_files})
    get_filename_component(base ${ts} NAME_WE)
    set(qm ${qm_dir}/${base}.qm)
    # Only finished translations are compiled: lupdate proposes unfinished
    # ones from similar texts, which no translator has confirmed. A text
    # without one shows as written.
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${qm_dir}
      COMMAND Qt5::lrelease -silent -nounfinished ${ts} -qm ${qm}
      DEPENDS ${ts} Qt5::lrelease
      VERBATIM)
    list(APPEND qm_files ${qm})
    string(APPEND entries "    <file alias=\"${base}.qm\">${qm}</file>\n")
  endforeach()
  set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${name}.qrc)
  file(GENERATE OUTPUT ${qrc} CONTENT
    "<RCC>\n  <qresource prefix=\"/i18n\">\n${entries}  </qresource>\n</RCC>\n")
  set(cpp ${CMAKE_CURRENT_BINARY_DIR}/qrc_${name}.cpp)
  add_custom_command(OUTPUT ${cpp}
    COMMAND Qt5::rcc --name ${name} --output ${cpp} ${qrc}
    DEPENDS ${qrc} ${qm_files} Qt5::rcc
    COMMENT "Embedding the translations ${name}"
    VERBATIM)
  set_source_files_properties(${cpp} PROPERTIES GENERATED TRUE SKIP_AUTOGEN TRUE)
  target_sources(${target} PRIVATE ${cpp})
endfunction()
