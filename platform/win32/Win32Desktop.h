// The desktop port bound to Win32, with the window framework that creates
// the declared windows and units and raises their events. Texts cross the
// port as UTF-8 and reach the wide API as UTF-16; window handles are the
// 32-bit HWND values.
#pragma once

#include <vector>

#include "engine/ProgramState.h"
#include "platform/win32/FrameGeometry.h"
#include "platform/win32/LateBound.h"
#include "platform/win32/Messages.h"
#include "platform/win32/OtherWindows.h"
#include "platform/win32/ScopedWin.h"
#include "platform/win32/TrayIcon.h"
#include "port/DesktopPort.h"

namespace tremolux::win32 {

// Window handles have 32 significant bits on every Windows, so a 64-bit
// build (the one Wine runs where 32-bit code cannot) sign-extends them.
inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(window)));
}

inline WindowHandle ToHandle(HWND hwnd) {
    return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(hwnd));
}

// The window framework of the Win32 build (Win32Windows.cpp), and every
// desktop operation, bound to user32, kernel32, advapi32, shell32 and ole32
// (Win32Desktop.cpp, Win32Registry.cpp).
class Win32Desktop : public DesktopPort {
public:
    Win32Desktop(HINSTANCE instance, ProgramState& state);
    ~Win32Desktop() override;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    // Runs until the main window is gone; returns the quit code.
    int RunMessageLoop();

    KernelHandle OpenEventA(std::uint32_t desiredAccess, bool inheritHandle,
                            const char* name) override;
    KernelHandle CreateEventA(bool manualReset, bool initialState, const char* name) override;
    bool CloseHandle(KernelHandle handle) override;
    std::uint32_t GetLastError() override;
    std::uint16_t GetUserDefaultUILanguage() override;
    KernelHandle CreateFileW(const char* path, std::uint32_t access, std::uint32_t share,
                             std::uint32_t creation, std::uint32_t flags) override;
    bool GetFileInformationByHandle(KernelHandle file, FileIdentity* identity) override;
    bool SystemParametersInfoA(std::uint32_t action, std::uint32_t param, Rect* value,
                               std::uint32_t winIni) override;
    bool GetCursorPos(Point* point) override;
    std::int32_t GetSystemMetrics(std::int32_t index) override;
    std::int16_t GetAsyncKeyState(std::int32_t virtualKey) override;
    void Sleep(std::uint32_t milliseconds) override;
    std::uint32_t GetTickCount() override;
    std::int32_t GetMouseMovePointsEx(Point current, MouseMovePoint* points,
                                      std::int32_t count) override;
    MonitorHandle MonitorFromPoint(Point point, std::uint32_t flags) override;
    MonitorHandle MonitorFromRect(const Rect& rect, std::uint32_t flags) override;
    bool GetMonitorInfoW(MonitorHandle monitor, MonitorInfo* info) override;
    std::int32_t SHQueryUserNotificationState(std::int32_t* state) override;
    WindowHandle GetForegroundWindow() override;
    bool GetWindowRect(WindowHandle window, Rect* rect) override;
    bool IsWindowEnabled(WindowHandle window) override;
    bool EnableWindow(WindowHandle window, bool enable) override;
    bool IsZoomed(WindowHandle window) override;
    std::int32_t GetWindowLongW(WindowHandle window, std::int32_t index) override;
    bool GetWindowPlacement(WindowHandle window, WindowPlacement* placement) override;
    bool SetWindowPlacement(WindowHandle window, const WindowPlacement& placement) override;
    bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x, std::int32_t y,
                      std::int32_t cx, std::int32_t cy, std::uint32_t flags) override;
    bool CloseWindow(WindowHandle window) override;
    bool ShowWindow(WindowHandle window, std::int32_t command) override;
    bool SetForegroundWindow(WindowHandle window) override;
    bool BringWindowToTop(WindowHandle window) override;
    WindowHandle SetFocus(WindowHandle window) override;
    WindowHandle FindWindowA(const char* className, const char* windowName) override;
    std::uint32_t GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId) override;
    std::uint32_t GetCurrentProcessId() override;
    std::uint32_t GetCurrentThreadId() override;
    bool GetGUIThreadInfo(std::uint32_t threadId, GuiThreadInfo* info) override;
    bool IsIconic(WindowHandle window) override;
    bool IsHungAppWindow(WindowHandle window) override;
    bool GetTokenIntegrityLevel(std::uint32_t processId, std::uint32_t* level) override;
    bool AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread,
                           bool attach) override;
    WindowHandle GetShellWindow() override;
    WindowHandle GetDesktopWindow() override;
    std::int32_t GetClassNameA(WindowHandle window, char* className, std::int32_t size) override;
    bool GetCursorInfo(CursorHandle* cursor) override;
    CursorHandle LoadCursorW(std::uint32_t systemCursorId) override;
    std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
    bool PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    AutomationObject CreateAutomationObject(const char* progId) override;
    bool InvokeAutomationMethod(AutomationObject object, const char* method) override;
    void ReleaseAutomationObject(AutomationObject object) override;
    void LoadWindow(ProgramWindow window, bool modal) override;
    void ShowProgramWindow(ProgramWindow window) override;
    WindowHandle ProgramWindowHandle(ProgramWindow window) override;
    void CloseMainWindow() override;
    void SetStripRect(std::int32_t left, std::int32_t top, std::int32_t width,
                      std::int32_t height) override;
    void SetStripTopmost() override;
    void SetStripVisible(bool visible) override;
    bool Shell_NotifyIconA(std::uint32_t message, const char* tip) override;
    bool CheckMenuItem(std::uint32_t commandId, bool checked) override;
    bool IsMenuItemChecked(std::uint32_t commandId) override;
    bool TrackPopupMenu(std::uint32_t flags, std::int32_t x, std::int32_t y) override;
    std::intptr_t ShellExecuteA(const char* verb, const char* file, std::int32_t show) override;
    std::uint32_t WinExec(const char* commandLine, std::int32_t show) override;
    std::int32_t MessageBoxA(const char* text, const char* caption, std::uint32_t type) override;
    std::int32_t RegOpenKeyExA(RegistryKey root, const char* subKey, std::uint32_t desiredAccess,
                               RegistryKey* key) override;
    std::int32_t RegQueryValueExW(RegistryKey key, const char* valueName, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* size) override;
    std::int32_t RegSetKeyValueA(RegistryKey root, const char* subKey, const char* valueName,
                                 std::uint32_t type, const std::uint8_t* data,
                                 std::uint32_t size) override;
    std::int32_t RegSetKeyValueW(RegistryKey root, const char* subKey, const char* valueName,
                                 std::uint32_t type, const char* text) override;
    std::int32_t RegDeleteValueA(RegistryKey key, const char* valueName) override;
    std::int32_t RegDeleteKeyA(RegistryKey root, const char* subKey) override;
    std::int32_t RegCloseKey(RegistryKey key) override;
    std::uint32_t ExpandEnvironmentStringsW(const char* source, char* destination,
                                            std::uint32_t size) override;
    std::uint32_t GetModuleFileNameW(char* buffer, std::uint32_t size) override;
    bool SetTimer(WindowHandle window, std::uint32_t timerId, std::uint32_t milliseconds) override;
    bool KillTimer(WindowHandle window, std::uint32_t timerId) override;
    WinEventHook SetWinEventHook(std::uint32_t eventMin, std::uint32_t eventMax,
                                 std::uint32_t processId, std::uint32_t threadId,
                                 std::uint32_t flags) override;
    bool UnhookWinEvent(WinEventHook hook) override;
    [[noreturn]] void ExitProcess(std::uint32_t exitCode) override;

private:
    // What a window's procedure needs: the framework and which window it is.
    struct Slot {
        Win32Desktop* desktop = nullptr;
        ProgramWindow id = ProgramWindow::Main;
        HWND hwnd = nullptr;
        bool modal = false;
        bool running = false;     // a modal window's own loop is under way
        std::vector<HWND> units;  // in declared order, null where one was not made
        // The fonts its units show, made for its DPI.
        OwnedFont labelFont;
        OwnedFont linkFont;
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Out of context, so that it costs the other programs nothing: the
    // system queues the events and the message loop delivers them here.
    static void CALLBACK WinEventProc(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG object,
                                      LONG child, DWORD thread, DWORD time);
    static Win32Desktop* eventTarget_;
    LRESULT Handle(Slot& slot, UINT message, WPARAM wParam, LPARAM lParam);
    Slot& SlotOf(ProgramWindow window) { return slots_[static_cast<int>(window)]; }
    void CreateUnits(Slot& slot);
    void BuildTrayMenu();
    void RunModal(Slot& slot);
    // Whether a call on this window is to be spared: another program's
    // window whose thread has stopped responding.
    bool Hung(HWND window) const;
    // The visible frame's margins inside the window's rectangle.
    Margins MarginsOf(HWND window) const;
    int DpiOf(HWND window) const;
    // A window that scales with the DPI, laid out for it: at the suggested
    // rectangle when the DPI changed, centred on the primary screen when it
    // is loaded.
    void LayOut(Slot& slot, int dpi, const RECT* suggested);
    ForegroundFacts Foreground() const;

    // In the order they are made: the windows go before the slots they use
    // and the pictures their buttons show.
    HINSTANCE instance_;
    ProgramState& state_;
    LateBound late_;
    TrayIcon trayIcon_;
    OwnedMenu menuBar_;         // "托盘菜单", never shown as a bar
    HMENU trayMenu_ = nullptr;  // its drop-down list, popped up at the icon; the bar owns it
    OwnedBitmap pictures_[2];   // the strip's picture button: normal, pressed
    Slot slots_[3];
    OwnedWindow owner_;  // hidden tool window: keeps the program off the taskbar
    RegisteredMessages registered_;
    // The start and end of every move/size loop, for the main window's
    // handlers; and the hook the program sets and removes itself.
    OwnedWinEventHook moveSizeHook_;
    OwnedWinEventHook hooks_[2];  // a drag's window's process, and the pointer
};

}  // namespace tremolux::win32
