#include "platform/win32/LateBound.h"

#include <cwchar>

namespace tremolux::win32 {

namespace {

// A function of the module by name, as the pointer type it is assigned to;
// null where the module or the function is missing.
class FunctionOf {
public:
    FunctionOf(HMODULE module, const char* name)
        : address_(module ? ::GetProcAddress(module, name) : nullptr) {}
    template <typename Function>
    operator Function() const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(address_));
    }

private:
    FARPROC address_;
};

// A DLL of the system's own, by its full path, so that no copy beside the
// program or in the current folder is taken for it; null where the system
// has none (dwmapi.dll before Vista).
HMODULE SystemLibrary(const wchar_t* name) {
    wchar_t path[MAX_PATH + 1] = {};
    const UINT length = ::GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + 1 + std::wcslen(name) >= MAX_PATH) return nullptr;
    path[length] = L'\\';
    std::wcscpy(path + length + 1, name);
    return ::LoadLibraryW(path);
}

}  // namespace

LateBound::LateBound() {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    isHungAppWindow = FunctionOf(user32, "IsHungAppWindow");
    getDpiForWindow = FunctionOf(user32, "GetDpiForWindow");
    adjustWindowRectExForDpi = FunctionOf(user32, "AdjustWindowRectExForDpi");
    changeWindowMessageFilterEx = FunctionOf(user32, "ChangeWindowMessageFilterEx");
    changeWindowMessageFilter = FunctionOf(user32, "ChangeWindowMessageFilter");
    queryUserNotificationState =
        FunctionOf(::GetModuleHandleW(L"shell32.dll"), "SHQueryUserNotificationState");
    dwmapi_.reset(SystemLibrary(L"dwmapi.dll"));
    dwmGetWindowAttribute = FunctionOf(dwmapi_.get(), "DwmGetWindowAttribute");
    // By name: the manifest's Common Controls 6, which alone has it, are
    // found through the program's activation context.
    comctl32_.reset(::LoadLibraryW(L"comctl32.dll"));
    loadIconWithScaleDown = FunctionOf(comctl32_.get(), "LoadIconWithScaleDown");
}

}  // namespace tremolux::win32
