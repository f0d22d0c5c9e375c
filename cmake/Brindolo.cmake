# Helpers shared by the module folders.

# brindolo_module(NAME [DEPS lib...]): one static library brindolo_NAME from
# every .cpp/.h of the calling folder.
function(brindolo_module name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources INCLUDE REGEX "\\.cpp$|\\.h$")
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(cpp)
    add_library(brindolo_${name} STATIC ${sources})
    target_include_directories(brindolo_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(brindolo_${name} PUBLIC ${ARG_DEPS})
    target_compile_options(brindolo_${name} PRIVATE -Wall -Wextra)
  else()
    add_library(brindolo_${name} INTERFACE)
    target_include_directories(brindolo_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(brindolo_${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# brindolo_test(NAME [LIBS lib...]): one GoogleTest executable test_NAME from
# every .cpp of the calling folder, each test case registered with CTest.
# Widget tests run on Qt's offscreen platform (the test main sets it).
function(brindolo_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  set_target_properties(test_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(test_${name} PRIVATE ${ARG_LIBS} brindolo_test_support)
  target_compile_definitions(test_${name} PRIVATE
    BRINDOLO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    BRINDOLO_BINARY_DIR="${CMAKE_BINARY_DIR}"
    BRINDOLO_CORPUS_DIR="${PROJECT_SOURCE_DIR}/tests/data/jpeg-corpus")
  gtest_discover_tests(test_${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()
