# The Windows build: tremolux.exe, a GUI-subsystem program linked statically
# so that it needs no DLL beyond Windows' own, with its resources compiled by
# windres.
enable_language(RC)

set(TREMOLUX_WIN32_DEFINITIONS _WIN32_WINNT=0x0501 WINVER=0x0501 NOMINMAX WIN32_LEAN_AND_MEAN)
target_compile_definitions(tremolux_core PUBLIC ${TREMOLUX_WIN32_DEFINITIONS})

add_executable(tremolux WIN32
  platform/win32/Main.cpp
  platform/win32/Win32Desktop.cpp
  platform/win32/Win32Registry.cpp
  platform/win32/Text.cpp
  platform/win32/Units.cpp
  platform/win32/tremolux.rc
)
target_link_libraries(tremolux PRIVATE tremolux_core
  user32 gdi32 shell32 ole32 oleaut32 uuid advapi32 kernel32)
target_link_options(tremolux PRIVATE -static -static-libgcc -static-libstdc++ -s)
# The manifest names the build's processor architecture.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(TREMOLUX_ARCHITECTURE amd64)
else()
  set(TREMOLUX_ARCHITECTURE x86)
endif()
configure_file(platform/win32/tremolux.manifest.in tremolux.manifest @ONLY)
target_include_directories(tremolux PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
set_source_files_properties(platform/win32/tremolux.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_CURRENT_BINARY_DIR}/tremolux.manifest")

# Helpers for the Wine tests and the benchmark.
foreach(helper probe testwin fontfit)
  add_executable(${helper} tests/wine/${helper}.cpp)
  target_link_options(${helper} PRIVATE -municode -static -s)
  target_compile_definitions(${helper} PRIVATE UNICODE _UNICODE)
endforeach()
target_link_libraries(probe PRIVATE shell32)
target_include_directories(fontfit PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
add_executable(idle WIN32 tests/wine/idle.cpp)
target_link_options(idle PRIVATE -static -s)
