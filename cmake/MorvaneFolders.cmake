# Helpers that turn a folder of sources into a library or a test program,
# so that adding a file needs no edit of the build.

function(morvane_sources out)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp")
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# morvane_test(<name> DIRS <dirs...> LIBS <libs...> [LABEL <label>]):
# one GoogleTest program from every .cpp in the folders, each test
# registered with CTest. LIBS names the main as well (GTest::gtest_main,
# or morvane_test_harness for tests that need the headless desktop).
function(morvane_test name)
  cmake_parse_arguments(T "" "LABEL" "DIRS;LIBS" ${ARGN})
  morvane_sources(src ${T_DIRS})
  if(NOT src)
    return()
  endif()
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock ${T_LIBS})
  morvane_executable_options(${name})
  set(label "unit")
  if(T_LABEL)
    set(label ${T_LABEL})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${label})
endfunction()
