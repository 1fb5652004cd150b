# The Windows build: tremolux.exe, a GUI-subsystem program linked statically
# so that it needs no DLL beyond Windows' own, with its resources compiled by
# windres.
#
# Lean: the program throws and catches nothing and asks nothing of RTTI, so
# it is built without either, its unused sections collected, whole-program
# optimized, with the runtime's pieces it needs in their smallest form
# (Runtime.cpp). Reproducible: no link timestamp and no build folder in the
# binary, so two builds of one commit give the same bytes anywhere.
enable_language(RC)

set(TREMOLUX_WIN32_DEFINITIONS _WIN32_WINNT=0x0501 WINVER=0x0501 NOMINMAX WIN32_LEAN_AND_MEAN)
target_compile_definitions(tremolux_core PUBLIC ${TREMOLUX_WIN32_DEFINITIONS})
set(TREMOLUX_LEAN_OPTIONS -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-ident
  -ffunction-sections -fdata-sections
  -ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
foreach(library tremolux_core tremolux_win32_decisions)
  target_compile_options(${library} PRIVATE ${TREMOLUX_LEAN_OPTIONS})
  set_property(TARGET ${library} PROPERTY INTERPROCEDURAL_OPTIMIZATION ON)
endforeach()

add_executable(tremolux WIN32
  platform/win32/Main.cpp
  platform/win32/Win32Windows.cpp
  platform/win32/Win32Desktop.cpp
  platform/win32/TrayIcon.cpp
  platform/win32/LateBound.cpp
  platform/win32/Win32Registry.cpp
  platform/win32/Text.cpp
  platform/win32/Units.cpp
  platform/win32/Runtime.cpp
  platform/win32/tremolux.rc
)
target_link_libraries(tremolux PRIVATE tremolux_win32_decisions tremolux_core
  user32 gdi32 shell32 ole32 oleaut32 advapi32 kernel32)
target_compile_options(tremolux PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${TREMOLUX_LEAN_OPTIONS}>)
set_property(TARGET tremolux PROPERTY INTERPROCEDURAL_OPTIMIZATION ON)
# The link-time optimization in one partition: split into several, GCC 12
# for i686 stops with an internal error (binds_to_current_def_p) on a
# symbol that one partition sees defined in another.
target_link_options(tremolux PRIVATE -static -static-libgcc -static-libstdc++ -s
  -Wl,--gc-sections -Wl,--no-insert-timestamp -flto-partition=one)
# The process starts at TremoluxEntry (Runtime.cpp), without the C
# runtime's start files. Its TLS support is asked for by name: linked
# without the start files, and so without a definition of _tls_used, ld 2.40
# crashes filling in the TLS directory. The 32-bit program is laid out by
# tremolux.ld, without unwind tables and with fewer sections.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  target_link_options(tremolux PRIVATE -nostartfiles -Wl,-e,_TremoluxEntry -Wl,-u,__tls_used
    -Wl,-T,${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/tremolux.ld)
  set_property(TARGET tremolux APPEND PROPERTY LINK_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/tremolux.ld)
else()
  target_link_options(tremolux PRIVATE -nostartfiles -Wl,-e,TremoluxEntry -Wl,-u,_tls_used)
endif()
# The manifest, whose text is kept lean as it ships inside the program, asks
# for: the Common Controls 6 (themed message boxes and menus); awareness of
# each monitor's DPI (dpiAwareness for Windows 10 1703 and later, dpiAware
# for Vista to 8.1), so that screen coordinates are real pixels at any
# scaling on every monitor and the halves land where they should; the
# user's own rights with no registry virtualization (asInvoker), so that a
# write under HKEY_LOCAL_MACHINE the user may not make fails, to be made
# under HKEY_CURRENT_USER, rather than land in a per-user copy the program
# knows nothing of; and the Windows versions it was made for. It names the
# build's processor architecture.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(TREMOLUX_ARCHITECTURE amd64)
else()
  set(TREMOLUX_ARCHITECTURE x86)
endif()
configure_file(platform/win32/tremolux.manifest.in tremolux.manifest @ONLY)
target_include_directories(tremolux PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
set_source_files_properties(platform/win32/tremolux.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_CURRENT_BINARY_DIR}/tremolux.manifest;${CMAKE_CURRENT_BINARY_DIR}/generated/Version.h;${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/art/tremolux.ico;${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/art/tremolux-large.ico;${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/art/strip-normal.bmp;${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/art/strip-pressed.bmp")

# Helpers for the Wine tests and the benchmarks.
foreach(helper probe testwin fontfit soak)
  add_executable(${helper} tests/wine/${helper}.cpp)
  target_link_options(${helper} PRIVATE -municode -static -s)
  target_compile_definitions(${helper} PRIVATE UNICODE _UNICODE)
endforeach()
target_sources(probe PRIVATE ${TREMOLUX_TEXTS})
target_link_libraries(probe PRIVATE shell32 version)
target_link_libraries(soak PRIVATE shell32)
foreach(helper probe fontfit soak)
  target_include_directories(${helper} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
    ${CMAKE_CURRENT_BINARY_DIR}/generated)
endforeach()
add_executable(idle WIN32 tests/wine/idle.cpp)
target_link_options(idle PRIVATE -static -s)
