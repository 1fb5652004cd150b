// The program's windows as the Wine tests' helpers find them from outside:
// all are top-level windows of the class TremoluxWindow.
#pragma once

#include <windows.h>

#include <string>

// The main window: owned, hidden, without a caption, and not a tool window
// (the owner and the strip are).
inline HWND MainWindow(const wchar_t* className) {
    for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window;
         window = FindWindowExW(nullptr, window, className, nullptr)) {
        const LONG style = GetWindowLongW(window, GWL_STYLE);
        const LONG extended = GetWindowLongW(window, GWL_EXSTYLE);
        if (GetWindow(window, GW_OWNER) && (style & WS_CAPTION) != WS_CAPTION &&
            !(extended & WS_EX_TOOLWINDOW))
            return window;
    }
    return nullptr;
}

// The first visible one with a caption: the help window.
inline HWND CaptionedWindow(const wchar_t* className) {
    for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window;
         window = FindWindowExW(nullptr, window, className, nullptr))
        if (IsWindowVisible(window) &&
            (GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION)
            return window;
    return nullptr;
}
