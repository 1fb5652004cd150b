// The desktop port's calls, bound to Win32: the named event, the desktop's
// state and input, other programs' windows, the shell's automation object,
// message boxes and the help window's links.
#include "platform/win32/Win32Desktop.h"

#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Input.h"
#include "platform/win32/Text.h"

namespace tremolux::win32 {

static_assert(sizeof(Rect) == sizeof(RECT), "Rect must have the layout of a RECT");

namespace {

// How long the taskbar may take to answer the corner request.
constexpr UINT kTaskbarAnswerTimeout = 2000;

constexpr DWORD kDwmExtendedFrameBounds = 9;  // DWMWA_EXTENDED_FRAME_BOUNDS

RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// A placement's rectangle between workspace and screen coordinates, by the
// work area of the window's monitor (none for a tool window).
Rect Workspace(HWND window, const Rect& r, bool toScreen) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    const bool tool = (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    if (!::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return r;
    const Rect screen = FromRECT(monitor.rcMonitor);
    const Rect work = FromRECT(monitor.rcWork);
    return toScreen ? ScreenFromWorkspace(r, screen, work, tool)
                    : WorkspaceFromScreen(r, screen, work, tool);
}

// A maximized window given a new rectangle would stay maximized at it: a
// half-width window with a restore button whose restore jumps elsewhere. It
// is restored, straight to that rectangle as its normal one, instead; the
// SetWindowPos that follows puts the window exactly where the screen
// coordinates say. Where the placement of another program's window is
// refused (Wine refuses it), a plain restore does, by way of the window's
// earlier normal rectangle.
void LeaveMaximized(HWND window, std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(window, &placement)) {
        ::ShowWindow(window, SW_RESTORE);
        return;
    }
    placement.flags = 0;
    placement.showCmd = SW_RESTORE;
    placement.rcNormalPosition = ToRECT(Workspace(
        window, {x, y, Saturate(std::int64_t{x} + cx), Saturate(std::int64_t{y} + cy)}, false));
    if (!::SetWindowPlacement(window, &placement) || ::IsZoomed(window))
        ::ShowWindow(window, SW_RESTORE);
}

// EnableWindow waits for the window's thread. A window that stopped
// responding after this program disabled it is enabled all the same, by a
// thread of its own that waits for it in this program's place.
DWORD WINAPI EnableWhenResponding(void* window) {
    ::EnableWindow(static_cast<HWND>(window), TRUE);
    return 0;
}

}  // namespace

void Win32Desktop::ExitProcess(std::uint32_t exitCode) { ::ExitProcess(exitCode); }

// ---- the help window's links and message boxes ----

// The link's address through the wide API, so that one outside the ANSI
// code page arrives as it is. An address that is not valid UTF-8 is not
// opened: SE_ERR_FNF.
std::intptr_t Win32Desktop::ShellExecuteA(const char* verb, const char* file, std::int32_t show) {
    constexpr std::intptr_t kFileNotFound = 2;
    const std::optional<std::wstring> wideVerb = ToUtf16(verb ? verb : "");
    const std::optional<std::wstring> wideFile = ToUtf16(file ? file : "");
    if (!wideVerb || !wideFile) return kFileNotFound;
    return reinterpret_cast<std::intptr_t>(
        ::ShellExecuteW(nullptr, wideVerb->c_str(), wideFile->c_str(), nullptr, nullptr, show));
}

// WinExec has no wide form: the command line is started with
// CreateProcessW, with WinExec's result, above 31 on success.
std::uint32_t Win32Desktop::WinExec(const char* commandLine, std::int32_t show) {
    constexpr std::uint32_t kStarted = 33;
    constexpr std::uint32_t kFileNotFound = 2;
    const std::optional<std::wstring> line = ToUtf16(commandLine ? commandLine : "");
    if (!line || line->empty()) return kFileNotFound;
    std::vector<wchar_t> writable(line->begin(), line->end());
    writable.push_back(L'\0');  // CreateProcessW may write into its command line
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return kFileNotFound;
    const OwnedKernelObject threadHandle(process.hThread);
    const OwnedKernelObject processHandle(process.hProcess);
    return kStarted;
}

std::int32_t Win32Desktop::MessageBoxA(const char* text, const char* caption, std::uint32_t type) {
    return ::MessageBoxW(nullptr, Widen(text ? text : "").c_str(),
                         Widen(caption ? caption : "").c_str(), type);
}

// ---- the named event ----

KernelHandle Win32Desktop::OpenEventA(std::uint32_t desiredAccess, bool inheritHandle,
                                      const char* name) {
    return reinterpret_cast<KernelHandle>(::OpenEventA(desiredAccess, inheritHandle, name));
}

KernelHandle Win32Desktop::CreateEventA(bool manualReset, bool initialState, const char* name) {
    return reinterpret_cast<KernelHandle>(::CreateEventA(nullptr, manualReset, initialState, name));
}

bool Win32Desktop::CloseHandle(KernelHandle handle) {
    return handle != 0 && ::CloseHandle(reinterpret_cast<HANDLE>(handle)) != FALSE;
}

std::uint32_t Win32Desktop::GetLastError() { return ::GetLastError(); }

std::uint16_t Win32Desktop::GetUserDefaultUILanguage() { return ::GetUserDefaultUILanguage(); }

// ---- the program's folder ----

KernelHandle Win32Desktop::CreateFileW(const char* path, std::uint32_t access, std::uint32_t share,
                                       std::uint32_t creation, std::uint32_t flags) {
    const std::optional<std::wstring> wide = ToUtf16(path ? path : "");
    if (!wide || wide->empty()) return 0;
    const HANDLE file =
        ::CreateFileW(wide->c_str(), access, share, nullptr, creation, flags, nullptr);
    return file == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<KernelHandle>(file);
}

bool Win32Desktop::GetFileInformationByHandle(KernelHandle file, FileIdentity* identity) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!identity || file == 0 ||
        !::GetFileInformationByHandle(reinterpret_cast<HANDLE>(file), &information))
        return false;
    *identity = {information.dwVolumeSerialNumber,
                 std::uint64_t{information.nFileIndexHigh} << 32 | information.nFileIndexLow};
    return true;
}

// ---- desktop state and input ----

bool Win32Desktop::SystemParametersInfoA(std::uint32_t action, std::uint32_t param, Rect* value,
                                         std::uint32_t winIni) {
    return ::SystemParametersInfoA(action, param, value, winIni) != FALSE;
}

bool Win32Desktop::GetCursorPos(Point* point) {
    POINT position;
    if (!point || !::GetCursorPos(&position)) return false;
    *point = {position.x, position.y};
    return true;
}

std::int32_t Win32Desktop::GetSystemMetrics(std::int32_t index) {
    return ::GetSystemMetrics(index);
}

// The engine asks for the primary button and for Shift as the logical keys;
// see PhysicalKey and ShiftState.
std::int16_t Win32Desktop::GetAsyncKeyState(std::int32_t virtualKey) {
    if (virtualKey == VK_SHIFT)
        return ShiftState(::GetAsyncKeyState(VK_SHIFT), ::GetAsyncKeyState(VK_LSHIFT),
                          ::GetAsyncKeyState(VK_RSHIFT));
    if (virtualKey == VK_LBUTTON || virtualKey == VK_RBUTTON)
        return ::GetAsyncKeyState(PhysicalKey(virtualKey, ::GetSystemMetrics(SM_SWAPBUTTON) != 0));
    return ::GetAsyncKeyState(virtualKey);
}

void Win32Desktop::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

std::uint32_t Win32Desktop::GetTickCount() { return ::GetTickCount(); }

// The display's points carry 16 bits a coordinate: a monitor left of or
// above the primary gives 65536 less than its coordinate.
std::int32_t Win32Desktop::GetMouseMovePointsEx(Point current, MouseMovePoint* points,
                                                std::int32_t count) {
    MOUSEMOVEPOINT from{};
    from.x = current.x & 0xFFFF;
    from.y = current.y & 0xFFFF;
    MOUSEMOVEPOINT path[64];
    const int wanted = std::min<int>(count, std::size(path));
    const int found =
        ::GetMouseMovePointsEx(sizeof from, &from, path, wanted, GMMP_USE_DISPLAY_POINTS);
    if (found < 0 || found > wanted) return -1;
    const auto signedCoordinate = [](int c) { return c > 0x7FFF ? c - 0x10000 : c; };
    for (int i = 0; i < found; ++i)
        points[i] = {{signedCoordinate(path[i].x), signedCoordinate(path[i].y)}, path[i].time};
    return found;
}

MonitorHandle Win32Desktop::MonitorFromPoint(Point point, std::uint32_t flags) {
    return reinterpret_cast<MonitorHandle>(::MonitorFromPoint({point.x, point.y}, flags));
}

MonitorHandle Win32Desktop::MonitorFromRect(const Rect& rect, std::uint32_t flags) {
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    return reinterpret_cast<MonitorHandle>(::MonitorFromRect(&area, flags));
}

bool Win32Desktop::GetMonitorInfoW(MonitorHandle monitor, MonitorInfo* info) {
    MONITORINFO answer{};
    answer.cbSize = sizeof answer;
    if (!info || !::GetMonitorInfoW(reinterpret_cast<HMONITOR>(monitor), &answer)) return false;
    const RECT& m = answer.rcMonitor;
    const RECT& w = answer.rcWork;
    *info = {
        {m.left, m.top, m.right, m.bottom}, {w.left, w.top, w.right, w.bottom}, answer.dwFlags};
    return true;
}

ForegroundFacts Win32Desktop::Foreground() const {
    ForegroundFacts facts;
    HWND window = ::GetForegroundWindow();
    RECT rect{};
    if (!window || !::GetWindowRect(window, &rect)) return facts;
    facts.present = true;
    facts.rect = {rect.left, rect.top, rect.right, rect.bottom};
    facts.captioned = (::GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    wchar_t name[16] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    facts.shellDesktop = window == ::GetShellWindow() || window == ::GetDesktopWindow() ||
                         std::wcscmp(name, L"Progman") == 0 || std::wcscmp(name, L"WorkerW") == 0;
    return facts;
}

// The shell's answer where it has one, and on every Windows the test for a
// caption-less window over the whole screen; see NotificationState.
std::int32_t Win32Desktop::SHQueryUserNotificationState(std::int32_t* state) {
    if (!state) return E_POINTER;
    std::optional<std::int32_t> shell;
    int answer = 0;
    if (late_.queryUserNotificationState && SUCCEEDED(late_.queryUserNotificationState(&answer)))
        shell = answer;
    *state =
        NotificationState(shell, Foreground(),
                          {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
    return S_OK;
}

// ---- windows ----

bool Win32Desktop::Hung(HWND window) const {
    const bool ownThread =
        window && ::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId();
    return SpareHungWindow(ToHandle(window), ownThread, [&](WindowHandle) {
        return late_.isHungAppWindow && late_.isHungAppWindow(window);
    });
}

WindowHandle Win32Desktop::GetForegroundWindow() { return ToHandle(::GetForegroundWindow()); }

// Windows 10 and 11 draw a window's frame inside its rectangle, which holds
// invisible resize borders too. The DWM knows where the frame is.
Margins Win32Desktop::MarginsOf(HWND window) const {
    RECT bounds{};
    RECT frame{};
    // a minimized window shows no frame
    if (!late_.dwmGetWindowAttribute || ::IsIconic(window) || !::GetWindowRect(window, &bounds))
        return {};
    std::optional<Rect> visible;
    if (SUCCEEDED(
            late_.dwmGetWindowAttribute(window, kDwmExtendedFrameBounds, &frame, sizeof frame)))
        visible = Rect{frame.left, frame.top, frame.right, frame.bottom};
    return FrameMargins({bounds.left, bounds.top, bounds.right, bounds.bottom}, visible);
}

// The rectangle the engine reads and writes is the visible frame, so that a
// half lies on its columns exactly and a restore puts the frame back.
bool Win32Desktop::GetWindowRect(WindowHandle window, Rect* rect) {
    const HWND hwnd = ToHwnd(window);
    RECT bounds{};
    if (!rect || !::GetWindowRect(hwnd, &bounds)) return false;
    const Margins margins = MarginsOf(hwnd);
    *rect = {bounds.left + margins.left, bounds.top + margins.top, bounds.right - margins.right,
             bounds.bottom - margins.bottom};
    return true;
}

bool Win32Desktop::IsWindowEnabled(WindowHandle window) {
    return ::IsWindowEnabled(ToHwnd(window)) != FALSE;
}

// A disable is spared a window that has stopped responding; an enable never
// is.
bool Win32Desktop::EnableWindow(WindowHandle window, bool enable) {
    const HWND hwnd = ToHwnd(window);
    if (!Hung(hwnd)) return ::EnableWindow(hwnd, enable) != FALSE;
    if (!enable) return false;
    const OwnedKernelObject thread(
        ::CreateThread(nullptr, 0, EnableWhenResponding, hwnd, 0, nullptr));
    return thread != nullptr;
}

bool Win32Desktop::IsZoomed(WindowHandle window) { return ::IsZoomed(ToHwnd(window)) != FALSE; }

std::int32_t Win32Desktop::GetWindowLongW(WindowHandle window, std::int32_t index) {
    return ::GetWindowLongW(ToHwnd(window), index);
}

bool Win32Desktop::GetWindowPlacement(WindowHandle window, WindowPlacement* placement) {
    const HWND hwnd = ToHwnd(window);
    WINDOWPLACEMENT answer{};
    answer.length = sizeof answer;
    if (!placement || !::GetWindowPlacement(hwnd, &answer)) return false;
    *placement = {static_cast<std::int32_t>(answer.showCmd),
                  Workspace(hwnd, FromRECT(answer.rcNormalPosition), true)};
    return true;
}

// Where the placement of another program's window is refused (Wine refuses
// it), the window is brought to the same by way of its own moves: out of a
// minimized or maximized state, to the rectangle, then shown as asked.
bool Win32Desktop::SetWindowPlacement(WindowHandle window, const WindowPlacement& placement) {
    const HWND hwnd = ToHwnd(window);
    if (Hung(hwnd)) return false;
    WINDOWPLACEMENT asked{};
    asked.length = sizeof asked;
    asked.showCmd = static_cast<UINT>(placement.showCmd);
    asked.rcNormalPosition = ToRECT(Workspace(hwnd, placement.normalPosition, false));
    if (::SetWindowPlacement(hwnd, &asked)) return true;
    if (::IsIconic(hwnd) || ::IsZoomed(hwnd)) ::ShowWindow(hwnd, SW_RESTORE);
    const Rect& r = placement.normalPosition;
    ::SetWindowPos(hwnd, nullptr, r.left, r.top, Saturate(std::int64_t{r.right} - r.left),
                   Saturate(std::int64_t{r.bottom} - r.top), SWP_NOZORDER | SWP_NOACTIVATE);
    return ::ShowWindow(hwnd, placement.showCmd) != FALSE;
}

bool Win32Desktop::SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x,
                                std::int32_t y, std::int32_t cx, std::int32_t cy,
                                std::uint32_t flags) {
    const HWND hwnd = ToHwnd(window);
    if (Hung(hwnd)) return false;
    Placement placed{x, y, cx, cy};
    if (!(flags & (SWP_NOMOVE | SWP_NOSIZE))) {
        if (::IsZoomed(hwnd)) LeaveMaximized(hwnd, x, y, cx, cy);
        // a maximized window has no borders to speak of: its margins are
        // measured once it is normal
        placed = GrownByMargins(placed, MarginsOf(hwnd));
    }
    return ::SetWindowPos(hwnd, ToHwnd(insertAfter), placed.x, placed.y, placed.cx, placed.cy,
                          flags) != FALSE;
}

bool Win32Desktop::CloseWindow(WindowHandle window) {
    const HWND hwnd = ToHwnd(window);
    return !Hung(hwnd) && ::CloseWindow(hwnd) != FALSE;
}

bool Win32Desktop::ShowWindow(WindowHandle window, std::int32_t command) {
    const HWND hwnd = ToHwnd(window);
    return !Hung(hwnd) && ::ShowWindow(hwnd, command) != FALSE;
}

bool Win32Desktop::SetForegroundWindow(WindowHandle window) {
    const HWND hwnd = ToHwnd(window);
    return !Hung(hwnd) && ::SetForegroundWindow(hwnd) != FALSE;
}

bool Win32Desktop::BringWindowToTop(WindowHandle window) {
    const HWND hwnd = ToHwnd(window);
    return !Hung(hwnd) && ::BringWindowToTop(hwnd) != FALSE;
}

WindowHandle Win32Desktop::SetFocus(WindowHandle window) {
    const HWND hwnd = ToHwnd(window);
    return Hung(hwnd) ? kNoWindow : ToHandle(::SetFocus(hwnd));
}

WindowHandle Win32Desktop::FindWindowA(const char* className, const char* windowName) {
    return ToHandle(::FindWindowA(className, windowName));
}

std::uint32_t Win32Desktop::GetWindowThreadProcessId(WindowHandle window,
                                                     std::uint32_t* processId) {
    DWORD process = 0;
    const DWORD thread = ::GetWindowThreadProcessId(ToHwnd(window), &process);
    if (processId) *processId = process;
    return thread;
}

std::uint32_t Win32Desktop::GetCurrentProcessId() { return ::GetCurrentProcessId(); }

std::uint32_t Win32Desktop::GetCurrentThreadId() { return ::GetCurrentThreadId(); }

bool Win32Desktop::IsHungAppWindow(WindowHandle window) {
    return late_.isHungAppWindow && late_.isHungAppWindow(ToHwnd(window));
}

// PROCESS_QUERY_LIMITED_INFORMATION (Vista and later) is enough to open an
// elevated process's token for reading from a program of the same account;
// Windows XP knows neither that right nor TokenIntegrityLevel, and so fails.
bool Win32Desktop::GetTokenIntegrityLevel(std::uint32_t processId, std::uint32_t* level) {
    constexpr DWORD kQueryLimitedInformation = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION
    constexpr auto kTokenIntegrityLevel = static_cast<TOKEN_INFORMATION_CLASS>(25);
    if (!level || processId == 0) return false;
    const bool own = processId == ::GetCurrentProcessId();
    const OwnedKernelObject process(
        own ? nullptr : ::OpenProcess(kQueryLimitedInformation, FALSE, processId));
    const HANDLE of = own ? ::GetCurrentProcess() : process.get();
    HANDLE opened = nullptr;
    if (!of || !::OpenProcessToken(of, TOKEN_QUERY, &opened)) return false;
    const OwnedKernelObject token(opened);
    // TOKEN_MANDATORY_LABEL and the SID it points to, in one buffer
    alignas(void*) std::uint8_t label[sizeof(SID_AND_ATTRIBUTES) + SECURITY_MAX_SID_SIZE] = {};
    DWORD size = 0;
    if (!::GetTokenInformation(token.get(), kTokenIntegrityLevel, label, sizeof label, &size))
        return false;
    const PSID sid = reinterpret_cast<const SID_AND_ATTRIBUTES*>(label)->Sid;
    const UCHAR count = sid ? *::GetSidSubAuthorityCount(sid) : 0;
    if (count == 0) return false;
    *level = *::GetSidSubAuthority(sid, count - 1u);
    return true;
}

bool Win32Desktop::AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread,
                                     bool attach) {
    return ::AttachThreadInput(attachThread, toThread, attach) != FALSE;
}

bool Win32Desktop::GetGUIThreadInfo(std::uint32_t threadId, GuiThreadInfo* info) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!info || !::GetGUIThreadInfo(threadId, &thread)) return false;
    const RECT& caret = thread.rcCaret;
    *info = {thread.flags,
             ToHandle(thread.hwndActive),
             ToHandle(thread.hwndFocus),
             ToHandle(thread.hwndCapture),
             ToHandle(thread.hwndMenuOwner),
             ToHandle(thread.hwndMoveSize),
             ToHandle(thread.hwndCaret),
             {caret.left, caret.top, caret.right, caret.bottom}};
    return true;
}

bool Win32Desktop::IsIconic(WindowHandle window) { return ::IsIconic(ToHwnd(window)) != FALSE; }

WindowHandle Win32Desktop::GetShellWindow() { return ToHandle(::GetShellWindow()); }

WindowHandle Win32Desktop::GetDesktopWindow() { return ToHandle(::GetDesktopWindow()); }

std::int32_t Win32Desktop::GetClassNameA(WindowHandle window, char* className, std::int32_t size) {
    return className && size > 0 ? ::GetClassNameA(ToHwnd(window), className, size) : 0;
}

bool Win32Desktop::GetCursorInfo(CursorHandle* cursor) {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    if (!cursor || !::GetCursorInfo(&info)) return false;
    *cursor = reinterpret_cast<CursorHandle>(info.hCursor);
    return true;
}

CursorHandle Win32Desktop::LoadCursorW(std::uint32_t systemCursorId) {
    return reinterpret_cast<CursorHandle>(::LoadCursorW(nullptr, MAKEINTRESOURCEW(systemCursorId)));
}

// A taskbar that has stopped responding is not waited for.
std::intptr_t Win32Desktop::SendMessageA(WindowHandle window, std::uint32_t message,
                                         std::uintptr_t wParam, std::intptr_t lParam) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(ToHwnd(window), message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                          kTaskbarAnswerTimeout, &result);
    return static_cast<std::intptr_t>(result);
}

bool Win32Desktop::PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    return ::PostMessageA(ToHwnd(window), message, wParam, lParam) != FALSE;
}

// ---- shell automation, late-bound by name ----

// The two interface ids the late binding needs, spelled out here: the
// system's library of them would bring its whole table of ids along.
constexpr IID kIidDispatch = {0x00020400, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIidNull = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

AutomationObject Win32Desktop::CreateAutomationObject(const char* progId) {
    CLSID classId;
    if (FAILED(::CLSIDFromProgID(Widen(progId ? progId : "").c_str(), &classId))) return nullptr;
    IDispatch* object = nullptr;
    if (FAILED(::CoCreateInstance(classId, nullptr, CLSCTX_SERVER, kIidDispatch,
                                  reinterpret_cast<void**>(&object))))
        return nullptr;
    return object;
}

bool Win32Desktop::InvokeAutomationMethod(AutomationObject object, const char* method) {
    if (!object || !method) return false;
    auto* dispatch = static_cast<IDispatch*>(object);
    std::wstring name = Widen(method);
    LPOLESTR names[] = {name.data()};
    DISPID id = 0;
    if (FAILED(dispatch->GetIDsOfNames(kIidNull, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
    DISPPARAMS none{};
    return SUCCEEDED(dispatch->Invoke(id, kIidNull, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none,
                                      nullptr, nullptr, nullptr));
}

void Win32Desktop::ReleaseAutomationObject(AutomationObject object) {
    if (object) static_cast<IDispatch*>(object)->Release();
}

}  // namespace tremolux::win32
