set(QUORVEX_SKIP "" CACHE STRING
    "Source folders (relative to the top, e.g. tests/shape) to leave out: for building part of a tree that is mid-change")

function(_quorvex_skipped dir result)
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${dir})
  set(skipped FALSE)
  foreach(prefix IN LISTS QUORVEX_SKIP)
    string(FIND "${relative}/" "${prefix}/" position)
    if(position EQUAL 0)
      set(skipped TRUE)
    endif()
  endforeach()
  set(${result} ${skipped} PARENT_SCOPE)
endfunction()

# Adds the subfolders named in ARGN that carry a CMakeLists.txt, so that a
# subsystem can land its folder without touching its parent's list.
function(quorvex_add_subdirectories)
  foreach(dir IN LISTS ARGN)
    _quorvex_skipped(${CMAKE_CURRENT_SOURCE_DIR}/${dir} skipped)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt AND NOT skipped)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# Adds every folder below this one that carries a CMakeLists.txt (for trees of
# leaf folders such as tests/ and bench/, whose inner folders have no list).
function(quorvex_add_leaf_directories)
  file(GLOB_RECURSE lists CONFIGURE_DEPENDS
       RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  list(SORT lists)
  foreach(list_file IN LISTS lists)
    get_filename_component(dir ${list_file} DIRECTORY)
    _quorvex_skipped(${CMAKE_CURRENT_SOURCE_DIR}/${dir} skipped)
    if(NOT skipped)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# quorvex_add_gtest(NAME <name> SOURCES ... [LIBS ...] [QT])
# One GoogleTest executable per test folder. QT marks widget tests, which
# must run without a display (offscreen platform).
function(quorvex_add_gtest)
  cmake_parse_arguments(ARG "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${ARG_NAME} PRIVATE
    QUORVEX_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    QUORVEX_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    QUORVEX_BINARY_DIR="${CMAKE_BINARY_DIR}")
  set_target_properties(${ARG_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  # One variable only: a list does not survive test discovery. Widget tests
  # (QT) pick the offscreen platform themselves when none is set, see
  # tests/support/QtTestEnvironment.cpp.
  set(env "QUORVEX_CLASSES_ROOT=${CMAKE_BINARY_DIR}/tests/classes-root-${ARG_NAME}.ini")
  include(GoogleTest)
  gtest_discover_tests(${ARG_NAME}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    PROPERTIES ENVIRONMENT "${env}"
    DISCOVERY_TIMEOUT 60)
endfunction()

# quorvex_add_script_test(NAME <name> SCRIPT <file> [TIMEOUT s] [LABELS ...])
# A shell test (end-to-end tests drive the real binaries under Xvfb). They
# run one at a time: each has a display of its own, but their timing (key
# polling, window manager round trips) must not depend on how busy the
# machine is with other tests.
function(quorvex_add_script_test)
  cmake_parse_arguments(ARG "" "NAME;SCRIPT;TIMEOUT" "LABELS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_test(NAME ${ARG_NAME}
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_SCRIPT}
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(${ARG_NAME} PROPERTIES
    TIMEOUT ${ARG_TIMEOUT}
    RUN_SERIAL TRUE
    LABELS "e2e;${ARG_LABELS}"
    ENVIRONMENT "QUORVEX_SOURCE_DIR=${PROJECT_SOURCE_DIR};QUORVEX_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# quorvex_add_weston_test(NAME <name> SCRIPT <file> [TIMEOUT s])
# An end-to-end test on a Wayland desktop (tests/support/weston-session.sh),
# labelled `wayland` so that it can be run or left out on its own. It is
# skipped, not failed, where Weston cannot start.
function(quorvex_add_weston_test)
  cmake_parse_arguments(ARG "" "NAME;SCRIPT;TIMEOUT" "" ${ARGN})
  quorvex_add_script_test(NAME ${ARG_NAME} SCRIPT ${ARG_SCRIPT} TIMEOUT ${ARG_TIMEOUT} LABELS wayland)
  set_tests_properties(${ARG_NAME} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()
