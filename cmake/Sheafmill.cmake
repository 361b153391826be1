# Build helpers shared by every folder: one static library per folder, its sources found by glob.

function(sm_warnings target)
  # C++ only: the resource compiler of the Windows build takes none of these.
  set(cxx $<COMPILE_LANGUAGE:CXX>)
  target_compile_options(${target} PRIVATE $<${cxx}:-Wall> $<${cxx}:-Wextra> $<${cxx}:-Wpedantic>
                                           $<${cxx}:-Wshadow> $<${cxx}:-Wconversion>
                                           $<${cxx}:-Wno-sign-conversion>)
  if(SHEAFMILL_WERROR)
    target_compile_options(${target} PRIVATE $<${cxx}:-Werror>)
  endif()
endfunction()

# sm_library(NAME [DIR dir] [DEPS lib...] [EXCLUDE file...]): a static library of the *.cpp
# files of DIR (default: the current folder) but the EXCLUDEd ones (a program's main), with
# the repository root on its include path.
function(sm_library name)
  cmake_parse_arguments(ARG "" "DIR" "DEPS;EXCLUDE" ${ARGN})
  if(NOT ARG_DIR)
    set(ARG_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp)
  foreach(excluded ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${ARG_DIR}/${excluded})
  endforeach()
  file(GLOB headers CONFIGURE_DEPENDS ${ARG_DIR}/*.h)
  if(NOT sources)
    # Headers only so far: nothing to compile, but dependents still see the include path.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  sm_warnings(${name})
endfunction()

# sm_tests(NAME DIR dir DEPS lib... [LABELS label...] [LOCK resource]): one GoogleTest
# executable of the *.cpp files of DIR, registered with ctest. Tests with the same LOCK (a
# resource outside the test's own folders, such as a registry key) run one at a time.
function(sm_tests name)
  cmake_parse_arguments(ARG "" "DIR;LOCK" "DEPS;LABELS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} sm_testsupport GTest::gtest_main GTest::gmock)
  sm_warnings(${name})
  set(labels unit)
  if(ARG_LABELS)
    set(labels ${ARG_LABELS})
  endif()
  # Tests on the display share its pointer, keyboard focus and screen: one at a time, also
  # under ctest -j.
  set(lock "")
  if(ARG_LOCK)
    set(lock RESOURCE_LOCK ${ARG_LOCK})
  elseif("gui" IN_LIST labels)
    set(lock RESOURCE_LOCK display)
  endif()
  gtest_discover_tests(${name} PROPERTIES LABELS "${labels}" ${lock} DISCOVERY_TIMEOUT 60)
endfunction()

# sm_install_beside_programs(TARGET): installs an executable that finds the project's own
# programs in "programs" beside itself into the private folder that holds them
# (SHEAFMILL_INSTALL_FOLDER), with a link of its name in the folder of executables.
function(sm_install_beside_programs target)
  set(folder ${SHEAFMILL_INSTALL_FOLDER})
  install(TARGETS ${target} RUNTIME DESTINATION ${folder})
  file(RELATIVE_PATH link_target /${CMAKE_INSTALL_BINDIR} /${folder}/${target})
  set(link ${PROJECT_BINARY_DIR}/bin-links/${target})
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/bin-links)
  file(CREATE_LINK ${link_target} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
