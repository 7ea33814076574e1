# zorvik_sources(<var>): every .cpp of the calling folder and of its subfolders, except subfolders holding a
# CMakeLists.txt of their own (those are targets of their own).
function(zorvik_sources var)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB_RECURSE own_lists CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(own_list IN LISTS own_lists)
    get_filename_component(own_folder ${own_list} DIRECTORY)
    foreach(source IN LISTS sources)
      string(FIND ${source} "${own_folder}/" at)
      if(at EQUAL 0)
        list(REMOVE_ITEM sources ${source})
      endif()
    endforeach()
  endforeach()
  set(${var} ${sources} PARENT_SCOPE)
endfunction()

# zorvik_library(<target> DEPS <libs...> INCLUDES <dirs...>): a static library of every .cpp in the calling
# folder and its subfolders (an interface library while they hold headers only).
function(zorvik_library target)
  cmake_parse_arguments(ARG "" "" "DEPS;INCLUDES" ${ARGN})
  zorvik_sources(sources)
  if(sources)
    add_library(${target} STATIC ${sources})
    set(scope PUBLIC)
  else()
    add_library(${target} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${target} ${scope} ${PROJECT_SOURCE_DIR} ${ARG_INCLUDES})
  target_link_libraries(${target} ${scope} ${ARG_DEPS})
endfunction()

# zorvik_tests(<library> DEPS <libs...>): one GoogleTest executable of every .cpp in the calling folder and
# its subfolders, registered with CTest. Test suites whose name ends in "Display" get the "display" label (they need an X
# server); the others run headless with SDL's dummy drivers.
function(zorvik_tests library)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  zorvik_sources(sources)
  if(NOT sources)
    return()
  endif()
  set(target ${library}_tests)
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${library} ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_FILTER "-*Display.*"
                       TEST_LIST ${target}_HEADLESS)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_FILTER "*Display.*" TEST_SUFFIX ".display"
                       TEST_LIST ${target}_DISPLAY PROPERTIES LABELS display)
  # Discovery's own PROPERTIES split a list value, so environments with several variables are set by a
  # script that runs after the discovered tests are defined.
  set(environment_script ${CMAKE_CURRENT_BINARY_DIR}/${target}_environment.cmake)
  file(WRITE ${environment_script}
    "if(${target}_HEADLESS)\n"
    "  set_tests_properties(\${${target}_HEADLESS} PROPERTIES ENVIRONMENT\n"
    "    \"SDL_AUDIODRIVER=dummy;SDL_VIDEODRIVER=dummy;ZORVIK_NO_POWEROFF=1\")\n"
    "endif()\n"
    "if(${target}_DISPLAY)\n"
    "  set_tests_properties(\${${target}_DISPLAY} PROPERTIES ENVIRONMENT \"ZORVIK_NO_POWEROFF=1\")\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${environment_script})
endfunction()
