# zorvik_library(<target> DEPS <libs...>): a static library of every .cpp in the calling folder.
function(zorvik_library target)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_DEPS})
endfunction()

# zorvik_tests(<library>): one GoogleTest executable of every .cpp in the calling folder, registered with
# CTest. Test suites whose name ends in "Display" get the "display" label (they need an X server).
function(zorvik_tests library)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(target ${library}_tests)
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${library} ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_FILTER "-*Display*"
                       PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy;SDL_VIDEODRIVER=dummy;ZORVIK_NO_POWEROFF=1")
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_FILTER "*Display*" TEST_SUFFIX ".display"
                       PROPERTIES LABELS display ENVIRONMENT "ZORVIK_NO_POWEROFF=1")
endfunction()
