// The program's icon in the notification area: one owner of its notify
// data and of its image at the size the shell shows for the DPI, renewed
// when a new taskbar comes up or the DPI changes.
#pragma once

#include "platform/win32/LateBound.h"
#include "platform/win32/ScopedWin.h"

namespace tremolux::win32 {

class TrayIcon {
public:
    TrayIcon(HINSTANCE instance, const LateBound& late) : instance_(instance), late_(late) {}
    // The window whose notifications the icon sends, the main window.
    void AttachTo(HWND window) { window_ = window; }

    // Shows the icon with its tooltip; true when it is there afterwards.
    bool Add(const char* tip);
    bool Remove();
    // Makes it a version-4 icon, which the keyboard reaches (Vista and
    // later); hands the keyboard focus back to the notification area.
    bool SetVersion4();
    bool Focus();
    // The image for the DPI, loaded when the size it needs is another.
    void LoadForDpi(int dpi);
    // An icon shown takes the image loaded last.
    void ShowImage();

private:
    HINSTANCE instance_;
    const LateBound& late_;
    HWND window_ = nullptr;
    OwnedIcon image_;
    int size_ = 0;  // the size image_ was loaded at
};

}  // namespace tremolux::win32
