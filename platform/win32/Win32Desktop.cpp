#include "platform/win32/Win32Desktop.h"

#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "engine/Numbers.h"
#include "platform/win32/Decisions.h"
#include "platform/win32/Resources.h"
#include "platform/win32/Text.h"
#include "platform/win32/Units.h"
#include "shell/Declarations.h"

namespace tremolux::win32 {

static_assert(sizeof(Rect) == sizeof(RECT), "Rect must have the layout of a RECT");

namespace {

constexpr wchar_t kWindowClass[] = L"TremoluxWindow";
constexpr UINT_PTR kPictureButtonId = 1;
// How long the taskbar may take to answer the corner request.
constexpr UINT kTaskbarAnswerTimeout = 2000;

// Window handles have 32 significant bits on every Windows, so a 64-bit
// build (the one Wine runs where 32-bit code cannot) sign-extends them.
HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(window)));
}

WindowHandle ToHandle(HWND hwnd) {
    return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(hwnd));
}

// A function looked up at run time, so that the program still starts on a
// Windows that lacks it; null there.
template <typename Function>
Function FunctionIn(HMODULE module, const char* name) {
    return module
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
               : nullptr;
}

template <typename Function>
Function User32Function(const char* name) {
    return FunctionIn<Function>(::GetModuleHandleW(L"user32.dll"), name);
}

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

constexpr UINT kWmDpiChanged = 0x02E0;
constexpr DWORD kDwmExtendedFrameBounds = 9;  // DWMWA_EXTENDED_FRAME_BOUNDS

// Run as administrator, the program would not hear the shell's broadcast:
// message filtering keeps it from a process of lower integrity. Windows 7
// and later filter per window, Vista per process; Windows XP has neither
// the filter nor the need.
void AllowTaskbarCreated(HWND window, UINT message) {
    if (message == 0) return;
    constexpr DWORD kMsgFltAllow = 1;
    constexpr DWORD kMsgFltAdd = 1;
    using PerWindow = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using PerProcess = BOOL(WINAPI*)(UINT, DWORD);
    if (auto filter = User32Function<PerWindow>("ChangeWindowMessageFilterEx")) {
        filter(window, message, kMsgFltAllow, nullptr);
    } else if (auto filter = User32Function<PerProcess>("ChangeWindowMessageFilter")) {
        filter(message, kMsgFltAdd);
    }
}

DWORD StyleOf(const WindowDeclaration& declaration) {
    if (declaration.border == Border::FixedSingle)
        return WS_OVERLAPPED | WS_CAPTION | (declaration.systemMenu ? WS_SYSMENU : 0);
    return WS_POPUP | (declaration.systemMenu ? WS_SYSMENU : 0);
}

// A window that never takes the activation is a tool window too, which also
// keeps it off the taskbar and out of Alt+Tab.
DWORD ExtendedStyleOf(const WindowDeclaration& declaration) {
    return (declaration.topmost ? WS_EX_TOPMOST : 0) |
           (declaration.neverActivates ? WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW : 0);
}

Rect WorkArea() {
    RECT area{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        area = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return {area.left, area.top, area.right, area.bottom};
}

// The work area of the monitor that holds most of the rectangle.
Rect WorkAreaAround(const RECT& rect) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromRect(&rect, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return WorkArea();
    return {monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom};
}

// The screen's DPI, as every window had it before Windows 10: the
// system's, from the screen's device context.
int SystemDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

// The label's font: SimSun by its English name, which every Windows knows,
// with the Chinese character set, so that the font mapper keeps to a Song
// face wherever SimSun itself is missing.
HFONT LabelFont(std::int32_t height) {
    return ::CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, L"SimSun");
}

// The link boxes' font: the default GUI font, which is made for the
// system's DPI, at the size it has at this DPI.
HFONT LinkFont(int dpi) {
    LOGFONTW font{};
    if (!::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font)) return nullptr;
    font.lfHeight = ::MulDiv(font.lfHeight, dpi, SystemDpi());
    return ::CreateFontIndirectW(&font);
}

// A maximized window given a new rectangle would stay maximized at it: a
// half-width window with a restore button whose restore jumps elsewhere. It
// is restored, straight to that rectangle as its normal one, instead. The
// normal rectangle is in workspace coordinates, which start at the work
// area's corner (except for tool windows); the SetWindowPos that follows
// puts the window exactly where the screen coordinates say. Where the
// placement of another program's window is refused (Wine refuses it), a
// plain restore does, by way of the window's earlier normal rectangle.
void LeaveMaximized(HWND window, std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(window, &placement)) {
        ::ShowWindow(window, SW_RESTORE);
        return;
    }
    std::int64_t dx = 0;
    std::int64_t dy = 0;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    const bool tool = (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    if (!tool &&
        ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        dx = std::int64_t{monitor.rcWork.left} - monitor.rcMonitor.left;
        dy = std::int64_t{monitor.rcWork.top} - monitor.rcMonitor.top;
    }
    placement.flags = 0;
    placement.showCmd = SW_RESTORE;
    placement.rcNormalPosition = {Saturate(x - dx), Saturate(y - dy),
                                  Saturate(std::int64_t{x} + cx - dx),
                                  Saturate(std::int64_t{y} + cy - dy)};
    if (!::SetWindowPlacement(window, &placement) || ::IsZoomed(window))
        ::ShowWindow(window, SW_RESTORE);
}

}  // namespace

Win32Desktop::Win32Desktop(HINSTANCE instance, ProgramState& state)
    : instance_(instance), state_(state) {
    getDpiForWindow_ = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    adjustWindowRectExForDpi_ =
        User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    queryNotificationState_ = FunctionIn<QueryNotificationStateFunction>(
        ::GetModuleHandleW(L"shell32.dll"), "SHQueryUserNotificationState");
    dwmapi_.reset(SystemLibrary(L"dwmapi.dll"));
    dwmGetWindowAttribute_ =
        FunctionIn<DwmGetWindowAttributeFunction>(dwmapi_.get(), "DwmGetWindowAttribute");
    // By name: the manifest's Common Controls 6, which alone has it, are
    // found through the program's activation context.
    comctl32_.reset(::LoadLibraryW(L"comctl32.dll"));
    loadIconWithScaleDown_ =
        FunctionIn<LoadIconWithScaleDownFunction>(comctl32_.get(), "LoadIconWithScaleDown");
    LoadTrayIcon(SystemDpi());
    const int pictures[] = {kStripPictureNormal, kStripPicturePressed};
    for (int i = 0; i < 2; ++i)
        pictures_[i] = static_cast<HBITMAP>(
            ::LoadImageW(instance, MAKEINTRESOURCEW(pictures[i]), IMAGE_BITMAP, 0, 0, 0));

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    // the system's shared copy, which picks the image for each size it draws
    windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
    windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassExW(&windowClass);
    RegisterUnitClasses(instance);
    owner_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, instance, nullptr);
    for (int i = 0; i < 3; ++i) {
        slots_[i].desktop = this;
        slots_[i].id = static_cast<ProgramWindow>(i);
    }
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    exitRequest_ = ::RegisterWindowMessageW(Widen(kExitRequestMessage).c_str());
    isHungAppWindow_ = User32Function<IsHungAppWindowFunction>("IsHungAppWindow");
}

Win32Desktop* Win32Desktop::eventTarget_ = nullptr;

void CALLBACK Win32Desktop::WinEventProc(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object,
                                         LONG child, DWORD, DWORD) {
    Win32Desktop* desktop = eventTarget_;
    if (!desktop || event != EVENT_SYSTEM_MOVESIZESTART || object != OBJID_WINDOW ||
        child != CHILDID_SELF || !hwnd)
        return;
    if (const auto started = DeclarationOf(ProgramWindow::Main).moveSizeStarted)
        started(desktop->state_, *desktop, ToHandle(hwnd));
}

Win32Desktop::~Win32Desktop() {
    moveSizeHook_.reset();
    if (eventTarget_ == this) eventTarget_ = nullptr;
    if (menuBar_) ::DestroyMenu(menuBar_);
    for (HBITMAP picture : pictures_)
        if (picture) ::DeleteObject(picture);
    if (owner_) ::DestroyWindow(owner_);
}

int Win32Desktop::RunMessageLoop() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

// ---- the window framework ----

LRESULT CALLBACK Win32Desktop::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* slot = static_cast<Slot*>(create->lpCreateParams);
        if (slot) slot->hwnd = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(slot));
    }
    auto* slot = reinterpret_cast<Slot*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!slot || slot->hwnd != hwnd) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    return slot->desktop->Handle(*slot, message, wParam, lParam);
}

LRESULT Win32Desktop::Handle(Slot& slot, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowDeclaration& declaration = DeclarationOf(slot.id);
    const HWND hwnd = slot.hwnd;
    switch (message) {
        case WM_TIMER:
            if (const TimerDeclaration* timer =
                    TimerOf(slot.id, static_cast<std::uint32_t>(wParam)))
                timer->tick(state_, *this);
            return 0;
        case WM_COMMAND:
            if (lParam == 0) {  // a menu item
                RunMenuCommand(state_, *this, LOWORD(wParam));
            } else if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kPictureButtonId) {
                for (const UnitDeclaration& unit : declaration.units)
                    if (unit.kind == UnitKind::PictureButton && unit.click)
                        unit.click(state_, *this);
            }
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE && !declaration.closedByUser) return 0;
            break;
        case WM_CLOSE:
            if (!declaration.closed) break;
            declaration.closed(state_, *this);
            return 0;
        case WM_ENDSESSION:
            if (wParam && declaration.closed) declaration.closed(state_, *this);
            return 0;
        case WM_MOUSEACTIVATE:
            if (declaration.neverActivates) return MA_NOACTIVATE;
            break;
        case WM_SHOWWINDOW:
            if (wParam && declaration.shown) declaration.shown(state_, *this);
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE && declaration.deactivated)
                declaration.deactivated(state_, *this);
            break;
        case WM_NCACTIVATE:
            // The strip's caption is drawn as active even when it is not.
            if (declaration.captionAlwaysActive)
                return ::DefWindowProcW(hwnd, message, TRUE, lParam);
            break;
        case kWmDpiChanged:
            if (declaration.scalesWithDpi)
                LayOut(slot, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            if (slot.id == ProgramWindow::Main) {
                LoadTrayIcon(HIWORD(wParam));
                Shell_NotifyIconA(NIM_MODIFY, nullptr);
            }
            return 0;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            // high contrast on or off: the units paint in the colours of now
            if (!slot.units.empty())
                ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case WM_DESTROY:
            // its units go with it, and paint no more
            slot.units.clear();
            slot.labelFont.reset();
            slot.linkFont.reset();
            slot.hwnd = nullptr;
            if (slot.id == ProgramWindow::Main) ::PostQuitMessage(0);
            return 0;
        default:
            if (message == taskbarCreated_ && taskbarCreated_ != 0) {
                // the new taskbar may be at another DPI than the old one
                if (slot.id == ProgramWindow::Main) LoadTrayIcon(DpiOf(hwnd));
                if (declaration.taskbarCreated) declaration.taskbarCreated(state_, *this);
                return 0;
            }
            if (message == exitRequest_ && exitRequest_ != 0) {
                if (declaration.exitRequested) declaration.exitRequested(state_, *this);
                return 0;
            }
            if (message == kTrayMenuClosedMessage && declaration.trayMenuClosed) {
                declaration.trayMenuClosed(state_, *this);
                return 0;
            }
            if (message == kTrayMessage && declaration.tray) {
                if (const std::int32_t code = TrayActionCode(LOWORD(lParam)); code != 0)
                    declaration.tray(state_, *this, code);
                return 0;
            }
            break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// Creates the window hidden, centred on the primary screen (and within the
// work area) and owned by the hidden tool window, then its units and
// timers, then raises its created event.
void Win32Desktop::LoadWindow(ProgramWindow window, bool modal) {
    Slot& slot = SlotOf(window);
    if (slot.hwnd) return;
    const WindowDeclaration& declaration = DeclarationOf(window);
    const std::int64_t left =
        (std::int64_t{::GetSystemMetrics(SM_CXSCREEN)} - declaration.width) / 2;
    const std::int64_t top =
        (std::int64_t{::GetSystemMetrics(SM_CYSCREEN)} - declaration.height) / 2;
    const Rect placed =
        WithinWorkArea({Saturate(left), Saturate(top), Saturate(left + declaration.width),
                        Saturate(top + declaration.height)},
                       WorkArea());
    const std::wstring title = Widen(declaration.title);
    slot.modal = modal;
    ::CreateWindowExW(ExtendedStyleOf(declaration), kWindowClass, title.c_str(),
                      StyleOf(declaration), placed.left, placed.top, placed.right - placed.left,
                      placed.bottom - placed.top, owner_, nullptr, instance_, &slot);
    if (!slot.hwnd) return;
    if (window == ProgramWindow::Main) AllowTaskbarCreated(slot.hwnd, taskbarCreated_);
    if (declaration.moveSizeStarted && !moveSizeHook_) {
        eventTarget_ = this;
        moveSizeHook_.reset(::SetWinEventHook(EVENT_SYSTEM_MOVESIZESTART, EVENT_SYSTEM_MOVESIZESTART,
                                              nullptr, WinEventProc, 0, 0,
                                              WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
    }
    CreateUnits(slot);
    if (declaration.scalesWithDpi) LayOut(slot, DpiOf(slot.hwnd), nullptr);
    for (const TimerDeclaration& timer : declaration.timers)
        if (timer.startsWithWindow) ::SetTimer(slot.hwnd, timer.id, timer.interval, nullptr);
    if (declaration.created) declaration.created(state_, *this);
}

// In declared order; the link boxes lie over the label and are drawn above it.
void Win32Desktop::CreateUnits(Slot& slot) {
    if (slot.id == ProgramWindow::Main) BuildTrayMenu();
    slot.units.clear();
    for (const UnitDeclaration& unit : DeclarationOf(slot.id).units) {
        HWND made = nullptr;
        switch (unit.kind) {
            case UnitKind::PictureButton:
                made = CreatePictureButton(instance_, slot.hwnd, unit, kPictureButtonId, pictures_);
                break;
            case UnitKind::Label: made = CreateLabel(instance_, slot.hwnd, unit); break;
            case UnitKind::LinkBox: made = CreateLinkBox(instance_, slot.hwnd, unit, *this); break;
        }
        slot.units.push_back(made);
    }
    for (std::size_t i = 0; i < slot.units.size(); ++i)
        if (slot.units[i] && DeclarationOf(slot.id).units[i].kind == UnitKind::LinkBox)
            ::SetWindowPos(slot.units[i], HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int Win32Desktop::DpiOf(HWND window) const {
    const UINT dpi = getDpiForWindow_ && window ? getDpiForWindow_(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

// The declared layout scaled to the DPI; then the text is measured in the
// label's font at the label's width, and the label, the boxes and the
// window are fitted to it.
void Win32Desktop::LayOut(Slot& slot, int dpi, const RECT* suggested) {
    const WindowDeclaration& declaration = DeclarationOf(slot.id);
    const DWORD style = StyleOf(declaration);
    const DWORD extendedStyle = ExtendedStyleOf(declaration);
    RECT frame{};
    if (adjustWindowRectExForDpi_) {
        adjustWindowRectExForDpi_(&frame, style, FALSE, extendedStyle, static_cast<UINT>(dpi));
    } else {
        ::AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    }
    const FrameSize frameSize{frame.right - frame.left, frame.bottom - frame.top};
    WindowLayout layout = LayOutWindow(declaration, dpi, frameSize, nullptr);
    // the fonts the units show now go once the units show the new ones
    OwnedFont labelFont(LabelFont(layout.labelFont));
    OwnedFont linkFont(LinkFont(dpi));
    for (std::size_t i = 0; i < layout.units.size(); ++i) {
        if (declaration.units[i].kind != UnitKind::Label) continue;
        const int width = layout.units[i].right - 2 * kLabelBorder;
        if (auto text = MeasureLabelText(labelFont.get(), width, declaration.units))
            layout = LayOutWindow(declaration, dpi, frameSize, &*text);
        break;
    }
    for (std::size_t i = 0; i < layout.units.size() && i < slot.units.size(); ++i) {
        HWND unit = slot.units[i];
        if (!unit) continue;
        const Rect& r = layout.units[i];
        ::SetWindowPos(unit, nullptr, r.left, r.top, r.right, r.bottom,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        HFONT font =
            declaration.units[i].kind == UnitKind::Label ? labelFont.get() : linkFont.get();
        ::SendMessageW(unit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    slot.labelFont = std::move(labelFont);
    slot.linkFont = std::move(linkFont);
    RECT placed{};
    if (suggested) {
        placed = {suggested->left, suggested->top,
                  Saturate(suggested->left + std::max<std::int64_t>(
                                                 layout.width, suggested->right - suggested->left)),
                  Saturate(suggested->top + std::max<std::int64_t>(
                                                layout.height, suggested->bottom - suggested->top))};
    } else {
        const std::int64_t left = (std::int64_t{::GetSystemMetrics(SM_CXSCREEN)} - layout.width) / 2;
        const std::int64_t top = (std::int64_t{::GetSystemMetrics(SM_CYSCREEN)} - layout.height) / 2;
        placed = {Saturate(left), Saturate(top), Saturate(left + layout.width),
                  Saturate(top + layout.height)};
    }
    const Rect kept = WithinWorkArea({placed.left, placed.top, placed.right, placed.bottom},
                                     WorkAreaAround(placed));
    ::SetWindowPos(slot.hwnd, nullptr, kept.left, kept.top, kept.right - kept.left,
                   kept.bottom - kept.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The menu as declared: a submenu's items follow its opener, and an item's
// shortcut text stands after a tab. A menu that cannot be made is no menu:
// the tray event then opens nothing.
void Win32Desktop::BuildTrayMenu() {
    if (menuBar_) return;
    menuBar_ = ::CreateMenu();
    HMENU dropDown = ::CreatePopupMenu();
    if (!menuBar_ || !dropDown ||
        !::AppendMenuW(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown),
                       Widen(kTrayMenuCaption).c_str())) {
        if (dropDown) ::DestroyMenu(dropDown);
        if (menuBar_) ::DestroyMenu(menuBar_);
        menuBar_ = nullptr;
        return;
    }
    trayMenu_ = dropDown;
    HMENU submenu = nullptr;
    for (const MenuItemDeclaration& item : TrayMenu()) {
        HMENU into = trayMenu_;
        if (item.depth == 1) {
            if (!submenu) continue;
            into = submenu;
        }
        if (!item.caption) {
            ::AppendMenuW(into, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::wstring text = Widen(item.caption);
        if (item.shortcut) text += L"\t" + Widen(item.shortcut);
        if (item.opensSubmenu) {
            submenu = ::CreatePopupMenu();
            if (submenu &&
                !::AppendMenuW(into, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), text.c_str())) {
                ::DestroyMenu(submenu);
                submenu = nullptr;
            }
            continue;
        }
        ::AppendMenuW(into, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED), item.commandId,
                      text.c_str());
    }
}

// The strip is shown without taking the activation; a modal window is
// shown and waited for.
void Win32Desktop::ShowProgramWindow(ProgramWindow window) {
    Slot& slot = SlotOf(window);
    if (!slot.hwnd) return;
    if (slot.modal && slot.running) {
        // Already open: brought to the front, restored if minimized.
        if (::IsIconic(slot.hwnd)) ::ShowWindow(slot.hwnd, SW_RESTORE);
        ::SetForegroundWindow(slot.hwnd);
        return;
    }
    if (slot.modal) {
        slot.running = true;
        RunModal(slot);
        slot.running = false;
        return;
    }
    ::ShowWindow(slot.hwnd, DeclarationOf(window).neverActivates ? SW_SHOWNOACTIVATE : SW_SHOW);
}

// While a modal window is open every other window of the program is
// disabled; each gets back its enabled state when it closes. The loop goes
// on dispatching everything, timer ticks included.
void Win32Desktop::RunModal(Slot& slot) {
    bool wasEnabled[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (&slots_[i] == &slot || !slots_[i].hwnd) continue;
        wasEnabled[i] = ::IsWindowEnabled(slots_[i].hwnd);
        ::EnableWindow(slots_[i].hwnd, FALSE);
    }
    ::ShowWindow(slot.hwnd, SW_SHOW);
    const WindowDeclaration& declaration = DeclarationOf(slot.id);
    MSG message{};
    bool quit = false;
    while (slot.hwnd) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            quit = got == 0;
            break;
        }
        // Esc closes the window wherever in it the keyboard focus is.
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE &&
            declaration.closedByUser &&
            (message.hwnd == slot.hwnd || ::IsChild(slot.hwnd, message.hwnd))) {
            ::PostMessageW(slot.hwnd, WM_CLOSE, 0, 0);
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    // The quit this loop took is left for the outer loop to end on.
    if (quit) ::PostQuitMessage(static_cast<int>(message.wParam));
    for (int i = 0; i < 3; ++i)
        if (&slots_[i] != &slot && slots_[i].hwnd) ::EnableWindow(slots_[i].hwnd, wasEnabled[i]);
}

WindowHandle Win32Desktop::ProgramWindowHandle(ProgramWindow window) {
    return ToHandle(SlotOf(window).hwnd);
}

void Win32Desktop::CloseMainWindow() {
    if (HWND main = SlotOf(ProgramWindow::Main).hwnd) ::PostMessageW(main, WM_CLOSE, 0, 0);
}

// The picture button is at least as large as declared and grows with the
// strip, so that a click anywhere on a tall taskbar's strip is on it. A
// strip already in place is left alone: the timer places it twice a
// second, and a move that changes nothing still costs a repaint.
void Win32Desktop::SetStripRect(std::int32_t left, std::int32_t top, std::int32_t width,
                                std::int32_t height) {
    Slot& strip = SlotOf(ProgramWindow::Strip);
    RECT now{};
    if (!strip.hwnd || (::GetWindowRect(strip.hwnd, &now) && now.left == left && now.top == top &&
                        now.right - now.left == width && now.bottom - now.top == height))
        return;
    ::SetWindowPos(strip.hwnd, nullptr, left, top, width, height, SWP_NOACTIVATE | SWP_NOZORDER);
    const auto units = DeclarationOf(ProgramWindow::Strip).units;
    for (std::size_t i = 0; i < units.size() && i < strip.units.size(); ++i) {
        if (!strip.units[i]) continue;
        ::SetWindowPos(strip.units[i], nullptr, 0, 0, std::max(units[i].rect.right, width),
                       std::max(units[i].rect.bottom, height),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::InvalidateRect(strip.units[i], nullptr, FALSE);
    }
}

void Win32Desktop::SetStripVisible(bool visible) {
    HWND strip = SlotOf(ProgramWindow::Strip).hwnd;
    if (!strip || (::IsWindowVisible(strip) != FALSE) == visible) return;
    ::ShowWindow(strip, visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

// Back to the top of the always-on-top windows. If anything minimized or
// hid the strip meanwhile, it is shown again, without taking the
// activation.
void Win32Desktop::SetStripTopmost() {
    HWND strip = SlotOf(ProgramWindow::Strip).hwnd;
    if (!strip) return;
    if (::IsIconic(strip)) ::ShowWindow(strip, SW_SHOWNOACTIVATE);
    const UINT show = ::IsWindowVisible(strip) ? 0 : SWP_SHOWWINDOW;
    ::SetWindowPos(strip, HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | show);
}

bool Win32Desktop::SetTimer(WindowHandle window, std::uint32_t timerId,
                            std::uint32_t milliseconds) {
    return ::SetTimer(ToHwnd(window), timerId, milliseconds, nullptr) != 0;
}

bool Win32Desktop::KillTimer(WindowHandle window, std::uint32_t timerId) {
    return ::KillTimer(ToHwnd(window), timerId) != FALSE;
}

void Win32Desktop::ExitProcess(std::uint32_t exitCode) { ::ExitProcess(exitCode); }

// ---- tray icon and menu ----

// An add can report failure when the shell, busy starting, answered late
// but put the icon up all the same; then the icon is there to be modified,
// and the add counts as done. A modify without a tip gives the icon its
// image anew (one for another DPI).
bool Win32Desktop::Shell_NotifyIconA(std::uint32_t message, const char* tip) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = SlotOf(ProgramWindow::Main).hwnd;
    data.uID = kTrayIconId;
    if (message == NIM_MODIFY && !tip) {
        data.uFlags = NIF_ICON;
        data.hIcon = trayIcon_.get();
    } else if (message == win::kNimAdd) {
        data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        data.uCallbackMessage = kTrayMessage;
        data.hIcon = trayIcon_.get();
        const std::wstring text = Widen(tip ? tip : "");
        const std::size_t length = std::min(text.size(), std::size(data.szTip) - 1);
        std::wmemcpy(data.szTip, text.c_str(), length);
        data.szTip[length] = L'\0';
    }
    return ::Shell_NotifyIconW(message, &data) != FALSE ||
           (message == win::kNimAdd && ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE);
}

bool Win32Desktop::CheckMenuItem(std::uint32_t commandId, bool checked) {
    return trayMenu_ && ::CheckMenuItem(trayMenu_, commandId,
                                        MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)) !=
                            static_cast<DWORD>(-1);
}

bool Win32Desktop::IsMenuItemChecked(std::uint32_t commandId) {
    if (!trayMenu_) return false;
    const UINT state = ::GetMenuState(trayMenu_, commandId, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

// Without TPM_RETURNCMD the chosen item's WM_COMMAND is posted to the main
// window and raises its click once the menu has closed.
bool Win32Desktop::TrackPopupMenu(std::uint32_t flags, std::int32_t x, std::int32_t y) {
    return trayMenu_ && ::TrackPopupMenu(trayMenu_, flags, x, y, 0,
                                         SlotOf(ProgramWindow::Main).hwnd, nullptr) != FALSE;
}

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
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return kStarted;
}

std::int32_t Win32Desktop::MessageBoxA(const char* text, const char* caption, std::uint32_t type) {
    return ::MessageBoxW(nullptr, Widen(text ? text : "").c_str(),
                         Widen(caption ? caption : "").c_str(), type);
}

// Loaded for the DPI: the image of that size, or a larger one scaled down
// as crisply as the system can (Vista and later); where that is missing,
// the image the system picks for the size. Windows XP, which cannot read
// the larger sizes, takes the largest bitmap. A failed load keeps the icon
// the program had; so does a size the icon already has (a new taskbar at the
// same DPI), since loading it again only churns memory.
void Win32Desktop::LoadTrayIcon(int dpi) {
    const int size = SmallIconSize(dpi);
    if (trayIcon_ && size == trayIconSize_) return;
    const auto load = [&](int resource) {
        HICON icon = nullptr;
        if (!loadIconWithScaleDown_ ||
            FAILED(loadIconWithScaleDown_(instance_, MAKEINTRESOURCEW(resource), size, size, &icon)))
            icon = static_cast<HICON>(::LoadImageW(instance_, MAKEINTRESOURCEW(resource), IMAGE_ICON,
                                                   size, size, LR_DEFAULTCOLOR));
        return icon;
    };
    HICON icon = FromLargeIcon(size) ? load(kLargeIconResource) : nullptr;
    if (!icon) icon = load(kIconResource);
    if (!icon) return;
    trayIcon_.reset(icon);
    trayIconSize_ = size;
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
    *info = {{m.left, m.top, m.right, m.bottom}, {w.left, w.top, w.right, w.bottom}, answer.dwFlags};
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
    if (queryNotificationState_ && SUCCEEDED(queryNotificationState_(&answer))) shell = answer;
    *state = NotificationState(
        shell, Foreground(), {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
    return S_OK;
}

// ---- windows ----

bool Win32Desktop::Hung(HWND window) const {
    const bool ownThread =
        window && ::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId();
    return SpareHungWindow(ToHandle(window), ownThread, [&](WindowHandle) {
        return isHungAppWindow_ && isHungAppWindow_(window);
    });
}

WindowHandle Win32Desktop::GetForegroundWindow() { return ToHandle(::GetForegroundWindow()); }

// Windows 10 and 11 draw a window's frame inside its rectangle, which holds
// invisible resize borders too. The DWM knows where the frame is.
Margins Win32Desktop::MarginsOf(HWND window) const {
    RECT bounds{};
    RECT frame{};
    // a minimized window shows no frame
    if (!dwmGetWindowAttribute_ || ::IsIconic(window) || !::GetWindowRect(window, &bounds))
        return {};
    std::optional<Rect> visible;
    if (SUCCEEDED(dwmGetWindowAttribute_(window, kDwmExtendedFrameBounds, &frame, sizeof frame)))
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

bool Win32Desktop::EnableWindow(WindowHandle window, bool enable) {
    const HWND hwnd = ToHwnd(window);
    return !Hung(hwnd) && ::EnableWindow(hwnd, enable) != FALSE;
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

WindowHandle Win32Desktop::GetAncestor(WindowHandle window, std::uint32_t flags) {
    return ToHandle(::GetAncestor(ToHwnd(window), flags));
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
