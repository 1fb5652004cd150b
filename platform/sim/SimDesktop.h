// The simulated desktop: a deterministic in-memory window manager with keys
// and press bits, a registry, a virtual clock and the program's own windows,
// bound to the desktop port. Every call is traced.
#pragma once

#include <bitset>
#include <cstdint>
#include <deque>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ProgramState.h"
#include "platform/sim/Scenario.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/Trace.h"
#include "port/DesktopPort.h"
#include "shell/Framework.h"
#include "shell/Texts.h"

namespace tremolux::sim {

// The names a scenario gives them, in the order of Operation.
inline constexpr std::string_view kOperationNames[] = {
    "OpenEventA",
    "CreateEventA",
    "SystemParametersInfoA",
    "GetCursorPos",
    "GetSystemMetrics",
    "GetAsyncKeyState",
    "MonitorFromPoint",
    "SHQueryUserNotificationState",
    "GetForegroundWindow",
    "GetWindowRect",
    "EnableWindow",
    "SetWindowPos",
    "CloseWindow",
    "ShowWindow",
    "SetForegroundWindow",
    "BringWindowToTop",
    "FindWindowA",
    "GetWindowThreadProcessId",
    "GetGUIThreadInfo",
    "GetClassNameA",
    "GetCursorInfo",
    "ShellApplication",
    "Shell_NotifyIconA",
    "RegRead",
    "RegWrite",
    "RegDelete",
    "ExpandEnvironmentStringsW",
    "GetModuleFileNameW",
    "ShellExecuteA",
    "WinExec",
    "GetTokenIntegrityLevel",
    "AttachThreadInput",
    "SetWindowPlacement",
};

// A rectangle at (left, top) of the given size, its far edges kept within
// the 32-bit range.
Rect Sized(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
// A rectangle moved by (dx, dy); rectangles at the ends of the 32-bit range
// stay there rather than wrap.
Rect Moved(const Rect& r, std::int64_t dx, std::int64_t dy);

// What the desktop needs of the UI thread that drives it.
class UiThread {
public:
    virtual ~UiThread() = default;
    // Moves the virtual clock on, applying the outside changes that fall due,
    // delivering no message.
    virtual void Block(std::int64_t milliseconds) = 0;
    // Runs a nested message loop until done() holds.
    virtual void RunModal(const std::function<bool()>& done) = 0;
    virtual void StartTimer(WindowHandle window, std::uint32_t id, std::uint32_t interval) = 0;
    // An event for one of the program's windows, delivered in turn.
    virtual void Post(WindowHandle window, const ProgramEvent& event) = 0;
    // A WinEvent the program hooks, delivered in turn on its thread while
    // the process runs, whichever of its windows exist.
    virtual void RaiseWinEvent(const ProgramEvent& event) = 0;
    virtual void StopTimer(WindowHandle window, std::uint32_t id) = 0;
    virtual void StopTimers(WindowHandle window) = 0;
};

// Ends the run of a scenario from deep inside a handler.
struct ProcessExited {
    std::uint32_t code;
};

// A timed command that does not fit the desktop's state, such as an answer
// with no message box open.
struct ScenarioError {
    std::string message;
};

enum class Answer { None, Yes, No, Ok };

class SimDesktop : public DesktopPort {
public:
    explicit SimDesktop(Trace& trace);
    void Attach(UiThread* thread) { thread_ = thread; }

    // Outside changes, as the scenario makes them.
    void SetScreen(std::int32_t width, std::int32_t height);
    void SetWorkArea(const Rect& area) { workArea_ = area; }
    void MoveCursor(std::int32_t x, std::int32_t y);
    void KeyDown(std::int32_t virtualKey);
    void KeyUp(std::int32_t virtualKey);
    // The user presses the left button on NAME's title bar (or, resizing,
    // on its border; or a document's title bar inside NAME) at (x, y): NAME
    // comes to the front and its thread is in a move/size loop on it (or on
    // the document) until the button goes up or the window in the loop is
    // disabled; moved, it follows the pointer, a maximized NAME leaving its
    // maximized state at the first move. The loop's start is raised.
    enum class GrabKind { TitleBar, Border, Document };
    void Grab(std::string_view name, std::int32_t x, std::int32_t y, GrabKind kind);
    void DeclareWindow(std::string_view name, const Rect& rect, const WindowAttributes& attributes);
    // The user activates the window (a click on it); "none" for no
    // foreground window.
    void Activate(std::string_view name);
    // The user picks the window from the taskbar: restored if minimized,
    // and brought to the front.
    void Pick(std::string_view name);
    void DestroyWindow(std::string_view name);
    void RemoveTaskbar();
    // The user's UI language, a LANGID.
    void SetUiLanguage(std::uint16_t language) { uiLanguage_ = language; }
    // A folder the program may open, by one spelling of its path; spellings
    // of one identity are one folder.
    void AddFolder(std::string path, std::int64_t identity) {
        folders_.push_back({std::move(path), identity});
    }
    // A platform that raises no WinEvents (Wine 8): no move/size start or
    // end, no location change.
    void SetWinEvents(bool on) { winEvents_ = on; }
    // A full-screen program comes to the front, or leaves it.
    void SetFullScreen(bool on) { fullScreen_ = on; }
    // The window manager's foreground lock: the user's last input went to
    // another program, so this one may not take the foreground (nor activate
    // a window it shows) unless its thread's input is joined to the thread
    // that received that input.
    void SetForegroundLock(bool on) { foregroundLock_ = on; }
    // Another monitor beside the primary screen, with its work area, and
    // one unplugged.
    void AddMonitor(const Rect& area, const Rect& work) { monitors_.push_back({area, work, 0}); }
    void RemoveMonitor(const Rect& area);
    // The operations a scenario can make fail, each checked where the
    // simulated desktop carries it out; `fail` takes these names alone, so
    // that no scenario fails an operation that would go on working.
    enum class Operation {
        OpenEventA,
        CreateEventA,
        SystemParametersInfoA,
        GetCursorPos,
        GetSystemMetrics,
        GetAsyncKeyState,
        MonitorFromPoint,
        SHQueryUserNotificationState,
        GetForegroundWindow,
        GetWindowRect,
        EnableWindow,
        SetWindowPos,
        CloseWindow,
        ShowWindow,
        SetForegroundWindow,
        BringWindowToTop,
        FindWindowA,
        GetWindowThreadProcessId,
        GetGUIThreadInfo,
        GetClassNameA,
        GetCursorInfo,
        ShellApplication,
        Shell_NotifyIconA,
        RegRead,
        RegWrite,
        RegDelete,
        ExpandEnvironmentStringsW,
        GetModuleFileNameW,
        ShellExecuteA,
        WinExec,
        GetTokenIntegrityLevel,
        AttachThreadInput,
        SetWindowPlacement,
    };
    static std::optional<Operation> OperationNamed(std::string_view name);
    void Fail(std::string_view operation);
    void Heal(std::string_view operation);
    // A standard user under UAC: HKEY_LOCAL_MACHINE cannot be changed.
    void SetStandardUser() { standardUser_ = true; }
    void SetProgramPath(std::string path) { programPath_ = std::move(path); }
    SimRegistry& Registry() { return registry_; }
    // Another instance: none, running (it holds the named event), racing (it
    // creates the event between this one's open and create) or elevated (it
    // runs at a higher integrity level, so the event is out of reach).
    enum class OtherInstance { None, Running, Racing, Elevated };
    void SetOtherInstance(OtherInstance other) { otherInstance_ = other; }
    // The user answers the message box open on top.
    void AnswerMessageBox(Answer answer);
    // The user picks an item of the open tray menu; none dismisses it.
    void ChooseMenuItem(const std::optional<std::string>& caption);
    // The user's action on the tray icon, with the point at which the shell
    // anchors a menu (the icon's centre, W - 11 and H - 11, unless given).
    // The shell sends what its icon's version has for it; nothing happens
    // without an icon.
    enum class TrayInput { LeftClick, DoubleClick, RightClick, KeySelect, KeyMenu };
    void TrayEvent(TrayInput input, std::optional<Point> anchor);
    // The highest version of tray icon the shell takes: 4, or 0 for Windows
    // XP's.
    void SetTrayVersion(std::int32_t version) { shellTrayVersion_ = version; }
    // A click on the strip's picture button; false when no strip is loaded.
    bool ClickStrip();
    // The shell restarts: every tray icon disappears, a new taskbar window
    // appears, and "TaskbarCreated" is broadcast.
    void RestartShell();
    // The user closes the open help window (its close button or Esc).
    void CloseHelpWindow();
    // What reaches the hidden main window from outside: the user's Esc or
    // Alt+F4 while it has the foreground, another program's WM_CLOSE, the
    // session's end, the uninstaller's request to end. False when there is
    // no main window.
    bool PostToMainWindow(EventKind kind);

    // The program's window framework: the state its handlers get, the
    // delivery of a message to one of its windows, and the end of the process.
    void AttachState(ProgramState* state) { state_ = state; }
    void Deliver(WindowHandle window, ProgramEvent event);
    void EndOfProcess();
    bool ProgramWindowLoaded(ProgramWindow window) const;

    // The state lines of a dump.
    void Dump(const ProgramState& state);
    void DumpRegistry();

    std::string NameOf(WindowHandle window) const;
    int LiveAutomationObjects() const { return liveObjects_; }
    int CreatedAutomationObjects() const { return createdObjects_; }

    // DesktopPort
    KernelHandle OpenEventA(std::uint32_t desiredAccess, bool inheritHandle,
                            const char* name) override;
    KernelHandle CreateEventA(bool manualReset, bool initialState, const char* name) override;
    bool CloseHandle(KernelHandle handle) override { return handle != 0; }
    std::uint16_t GetUserDefaultUILanguage() override;
    KernelHandle CreateFileW(const char* path, std::uint32_t access, std::uint32_t share,
                             std::uint32_t creation, std::uint32_t flags) override;
    bool GetFileInformationByHandle(KernelHandle file, FileIdentity* identity) override;
    std::uint32_t GetLastError() override { return lastError_; }
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
    WinEventHook SetWinEventHook(std::uint32_t eventMin, std::uint32_t eventMax,
                                 std::uint32_t processId, std::uint32_t threadId,
                                 std::uint32_t flags) override;
    bool UnhookWinEvent(WinEventHook hook) override;
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
    [[noreturn]] void ExitProcess(std::uint32_t exitCode) override;

private:
    struct Window {
        std::string name;
        Rect rect;  // of a maximized window, its restored rectangle
        bool minimized = false;
        bool maximized = false;  // when minimized, restored to the maximized state
        WindowAttributes attributes;
        WindowHandle frame = kNoWindow;  // a document window's frame: its thread's
        bool enabled = true;
        bool alive = true;
        bool declared = false;  // a window of another program, shown by dump
        bool program = false;   // one of the program's own
        ProgramWindow id = ProgramWindow::Main;
        bool visible = false;
        std::uint64_t activated = 0;
    };

    // Threads and processes: the program's own, the shell's (the taskbar and
    // the desktop), and one each for every other window, numbered from its
    // handle.
    static constexpr std::uint32_t kProgramThread = 10;
    static constexpr std::uint32_t kShellThread = 20;
    static constexpr std::uint32_t kProgramProcess = 100;
    static constexpr std::uint32_t kShellProcess = 200;
    static constexpr std::uint32_t kOtherThreads = 1000;
    static constexpr std::uint32_t kOtherProcesses = 5000;

    bool Failing(Operation operation) const {
        return failing_.test(static_cast<std::size_t>(operation));
    }
    Window* Live(WindowHandle window);
    const Window* Live(WindowHandle window) const;
    // The document window inside a frame, made at its first drag.
    WindowHandle DocumentOf(WindowHandle frame);
    // Where the window is on the screen: a maximized one over the work area
    // of the monitor nearest to its restored rectangle.
    Rect Shown(const Window& window) const;
    // The monitor (1 the primary) that holds the most of the rectangle, or the
    // one nearest to it; monitorFromRect traces it.
    MonitorHandle MonitorOf(const Rect& rect, std::uint32_t flags) const;
    // The program may activate a window now: no foreground lock, or the
    // program in front, or its input joined to the thread of the user's last
    // input.
    bool MayActivate() const;
    // The texts the program shows: those of its language, or the
    // specification's before any state is attached.
    const Texts& ShownTexts() const { return state_ ? TextsOf(*state_) : *kLanguages[0]; }
    // The move/size loop on the window (any, for no window) ends.
    void EndLoop(WindowHandle window);
    // A WinEvent about the window: the loop's start and end, and the grabbed
    // window's moves where the program hooks its process's.
    void RaiseWinEvent(std::uint32_t event, WindowHandle window);
    void RaiseCursorMoved();
    // The user's input reaches the window: its thread has the last input.
    void UserInput(WindowHandle window) { lastInput_ = ThreadOf(window); }
    // The window's changes refused (UIPI), or the operation failing.
    bool Refused(const Window& window, Operation operation) const;
    // The primary screen is monitor 1, with the work area; the others follow
    // in their order, each with its own.
    MonitorHandle MonitorCount() const { return 1 + monitors_.size(); }
    MonitorInfo MonitorNumbered(MonitorHandle monitor) const;
    // Each window of another program has a thread and a process of its own;
    // the taskbar and the desktop share the shell's, and the program's
    // windows the program's.
    std::uint32_t ThreadOf(WindowHandle window) const;
    std::uint32_t ProcessOf(WindowHandle window) const;
    WindowHandle Lookup(std::string_view name) const;
    WindowHandle ProgramHandle(ProgramWindow window) const;
    void DestroyProgramWindow(WindowHandle window);
    void ShowHelpWindow(WindowHandle help);
    WindowHandle AddWindow(std::string name, bool declared);
    void Activate(WindowHandle window);
    void ToggleDesktop();
    std::string RegistryTrace(RegistryKey key, const char* valueName) const;
    std::int32_t SetKeyValue(RegistryKey root, const char* subKey, const char* valueName,
                             std::uint32_t type, std::vector<std::uint8_t> bytes);
    bool MachineReadOnly(RegistryKey key) const;

    Trace& trace_;
    UiThread* thread_ = nullptr;

    std::int32_t screenWidth_ = 1024;
    std::int32_t screenHeight_ = 768;
    Rect workArea_{0, 0, 1024, 738};
    Point cursor_{512, 384};
    // The mouse's path, newest first, as many points as the system keeps.
    std::deque<MouseMovePoint> path_;
    std::vector<MonitorInfo> monitors_;  // beside the primary screen
    bool fullScreen_ = false;
    struct KeyState {
        bool down = false;
        bool pressed = false;
    };
    KeyState keys_[256];

    std::vector<Window> windows_;  // handle = index + 1
    WindowHandle foreground_ = kNoWindow;
    WindowHandle taskbar_ = kNoWindow;
    WindowHandle shellDesktop_ = kNoWindow;  // Progman, the shell's desktop window
    WindowHandle grabbed_ = kNoWindow;       // in a move/size loop
    bool resizing_ = false;                  // the loop is a resize: the window stays
    Point pressedAt_;                        // where the loop's button went down
    bool foregroundLock_ = false;
    std::uint32_t joinedInput_ = 0;  // the thread the program's input is attached to
    std::uint32_t lastInput_ = 0;    // the thread that received the user's last input
    CursorHandle sizingCursor_ = 0;
    bool winEvents_ = true;
    std::uint16_t uiLanguage_ = 0x0804;  // Chinese (PRC)
    struct Folder {
        std::string path;
        std::int64_t identity;
    };
    std::vector<Folder> folders_;
    struct Hook {
        std::uint32_t first;
        std::uint32_t last;
        std::uint32_t process;  // 0: every process
        bool live;
    };
    std::vector<Hook> hooks_;  // handle = index + 1; a dead one's slot is used again
    std::uint64_t activations_ = 0;

    bool desktopShown_ = false;
    std::vector<WindowHandle> hiddenByToggle_;
    WindowHandle foregroundBeforeToggle_ = kNoWindow;
    int liveObjects_ = 0;
    int createdObjects_ = 0;

    std::bitset<std::size(kOperationNames)> failing_;
    SimRegistry registry_;
    bool standardUser_ = false;
    std::string programPath_ = "C:\\Program Files\\Tremolux\\tremolux.exe";
    std::uint32_t lastError_ = 0;

    struct OpenBox {
        std::uint32_t type;
        Answer answer = Answer::None;
    };
    std::vector<OpenBox*> boxes_;  // innermost last

    ProgramState* state_ = nullptr;
    OtherInstance otherInstance_ = OtherInstance::None;
    bool trayIcon_ = false;
    std::int32_t trayIconVersion_ = 0;
    std::int32_t shellTrayVersion_ = win::kNotifyIconVersion4;
    std::vector<std::pair<std::uint32_t, bool>> menuChecks_;
    bool menuOpen_ = false;
    bool menuClosed_ = false;
    std::optional<std::string> menuChoice_;
    bool helpModal_ = false;  // the help window's own loop is running
};

}  // namespace tremolux::sim
