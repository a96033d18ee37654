# gx_layer(name DIRS d... SEES r... [EXCLUDE f...] [OBJECT] [OBJECTS o...]
#          [PUBLIC_LIBS l...] [PRIVATE_LIBS l...])
# Sources are globbed so that adding a file never needs a CMake edit.
# SEES lists the folders the layer may include from; its only include root is
# a folder of links to exactly those, so a wrong include fails to compile.
function(gx_layer name)
  cmake_parse_arguments(L "OBJECT" "" "DIRS;SEES;EXCLUDE;OBJECTS;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  set(srcs)
  foreach(d ${L_DIRS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${d}/*.cpp)
    list(APPEND srcs ${found})
  endforeach()
  foreach(x ${L_EXCLUDE})
    list(REMOVE_ITEM srcs ${CMAKE_SOURCE_DIR}/${x})
  endforeach()
  foreach(o ${L_OBJECTS})
    list(APPEND srcs $<TARGET_OBJECTS:${o}>)
  endforeach()
  gx_include_root(root ${name} ${L_SEES})
  # Headers are checked against the same folders by cmake/CheckIncludes.cmake.
  foreach(d ${L_DIRS})
    string(REPLACE ";" "," sees "${L_SEES}")
    set_property(GLOBAL APPEND PROPERTY GX_INCLUDE_RULES "${d}=${sees}")
  endforeach()
  if(L_OBJECT)
    add_library(${name} OBJECT ${srcs})
  else()
    add_library(${name} STATIC ${srcs})
  endif()
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${L_PUBLIC_LIBS} PRIVATE ${L_PRIVATE_LIBS})
endfunction()

# Makes build/include-roots/<name>/ with a link for each folder in ARGN
# (e.g. grid/base links to the source's grid/base) and returns its path.
function(gx_include_root out name)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${name})
  foreach(folder ${ARGN})
    if(NOT IS_DIRECTORY ${CMAKE_SOURCE_DIR}/${folder})
      message(FATAL_ERROR "${name} sees ${folder}, which is no folder of the source")
    endif()
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    # Only ever a link is made here; an existing one is left as it is.
    if(NOT IS_SYMLINK ${root}/${folder})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# Writes the folders each source folder may include from, one "dir=a,b" a
# line, for the include check that ctest runs.
function(gx_write_include_rules file)
  get_property(rules GLOBAL PROPERTY GX_INCLUDE_RULES)
  list(JOIN rules "\n" text)
  file(WRITE ${file}.tmp "${text}\n")
  file(COPY_FILE ${file}.tmp ${file} ONLY_IF_DIFFERENT)
endfunction()

# gx_test(name DIRS d... LIBS l...): one GoogleTest program per layer, run by ctest.
function(gx_test name)
  cmake_parse_arguments(T "" "" "DIRS;LIBS" ${ARGN})
  set(srcs)
  foreach(d ${T_DIRS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${d}/*.cpp)
    list(APPEND srcs ${found})
  endforeach()
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gx_test_support GTest::gtest)
  target_compile_definitions(${name} PRIVATE GX_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES
    TIMEOUT 900
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endfunction()
