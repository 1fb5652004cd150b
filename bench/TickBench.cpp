// The cost of one main tick: idle (pointer in mid-screen, nothing happens)
// and placing (a new drag of the window with the pointer on the right edge,
// so the window goes to the right half). Run over the simulated desktop and over a port
// that answers every call with a constant, which leaves only the engine.
//
//   tick-bench time                 nanoseconds per tick, each case
//   tick-bench CASE COUNT           COUNT ticks of one case, for callgrind
//
// CASE is idle-null, idle-sim, place-null or place-sim.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/Engine.h"
#include "platform/sim/SimDesktop.h"

namespace tremolux {
namespace {

// Constant answers: a 1024 x 768 screen, a fixed cursor, and the foreground
// window in a move loop with the left button down, shifted by each drag.
class NullPort final : public DesktopPort {
public:
    Point cursor{512, 384};
    std::int32_t shift = 0;

    KernelHandle OpenEventA(std::uint32_t, bool, const char*) override { return 0; }
    KernelHandle CreateEventA(bool, bool, const char*) override { return 1; }
    bool CloseHandle(KernelHandle) override { return true; }
    std::uint16_t GetUserDefaultUILanguage() override { return 0x0804; }
    KernelHandle CreateFileW(const char*, std::uint32_t, std::uint32_t, std::uint32_t,
                             std::uint32_t) override {
        return 0;
    }
    bool GetFileInformationByHandle(KernelHandle, FileIdentity*) override { return false; }
    std::uint32_t GetLastError() override { return 0; }
    bool SystemParametersInfoA(std::uint32_t, std::uint32_t, Rect* value, std::uint32_t) override {
        *value = {0, 0, 1024, 738};
        return true;
    }
    bool GetCursorPos(Point* point) override {
        *point = cursor;
        return true;
    }
    std::int32_t GetSystemMetrics(std::int32_t index) override { return index == 0 ? 1024 : 768; }
    std::int16_t GetAsyncKeyState(std::int32_t) override {
        return static_cast<std::int16_t>(0x8001);
    }
    void Sleep(std::uint32_t) override {}
    std::uint32_t GetTickCount() override { return ++ticks_; }
    std::int32_t GetMouseMovePointsEx(Point, MouseMovePoint*, std::int32_t) override { return -1; }
    MonitorHandle MonitorFromPoint(Point, std::uint32_t) override { return 0; }
    MonitorHandle MonitorFromRect(const Rect&, std::uint32_t) override { return 1; }
    bool GetMonitorInfoW(MonitorHandle, MonitorInfo*) override { return false; }
    std::int32_t SHQueryUserNotificationState(std::int32_t* state) override {
        *state = win::kQunsAcceptsNotifications;
        return win::kSOk;
    }
    WindowHandle GetForegroundWindow() override { return 7; }
    bool GetWindowRect(WindowHandle, Rect* rect) override {
        *rect = {100 + shift, 50, 900 + shift, 650};
        return true;
    }
    bool IsWindowEnabled(WindowHandle) override { return true; }
    bool EnableWindow(WindowHandle, bool) override { return true; }
    bool IsZoomed(WindowHandle) override { return false; }
    std::int32_t GetWindowLongW(WindowHandle, std::int32_t) override {
        return static_cast<std::int32_t>(win::kWsThickFrame | win::kWsMinimizeBox);
    }
    bool GetWindowPlacement(WindowHandle, WindowPlacement*) override { return false; }
    bool SetWindowPlacement(WindowHandle, const WindowPlacement&) override { return true; }
    bool SetWindowPos(WindowHandle, WindowHandle, std::int32_t, std::int32_t, std::int32_t,
                      std::int32_t, std::uint32_t) override {
        return true;
    }
    bool CloseWindow(WindowHandle) override { return true; }
    bool ShowWindow(WindowHandle, std::int32_t) override { return true; }
    bool SetForegroundWindow(WindowHandle) override { return true; }
    bool BringWindowToTop(WindowHandle) override { return true; }
    WindowHandle SetFocus(WindowHandle) override { return 0; }
    WindowHandle FindWindowA(const char*, const char*) override { return 0; }
    std::uint32_t GetWindowThreadProcessId(WindowHandle, std::uint32_t* process) override {
        if (process) *process = 2;
        return 3;
    }
    std::uint32_t GetCurrentProcessId() override { return 1; }
    std::uint32_t GetCurrentThreadId() override { return 4; }
    bool IsHungAppWindow(WindowHandle) override { return false; }
    bool GetTokenIntegrityLevel(std::uint32_t, std::uint32_t* level) override {
        *level = win::kMandatoryMediumRid;
        return true;
    }
    bool AttachThreadInput(std::uint32_t, std::uint32_t, bool) override { return true; }
    bool GetGUIThreadInfo(std::uint32_t, GuiThreadInfo* info) override {
        *info = GuiThreadInfo{};
        info->flags = win::kGuiInMoveSize;
        info->moveSize = 7;
        return true;
    }
    bool IsIconic(WindowHandle) override { return false; }
    WinEventHook SetWinEventHook(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                                 std::uint32_t) override {
        return 1;
    }
    bool UnhookWinEvent(WinEventHook) override { return true; }
    WindowHandle GetShellWindow() override { return 5; }
    WindowHandle GetDesktopWindow() override { return 6; }
    std::int32_t GetClassNameA(WindowHandle, char* name, std::int32_t size) override {
        if (size > 0) name[0] = '\0';
        return 0;
    }
    bool GetCursorInfo(CursorHandle* cursor) override {
        *cursor = 1;
        return true;
    }
    CursorHandle LoadCursorW(std::uint32_t id) override { return id; }
    std::intptr_t SendMessageA(WindowHandle, std::uint32_t, std::uintptr_t,
                               std::intptr_t) override {
        return 0;
    }
    bool PostMessageA(WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) override {
        return true;
    }
    AutomationObject CreateAutomationObject(const char*) override { return nullptr; }
    bool InvokeAutomationMethod(AutomationObject, const char*) override { return false; }
    void ReleaseAutomationObject(AutomationObject) override {}
    void LoadWindow(ProgramWindow, bool) override {}
    void ShowProgramWindow(ProgramWindow) override {}
    WindowHandle ProgramWindowHandle(ProgramWindow) override { return 0; }
    void CloseMainWindow() override {}
    void SetStripRect(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void SetStripTopmost() override {}
    void SetStripVisible(bool) override {}
    bool Shell_NotifyIconA(std::uint32_t, const char*) override { return true; }
    bool CheckMenuItem(std::uint32_t, bool) override { return true; }
    bool IsMenuItemChecked(std::uint32_t) override { return false; }
    bool TrackPopupMenu(std::uint32_t, std::int32_t, std::int32_t) override { return false; }
    std::int32_t MessageBoxA(const char*, const char*, std::uint32_t) override { return 1; }
    std::intptr_t ShellExecuteA(const char*, const char*, std::int32_t) override { return 0; }
    std::uint32_t WinExec(const char*, std::int32_t) override { return 0; }
    std::int32_t RegOpenKeyExA(RegistryKey, const char*, std::uint32_t, RegistryKey*) override {
        return 2;
    }
    std::int32_t RegQueryValueExW(RegistryKey, const char*, std::uint32_t*, std::uint8_t*,
                                  std::uint32_t*) override {
        return 2;
    }
    std::int32_t RegSetKeyValueA(RegistryKey, const char*, const char*, std::uint32_t,
                                 const std::uint8_t*, std::uint32_t) override {
        return 5;
    }
    std::int32_t RegSetKeyValueW(RegistryKey, const char*, const char*, std::uint32_t,
                                 const char*) override {
        return 5;
    }
    std::int32_t RegDeleteValueA(RegistryKey, const char*) override { return 2; }
    std::int32_t RegDeleteKeyA(RegistryKey, const char*) override { return 2; }
    std::int32_t RegCloseKey(RegistryKey) override { return 0; }
    std::uint32_t ExpandEnvironmentStringsW(const char*, char*, std::uint32_t) override {
        return 0;
    }
    std::uint32_t GetModuleFileNameW(char*, std::uint32_t) override { return 0; }
    bool SetTimer(WindowHandle, std::uint32_t, std::uint32_t) override { return true; }
    bool KillTimer(WindowHandle, std::uint32_t) override { return true; }
    [[noreturn]] void ExitProcess(std::uint32_t code) override {
        std::exit(static_cast<int>(code));
    }

private:
    std::uint32_t ticks_ = 0;
};

// Idle ticks where the platform has reported a drag's move/size loop, as
// Windows does at the user's first, and where it reports none (Wine): the
// tick then looks for a loop itself.
struct Case {
    const char* name;
    bool sim;
    bool place;
    bool reported;
};

constexpr Case kCases[] = {
    {"idle-null", false, false, true}, {"idle-sim", true, false, true},
    {"poll-sim", true, false, false},  {"place-null", false, true, true},
    {"place-sim", true, true, true},
};

// The ticks of a case run in rounds, the trace cleared between them and
// off the clock: the simulated desktop traces every call, and a trace kept
// over millions of ticks would reach its bound and be measured growing.
constexpr long kTicksPerRound = 10000;

// Runs count ticks of one case; returns nanoseconds per tick.
double RunCase(const Case& c, long count) {
    ProgramState state;
    state.OperationMode = 1;
    state.MoveSizeReported = c.reported;
    NullPort null;
    std::int64_t clock = 0;
    sim::Trace trace(nullptr, clock);
    sim::SimDesktop desktop(trace);
    desktop.DeclareWindow("A", {100, 50, 900, 650}, {});
    desktop.Activate("A");
    if (c.place) null.cursor = {1023, 300};
    desktop.MoveCursor(c.place ? 1023 : 512, c.place ? 300 : 384);
    DesktopPort& port = c.sim ? static_cast<DesktopPort&>(desktop) : null;
    const WindowHandle window = c.sim ? desktop.GetForegroundWindow() : null.GetForegroundWindow();
    std::chrono::steady_clock::duration elapsed{};
    for (long done = 0; done < count; done += kTicksPerRound) {
        const long ticks = std::min(kTicksPerRound, count - done);
        const auto start = std::chrono::steady_clock::now();
        for (long i = 0; i < ticks; ++i) {
            // each placing tick ends a drag that began just before it, by
            // the title bar and into the right edge
            if (c.place) {
                if (c.sim) desktop.Grab("A", 400, 60, sim::SimDesktop::GrabKind::TitleBar);
                MoveSizeStarted(state, port, window);
                if (c.sim) desktop.MoveCursor(1023, 300);
                ++null.shift;
            }
            MainTick(state, port);
            if (c.sim && c.place) desktop.KeyUp(win::kVkLButton);
        }
        elapsed += std::chrono::steady_clock::now() - start;
        trace.Clear();
    }
    return std::chrono::duration<double, std::nano>(elapsed).count() / count;
}

}  // namespace
}  // namespace tremolux

int main(int argc, char** argv) {
    using tremolux::kCases;
    if (argc == 2 && std::strcmp(argv[1], "time") == 0) {
        for (const auto& c : kCases) {
            tremolux::RunCase(c, 100000);  // warm up
            std::printf("%-11s %8.1f ns per tick\n", c.name, tremolux::RunCase(c, 2000000));
        }
        return 0;
    }
    if (argc == 3) {
        for (const auto& c : kCases) {
            if (std::strcmp(argv[1], c.name) == 0) {
                tremolux::RunCase(c, std::atol(argv[2]));
                return 0;
            }
        }
    }
    std::fprintf(stderr, "usage: tick-bench time | tick-bench CASE COUNT\n");
    return 2;
}
