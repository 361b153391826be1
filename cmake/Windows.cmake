# The Windows build, included by the top-level list when cross-building (mingw-i686.cmake):
# the program's folders as they are, over platform/win32 and ui/win32. The Linux stand-ins
# (drive map, registry file, spooler, PDF driver, LibreOffice hosts), the tools and the
# package are not part of it: there the real driver and the real applications serve.
if(SHEAFMILL_BUILD_TESTS)
  enable_testing()
  # Debian ships GoogleTest as source; it is built here with the cross compiler.
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  include(GoogleTest)
endif()

add_subdirectory(platform)
add_subdirectory(ui)
add_subdirectory(controls)
add_subdirectory(convert)
add_subdirectory(options)
add_subdirectory(app)
if(SHEAFMILL_BUILD_TESTS)
  add_subdirectory(tests)
endif()
