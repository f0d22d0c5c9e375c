# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Helpers shared by the module folders. Every source is listed by name, so a
# file that goes missing fails the build instead of dropping out of it.

# brindolo_module(NAME SOURCES file... [DEPS lib...]): the static library
# brindolo_NAME from the listed files of the calling folder.
function(brindolo_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(brindolo_${name} STATIC ${ARG_SOURCES})
  target_include_directories(brindolo_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(brindolo_${name} PUBLIC ${ARG_DEPS})
  target_compile_options(brindolo_${name} PRIVATE -Wall -Wextra)
endfunction()

# brindolo_loadable_module(NAME SOURCES file... [DEPS lib...]): the module
# bin/modules/NAME.so (target module_NAME), which the game loads with
# module_loader.h the first time it needs it, so that the libraries only the
# module uses are neither linked nor loaded at the game's start. Only its
# extern "C" entry points are exported: its own code is built hidden, and the
# static libraries it links (a copy of their code, beside the game's own) are
# kept local. Building the game builds every module; Install.cmake installs
# them beside it.
function(brindolo_loadable_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  set(target module_${name})
  add_library(${target} MODULE ${ARG_SOURCES})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${name}
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/modules
    CXX_VISIBILITY_PRESET hidden
    C_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PRIVATE ${ARG_DEPS})
  # Symbols left unresolved are allowed: in the fuzz build the sanitizers'
  # run-time comes from the executable. module_loader.h resolves every symbol
  # as it loads a module, so a missing one fails there, not in a call.
  target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL)
  # Every shared object names the C library it runs on (Debian's policy), also
  # a module that reaches it only through Qt, which the linker would drop. By
  # its file name: "-lc" finds the linker script, whose library the linker
  # leaves out all the same.
  target_link_libraries(${target} PRIVATE "-Wl,--push-state,--no-as-needed" "-l:libc.so.6" "-Wl,--pop-state")
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  set_property(GLOBAL APPEND PROPERTY BRINDOLO_LOADABLE_MODULES ${target})
  # The game's target is made after the libraries' folders, so the call waits
  # for the end of the configuration; a deferred call would read ${target}
  # only then, so it is written out now.
  cmake_language(EVAL CODE
    "cmake_language(DEFER DIRECTORY \"${PROJECT_SOURCE_DIR}\" CALL add_dependencies brindolo ${target})")
endfunction()

# brindolo_executable(TARGET FOLDER SOURCES file... LIBS lib...): a test or
# benchmark program in build/FOLDER that knows the source and build folders.
function(brindolo_executable target folder)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${folder})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  target_compile_definitions(${target} PRIVATE
    BRINDOLO_SOURCE_DIR="${PROJECT_SOURCE_DIR}" BRINDOLO_BINARY_DIR="${CMAKE_BINARY_DIR}")
endfunction()

# brindolo_test(NAME SOURCES file... [LIBS lib...]): one GoogleTest executable
# test_NAME from the listed files, each test case registered with CTest.
# Widget tests run on Qt's offscreen platform (the test main sets it). The
# sanitizers' options come from scripts/test's environment, which the
# programs the tests start inherit too: gtest_discover_tests would cut an
# ENVIRONMENT list after its first entry.
function(brindolo_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  brindolo_executable(test_${name} tests SOURCES ${ARG_SOURCES} LIBS ${ARG_LIBS} brindolo_test_support)
  target_compile_definitions(test_${name} PRIVATE
    BRINDOLO_CORPUS_DIR="${PROJECT_SOURCE_DIR}/tests/data/jpeg-corpus")
  gtest_discover_tests(test_${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
