// Everything the program asks of the desktop. The logic calls nothing else,
// so it runs the same over Win32 and over the simulated desktop. Operations
// keep the platform's names and argument order; a binding converts where the
// platform wants other types (UTF-8 texts become UTF-16 for the wide API).
#pragma once

#include <cstdint>

#include "port/Types.h"
#include "port/WinConstants.h"

namespace tremolux {

// The program's own windows, as the window framework knows them.
enum class ProgramWindow { Main, Strip, Help };
constexpr ProgramWindow kProgramWindows[] = {ProgramWindow::Main, ProgramWindow::Strip,
                                             ProgramWindow::Help};

class DesktopPort {
public:
    virtual ~DesktopPort() = default;

    // Single-instance token.
    virtual KernelHandle OpenEventA(std::uint32_t desiredAccess, bool inheritHandle,
                                    const char* name) = 0;
    virtual KernelHandle CreateEventA(bool manualReset, bool initialState, const char* name) = 0;
    virtual bool CloseHandle(KernelHandle handle) = 0;
    virtual std::uint32_t GetLastError() = 0;

    // The user's UI language, a LANGID (Windows 2000 and later, XP too).
    virtual std::uint16_t GetUserDefaultUILanguage() = 0;

    // Desktop state and input. A failed read returns false and leaves its
    // output as it was.
    virtual bool SystemParametersInfoA(std::uint32_t action, std::uint32_t param, Rect* value,
                                       std::uint32_t winIni) = 0;
    virtual bool GetCursorPos(Point* point) = 0;
    virtual std::int32_t GetSystemMetrics(std::int32_t index) = 0;
    virtual std::int16_t GetAsyncKeyState(std::int32_t virtualKey) = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // Milliseconds since the system started, wrapping after 49.7 days.
    virtual std::uint32_t GetTickCount() = 0;
    // The mouse's last points, up to count of them, newest first, the first
    // being the point given (where the cursor is): the path it took between
    // two reads. The number of points, or -1 when the point given is not in
    // the path (the cursor was put there, not moved) or the call fails.
    virtual std::int32_t GetMouseMovePointsEx(Point current, MouseMovePoint* points,
                                              std::int32_t count) = 0;
    // The monitor that holds the point; with MONITOR_DEFAULTTONULL, 0 when
    // no monitor does.
    virtual MonitorHandle MonitorFromPoint(Point point, std::uint32_t flags) = 0;
    // The monitor that holds the most of the rectangle; with
    // MONITOR_DEFAULTTONULL, 0 when none holds any of it, and with
    // MONITOR_DEFAULTTONEAREST the one nearest to it.
    virtual MonitorHandle MonitorFromRect(const Rect& rect, std::uint32_t flags) = 0;
    virtual bool GetMonitorInfoW(MonitorHandle monitor, MonitorInfo* info) = 0;
    // What the user is doing, as the shell judges it before it shows a
    // notification: S_OK with one of the QUNS_ states, or a failure.
    virtual std::int32_t SHQueryUserNotificationState(std::int32_t* state) = 0;

    // Windows of other programs.
    virtual WindowHandle GetForegroundWindow() = 0;
    virtual bool GetWindowRect(WindowHandle window, Rect* rect) = 0;
    virtual bool IsWindowEnabled(WindowHandle window) = 0;
    virtual bool EnableWindow(WindowHandle window, bool enable) = 0;
    virtual bool IsZoomed(WindowHandle window) = 0;
    // GWL_STYLE and the like; 0 for no window.
    virtual std::int32_t GetWindowLongW(WindowHandle window, std::int32_t index) = 0;
    // The show state and the restored rectangle, which SetWindowPlacement
    // takes back as GetWindowPlacement gave it; screen coordinates on both
    // sides (the platform's are workspace coordinates).
    virtual bool GetWindowPlacement(WindowHandle window, WindowPlacement* placement) = 0;
    virtual bool SetWindowPlacement(WindowHandle window, const WindowPlacement& placement) = 0;
    virtual bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x,
                              std::int32_t y, std::int32_t cx, std::int32_t cy,
                              std::uint32_t flags) = 0;
    virtual bool CloseWindow(WindowHandle window) = 0;
    virtual bool ShowWindow(WindowHandle window, std::int32_t command) = 0;
    virtual bool SetForegroundWindow(WindowHandle window) = 0;
    virtual bool BringWindowToTop(WindowHandle window) = 0;
    virtual WindowHandle SetFocus(WindowHandle window) = 0;
    virtual WindowHandle FindWindowA(const char* className, const char* windowName) = 0;
    // The thread that made the window, and its process when processId is
    // not null; 0 for no window.
    virtual std::uint32_t GetWindowThreadProcessId(WindowHandle window,
                                                   std::uint32_t* processId) = 0;
    virtual std::uint32_t GetCurrentProcessId() = 0;
    virtual std::uint32_t GetCurrentThreadId() = 0;
    virtual bool GetGUIThreadInfo(std::uint32_t threadId, GuiThreadInfo* info) = 0;
    virtual bool IsIconic(WindowHandle window) = 0;
    // A window whose thread has not taken its messages for a while.
    virtual bool IsHungAppWindow(WindowHandle window) = 0;
    // The mandatory integrity level (kMandatory...Rid) of the process's
    // token, TokenIntegrityLevel; false where it cannot be read, and on
    // Windows XP, which has no integrity levels.
    virtual bool GetTokenIntegrityLevel(std::uint32_t processId, std::uint32_t* level) = 0;
    // One thread's input joined to another's (attach true), or parted again.
    virtual bool AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread,
                                   bool attach) = 0;
    // WinEvents of other programs, out of context: the events from eventMin
    // to eventMax of one process (0: every process) reach the program as
    // its events, on its own thread, while the hook lasts; 0 when it cannot
    // be set.
    virtual WinEventHook SetWinEventHook(std::uint32_t eventMin, std::uint32_t eventMax,
                                         std::uint32_t processId, std::uint32_t threadId,
                                         std::uint32_t flags) = 0;
    virtual bool UnhookWinEvent(WinEventHook hook) = 0;
    // The shell's desktop window, and the root of every window.
    virtual WindowHandle GetShellWindow() = 0;
    virtual WindowHandle GetDesktopWindow() = 0;
    // Copies at most size - 1 characters of the class name and a terminating
    // zero; returns the characters copied, 0 on failure.
    virtual std::int32_t GetClassNameA(WindowHandle window, char* className, std::int32_t size) = 0;
    // The cursor shown on the screen now, whichever program set it; and one
    // of the system's own cursors by its id (LoadCursorW with no module).
    virtual bool GetCursorInfo(CursorHandle* cursor) = 0;
    virtual CursorHandle LoadCursorW(std::uint32_t systemCursorId) = 0;
    virtual std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message,
                                       std::uintptr_t wParam, std::intptr_t lParam) = 0;
    virtual bool PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;

    // Shell automation, late-bound by name. Create returns null when the
    // object cannot be made; Invoke on null does nothing.
    virtual AutomationObject CreateAutomationObject(const char* progId) = 0;
    virtual bool InvokeAutomationMethod(AutomationObject object, const char* method) = 0;
    virtual void ReleaseAutomationObject(AutomationObject object) = 0;

    // The program's own windows.
    virtual void LoadWindow(ProgramWindow window, bool modal) = 0;
    // Sets the visible flag; for a window loaded modally it returns when the
    // window has been closed.
    virtual void ShowProgramWindow(ProgramWindow window) = 0;
    virtual WindowHandle ProgramWindowHandle(ProgramWindow window) = 0;
    virtual void CloseMainWindow() = 0;
    // The strip is moved and sized without activating it and without a
    // change of its z-order.
    virtual void SetStripRect(std::int32_t left, std::int32_t top, std::int32_t width,
                              std::int32_t height) = 0;
    // SetWindowPos(strip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE).
    virtual void SetStripTopmost() = 0;
    // The strip hidden, or shown again without taking the activation.
    virtual void SetStripVisible(bool visible) = 0;

    // Tray icon and tray menu. Menu items are named by their command ids.
    // An add succeeds when the icon is there afterwards, also when it was
    // there already; NIM_SETVERSION asks for version 4, which Windows XP
    // does not have; NIM_SETFOCUS hands the keyboard focus back to the
    // notification area.
    virtual bool Shell_NotifyIconA(std::uint32_t message, const char* tip) = 0;
    virtual bool CheckMenuItem(std::uint32_t commandId, bool checked) = 0;
    virtual bool IsMenuItemChecked(std::uint32_t commandId) = 0;
    // Pops up the tray menu, owned by the main window, and returns when it
    // closes; a chosen item then raises its click event.
    virtual bool TrackPopupMenu(std::uint32_t flags, std::int32_t x, std::int32_t y) = 0;

    // The help window's links: the shell's verb on a file or address; a
    // result of 32 or less is a failure. WinExec: above 31 is success.
    virtual std::intptr_t ShellExecuteA(const char* verb, const char* file, std::int32_t show) = 0;
    virtual std::uint32_t WinExec(const char* commandLine, std::int32_t show) = 0;

    // Message boxes: no owner window. Texts are UTF-8.
    virtual std::int32_t MessageBoxA(const char* text, const char* caption, std::uint32_t type) = 0;

    // Registry, with the Win32 status codes. Value data and sizes are bytes.
    virtual std::int32_t RegOpenKeyExA(RegistryKey root, const char* subKey,
                                       std::uint32_t desiredAccess, RegistryKey* key) = 0;
    // Read through the wide API: a text (REG_SZ, REG_EXPAND_SZ) arrives as
    // UTF-8, its size that of the UTF-8 bytes; one that does not convert
    // exactly reads as missing. With data null, reports type and size only.
    // A buffer too small gives ERROR_MORE_DATA with the size needed.
    virtual std::int32_t RegQueryValueExW(RegistryKey key, const char* valueName,
                                          std::uint32_t* type, std::uint8_t* data,
                                          std::uint32_t* size) = 0;
    // Sets a value of a subkey, creating the subkey (and its missing parents)
    // when it does not exist.
    virtual std::int32_t RegSetKeyValueA(RegistryKey root, const char* subKey,
                                         const char* valueName, std::uint32_t type,
                                         const std::uint8_t* data, std::uint32_t size) = 0;
    // The same for a text, UTF-8 here, stored through the wide API with its
    // terminating zero.
    virtual std::int32_t RegSetKeyValueW(RegistryKey root, const char* subKey,
                                         const char* valueName, std::uint32_t type,
                                         const char* text) = 0;
    virtual std::int32_t RegDeleteValueA(RegistryKey key, const char* valueName) = 0;
    virtual std::int32_t RegDeleteKeyA(RegistryKey root, const char* subKey) = 0;
    virtual std::int32_t RegCloseKey(RegistryKey key) = 0;
    // UTF-8 texts through the wide API. Returns the size needed, terminating
    // zero included; 0 on failure.
    virtual std::uint32_t ExpandEnvironmentStringsW(const char* source, char* destination,
                                                    std::uint32_t size) = 0;

    // A file or folder opened (its path UTF-8, through the wide API) with
    // the access, sharing, disposition and flags given; a folder opens with
    // FILE_FLAG_BACKUP_SEMANTICS. 0 where it cannot be. Closed with
    // CloseHandle.
    virtual KernelHandle CreateFileW(const char* path, std::uint32_t access, std::uint32_t share,
                                     std::uint32_t creation, std::uint32_t flags) = 0;
    virtual bool GetFileInformationByHandle(KernelHandle file, FileIdentity* identity) = 0;

    // Full path of the running executable as UTF-8, read through the wide
    // API. Returns the length copied; a result equal to size means the buffer
    // was too small.
    virtual std::uint32_t GetModuleFileNameW(char* buffer, std::uint32_t size) = 0;

    // A timer of one of the program's windows, delivered as its declared
    // tick; SetTimer with a running timer's id starts it afresh.
    virtual bool SetTimer(WindowHandle window, std::uint32_t timerId,
                          std::uint32_t milliseconds) = 0;
    virtual bool KillTimer(WindowHandle window, std::uint32_t timerId) = 0;
    [[noreturn]] virtual void ExitProcess(std::uint32_t exitCode) = 0;
};

}  // namespace tremolux
