// Functions that older Windows lack (XP most of all), looked up at run time
// with the modules they come from: null where missing, and the program does
// without them. Nothing here is imported, so XP's loader starts the program.
#pragma once

#include "platform/win32/ScopedWin.h"

namespace tremolux::win32 {

class LateBound {
public:
    LateBound();

    // user32
    BOOL(WINAPI* isHungAppWindow)(HWND) = nullptr;
    UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;  // Windows 10 1607
    BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
    BOOL(WINAPI* changeWindowMessageFilterEx)(HWND, UINT, DWORD, void*) = nullptr;  // Windows 7
    BOOL(WINAPI* changeWindowMessageFilter)(UINT, DWORD) = nullptr;                 // Vista
    // shell32, Vista
    HRESULT(WINAPI* queryUserNotificationState)(int*) = nullptr;
    // dwmapi, Vista
    HRESULT(WINAPI* dwmGetWindowAttribute)(HWND, DWORD, void*, DWORD) = nullptr;
    // the Common Controls 6, Vista
    HRESULT(WINAPI* loadIconWithScaleDown)(HINSTANCE, PCWSTR, int, int, HICON*) = nullptr;

private:
    OwnedLibrary dwmapi_;
    OwnedLibrary comctl32_;
};

}  // namespace tremolux::win32
