// The process entry of tremolux.exe.
#include <windows.h>
// after windows.h, which it needs
#include <objbase.h>

#include "platform/win32/Win32Desktop.h"
#include "shell/Commands.h"

// The shell automation object lives in a single-threaded apartment; the
// program has no command line.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const bool com = SUCCEEDED(::CoInitialize(nullptr));
    tremolux::ProgramState state;
    {
        tremolux::win32::Win32Desktop desktop(instance, state);
        tremolux::StartProcess(state, desktop);
        desktop.RunMessageLoop();
        tremolux::EndProcess(state, desktop);
    }
    if (com) ::CoUninitialize();
    return 0;
}
