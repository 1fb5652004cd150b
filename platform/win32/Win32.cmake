# The Windows build: the Win32 binding of the desktop port.
add_library(tremolux_win32 STATIC
  platform/win32/Text.cpp
  platform/win32/Win32Registry.cpp
)
target_link_libraries(tremolux_win32 PUBLIC tremolux_core advapi32)
