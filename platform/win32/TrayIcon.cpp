#include "platform/win32/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string>

#include "platform/win32/DpiLayout.h"
#include "platform/win32/Resources.h"
#include "platform/win32/Text.h"
#include "shell/Declarations.h"

namespace tremolux::win32 {

namespace {

NOTIFYICONDATAW NotifyData(HWND window, UINT flags, HICON image) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = window;
    data.uID = kTrayIconId;
    data.uFlags = flags;
    data.hIcon = image;
    return data;
}

}  // namespace

// An add can report failure when the shell, busy starting, answered late
// but put the icon up all the same; then the icon is there to be modified,
// and the add counts as done.
bool TrayIcon::Add(const char* tip) {
    NOTIFYICONDATAW data = NotifyData(window_, NIF_MESSAGE | NIF_ICON | NIF_TIP, image_.get());
    data.uCallbackMessage = kTrayMessage;
    const std::wstring text = Widen(tip ? tip : "");
    const std::size_t length = std::min(text.size(), std::size(data.szTip) - 1);
    std::wmemcpy(data.szTip, text.c_str(), length);
    data.szTip[length] = L'\0';
    return ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE ||
           ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool TrayIcon::Remove() {
    NOTIFYICONDATAW data = NotifyData(window_, 0, nullptr);
    return ::Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

// Windows XP knows version 3 at most, and what it would make of a request
// for 4 is not written down: it is not asked.
bool TrayIcon::SetVersion4() {
    if (LOBYTE(LOWORD(::GetVersion())) < 6) return false;
    NOTIFYICONDATAW data = NotifyData(window_, 0, nullptr);
    data.uVersion = win::kNotifyIconVersion4;
    return ::Shell_NotifyIconW(win::kNimSetVersion, &data) != FALSE;
}

bool TrayIcon::Focus() {
    NOTIFYICONDATAW data = NotifyData(window_, 0, nullptr);
    return ::Shell_NotifyIconW(win::kNimSetFocus, &data) != FALSE;
}

void TrayIcon::ShowImage() {
    NOTIFYICONDATAW data = NotifyData(window_, NIF_ICON, image_.get());
    ::Shell_NotifyIconW(NIM_MODIFY, &data);
}

// The image of that size, or a larger one scaled down as crisply as the
// system can (Vista and later); where that is missing, the image the system
// picks for the size. Windows XP, which cannot read the larger sizes, takes
// the largest bitmap. A failed load keeps the image the icon had; so does a
// size it already has (a new taskbar at the same DPI), since loading it
// again only churns memory.
void TrayIcon::LoadForDpi(int dpi) {
    const int size = SmallIconSize(dpi);
    if (image_ && size == size_) return;
    const auto load = [&](int resource) {
        HICON icon = nullptr;
        if (!late_.loadIconWithScaleDown ||
            FAILED(late_.loadIconWithScaleDown(instance_, MAKEINTRESOURCEW(resource), size, size,
                                               &icon)))
            icon = static_cast<HICON>(::LoadImageW(instance_, MAKEINTRESOURCEW(resource),
                                                   IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        return icon;
    };
    HICON icon = FromLargeIcon(size) ? load(kLargeIconResource) : nullptr;
    if (!icon) icon = load(kIconResource);
    if (!icon) return;
    image_.reset(icon);
    size_ = size;
}

}  // namespace tremolux::win32
