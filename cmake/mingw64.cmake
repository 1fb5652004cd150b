# The same sources for 64-bit Windows (g++-mingw-w64-x86-64): what Wine runs
# on a machine whose kernel cannot run 32-bit code.
set(MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw32.cmake)
