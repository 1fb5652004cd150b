// Owned Windows handles, each freed by its own destructor on every path: a
// handle type with its freeing function, a device context borrowed and
// given back, an object selected into one and put back.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <memory>
#include <type_traits>

namespace tremolux::win32 {

template <auto Free>
struct FreedWith {
    template <typename Handle>
    void operator()(Handle handle) const {
        Free(handle);
    }
};

template <typename Handle, auto Free>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, FreedWith<Free>>;

using OwnedFont = Owned<HFONT, ::DeleteObject>;
using OwnedBitmap = Owned<HBITMAP, ::DeleteObject>;
using OwnedBrush = Owned<HBRUSH, ::DeleteObject>;
using OwnedIcon = Owned<HICON, ::DestroyIcon>;
using OwnedMenu = Owned<HMENU, ::DestroyMenu>;
using OwnedWindow = Owned<HWND, ::DestroyWindow>;
using OwnedLibrary = Owned<HMODULE, ::FreeLibrary>;
using OwnedKernelObject = Owned<HANDLE, ::CloseHandle>;
using OwnedWinEventHook = Owned<HWINEVENTHOOK, ::UnhookWinEvent>;
using OwnedMemoryDC = Owned<HDC, ::DeleteDC>;

// A window's device context (the screen's for none), given back on leaving.
class BorrowedDC {
public:
    explicit BorrowedDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~BorrowedDC() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    BorrowedDC(const BorrowedDC&) = delete;
    BorrowedDC& operator=(const BorrowedDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context, the one it replaced put back on
// leaving; with no object, nothing is selected.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_) ::SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace tremolux::win32
