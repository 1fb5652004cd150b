// The Win32 binding's window framework, the twin of the simulated desktop's
// window file: the program's declared windows with their units and timers,
// their messages turned into the program's events, the modal loop, the
// tray menu and the strip.
#include <algorithm>
#include <string>

#include "engine/Geometry.h"
#include "platform/win32/DpiLayout.h"
#include "platform/win32/Resources.h"
#include "platform/win32/Text.h"
#include "platform/win32/Units.h"
#include "platform/win32/Win32Desktop.h"
#include "shell/Declarations.h"
#include "shell/Framework.h"

namespace tremolux::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"TremoluxWindow";
constexpr UINT kWmDpiChanged = 0x02E0;

// Run as administrator, the program would not hear the shell's broadcast:
// message filtering keeps it from a process of lower integrity. Windows 7
// and later filter per window, Vista per process; Windows XP has neither
// the filter nor the need.
void AllowTaskbarCreated(const LateBound& late, HWND window, UINT message) {
    if (message == 0) return;
    constexpr DWORD kMsgFltAllow = 1;
    constexpr DWORD kMsgFltAdd = 1;
    if (late.changeWindowMessageFilterEx) {
        late.changeWindowMessageFilterEx(window, message, kMsgFltAllow, nullptr);
    } else if (late.changeWindowMessageFilter) {
        late.changeWindowMessageFilter(message, kMsgFltAdd);
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

Rect CentredOnPrimaryScreen(std::int32_t width, std::int32_t height) {
    return CentredOnScreen(width, height, ::GetSystemMetrics(SM_CXSCREEN),
                           ::GetSystemMetrics(SM_CYSCREEN));
}

// The screen's DPI, as every window had it before Windows 10: the
// system's, from the screen's device context.
int SystemDpi() {
    const BorrowedDC screen(nullptr);
    const int dpi = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
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

// A font made for the system's DPI at the size it has at this DPI.
HFONT ForDpi(LOGFONTW font, int dpi) {
    font.lfHeight = ::MulDiv(font.lfHeight, dpi, SystemDpi());
    return ::CreateFontIndirectW(&font);
}

// The link boxes' font: the default GUI font.
HFONT LinkFont(int dpi) {
    LOGFONTW font{};
    if (!::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font)) return nullptr;
    return ForDpi(font, dpi);
}

// The system's message font, which the user chooses and which holds the
// letters of the user's language. The structure's size is Windows XP's,
// which every later Windows takes too.
HFONT MessageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        return nullptr;
    return ForDpi(metrics.lfMessageFont, dpi);
}

}  // namespace

Win32Desktop* Win32Desktop::eventTarget_ = nullptr;

Win32Desktop::Win32Desktop(HINSTANCE instance, ProgramState& state)
    : instance_(instance), state_(state), trayIcon_(instance, late_) {
    trayIcon_.LoadForDpi(SystemDpi());
    const int pictures[] = {kStripPictureNormal, kStripPicturePressed};
    for (int i = 0; i < 2; ++i)
        pictures_[i].reset(static_cast<HBITMAP>(
            ::LoadImageW(instance, MAKEINTRESOURCEW(pictures[i]), IMAGE_BITMAP, 0, 0, 0)));

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    // the system's shared copy, which picks the image for each size it draws
    windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
    windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(win::kIdcArrow));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassExW(&windowClass);
    RegisterUnitClasses(instance);
    owner_.reset(::CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0,
                                   nullptr, nullptr, instance, nullptr));
    for (ProgramWindow window : kProgramWindows) {
        SlotOf(window).desktop = this;
        SlotOf(window).id = window;
    }
    registered_ = {::RegisterWindowMessageW(L"TaskbarCreated"),
                   ::RegisterWindowMessageW(Widen(kExitRequestMessage).c_str())};
}

Win32Desktop::~Win32Desktop() {
    moveSizeHook_.reset();
    if (eventTarget_ == this) eventTarget_ = nullptr;
}

int Win32Desktop::RunMessageLoop() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

void CALLBACK Win32Desktop::WinEventProc(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object,
                                         LONG child, DWORD, DWORD) {
    Win32Desktop* desktop = eventTarget_;
    if (!desktop) return;
    if (const auto raised = EventOfWinEvent(event, ToHandle(hwnd), object, child))
        RaiseEvent(desktop->state_, *desktop, *raised);
}

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

// A message that raises an event runs its handler, and ends there unless
// it is a notification or the program leaves it to the platform (a close
// of a window the user may close). The rest is the framework's own.
LRESULT Win32Desktop::Handle(Slot& slot, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowDeclaration& declaration = DeclarationOf(slot.id);
    const HWND hwnd = slot.hwnd;
    if (const auto raised = EventOfMessage(slot.id, message, wParam, lParam, registered_)) {
        // the new taskbar may be at another DPI than the old one
        if (raised->event.kind == EventKind::TaskbarCreated && slot.id == ProgramWindow::Main)
            trayIcon_.LoadForDpi(DpiOf(hwnd));
        if (RaiseEvent(state_, *this, raised->event) && !raised->notification) return 0;
    }
    switch (message) {
        case WM_MOUSEACTIVATE:
            if (declaration.neverActivates) return MA_NOACTIVATE;
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
                trayIcon_.LoadForDpi(HIWORD(wParam));
                trayIcon_.ShowImage();
            }
            return 0;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            // high contrast on or off: the units paint in the colours of now
            if (!slot.units.empty())
                ::RedrawWindow(hwnd, nullptr, nullptr,
                               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case WM_DESTROY:
            // its units go with it, and paint no more
            slot.units.clear();
            slot.labelFont.reset();
            slot.linkFont.reset();
            slot.hwnd = nullptr;
            if (slot.id == ProgramWindow::Main) ::PostQuitMessage(0);
            return 0;
        default: break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// Creates the window hidden, centred on the primary screen (and within the
// work area) and owned by the hidden tool window, then its units and
// timers, then raises its created event. The main window also hears of
// every move/size loop that starts, for as long as it lives.
void Win32Desktop::LoadWindow(ProgramWindow window, bool modal) {
    Slot& slot = SlotOf(window);
    if (slot.hwnd) return;
    const WindowDeclaration& declaration = DeclarationOf(window);
    const Rect placed =
        WithinWorkArea(CentredOnPrimaryScreen(declaration.width, declaration.height), WorkArea());
    const std::wstring title = Widen(TextOf(state_, declaration.title));
    slot.modal = modal;
    ::CreateWindowExW(ExtendedStyleOf(declaration), kWindowClass, title.c_str(),
                      StyleOf(declaration), placed.left, placed.top, placed.right - placed.left,
                      placed.bottom - placed.top, owner_.get(), nullptr, instance_, &slot);
    if (!slot.hwnd) return;
    if (window == ProgramWindow::Main) {
        AllowTaskbarCreated(late_, slot.hwnd, registered_.taskbarCreated);
        trayIcon_.AttachTo(slot.hwnd);
    }
    if (declaration.moveSizeStarted && !moveSizeHook_) {
        eventTarget_ = this;
        moveSizeHook_.reset(::SetWinEventHook(EVENT_SYSTEM_MOVESIZESTART, EVENT_SYSTEM_MOVESIZEEND,
                                              nullptr, WinEventProc, 0, 0,
                                              WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
    }
    CreateUnits(slot);
    if (declaration.scalesWithDpi) LayOut(slot, DpiOf(slot.hwnd), nullptr);
    for (const TimerDeclaration& timer : declaration.timers)
        if (timer.startsWithWindow) ::SetTimer(slot.hwnd, timer.id, timer.interval, nullptr);
    RaiseEvent(state_, *this, {.kind = EventKind::Created, .window = window});
}

// In declared order; the link boxes lie over the label and are drawn above it.
void Win32Desktop::CreateUnits(Slot& slot) {
    if (slot.id == ProgramWindow::Main) BuildTrayMenu();
    slot.units.clear();
    const Texts& texts = TextsOf(state_);
    const HBITMAP pictures[2] = {pictures_[0].get(), pictures_[1].get()};
    for (const UnitDeclaration& unit : DeclarationOf(slot.id).units) {
        HWND made = nullptr;
        switch (unit.kind) {
            case UnitKind::PictureButton:
                made = CreatePictureButton(instance_, slot.hwnd, unit, kPictureButtonId, pictures);
                break;
            case UnitKind::Label: made = CreateLabel(instance_, slot.hwnd, unit, texts); break;
            case UnitKind::LinkBox:
                made = CreateLinkBox(instance_, slot.hwnd, unit, texts, *this);
                break;
        }
        slot.units.push_back(made);
    }
    for (std::size_t i = 0; i < slot.units.size(); ++i)
        if (slot.units[i] && DeclarationOf(slot.id).units[i].kind == UnitKind::LinkBox)
            ::SetWindowPos(slot.units[i], HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int Win32Desktop::DpiOf(HWND window) const {
    const UINT dpi = late_.getDpiForWindow && window ? late_.getDpiForWindow(window) : 0;
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
    if (late_.adjustWindowRectExForDpi) {
        late_.adjustWindowRectExForDpi(&frame, style, FALSE, extendedStyle, static_cast<UINT>(dpi));
    } else {
        ::AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    }
    const FrameSize frameSize{frame.right - frame.left, frame.bottom - frame.top};
    WindowLayout layout = LayOutWindow(declaration, dpi, frameSize, nullptr);
    // the work area it goes to: the suggested rectangle's monitor's, or the
    // primary's, where a new window is centred
    const Rect around =
        suggested ? Rect{suggested->left, suggested->top, suggested->right, suggested->bottom}
                  : CentredOnPrimaryScreen(layout.width, layout.height);
    MonitorInfo monitor;
    const Rect room =
        GetMonitorInfoW(MonitorFromRect(around, win::kMonitorDefaultToPrimary), &monitor)
            ? monitor.work
            : WorkArea();
    // the fonts the units show now go once the units show the new ones
    const Texts& texts = TextsOf(state_);
    OwnedFont labelFont(texts.messageFont ? MessageFont(dpi) : LabelFont(layout.labelFont));
    OwnedFont linkFont(LinkFont(dpi));
    for (std::size_t i = 0; i < layout.units.size(); ++i) {
        if (declaration.units[i].kind != UnitKind::Label) continue;
        // measured again, wider, where the text would not fit the work
        // area's height: a few times at most, each nearer
        std::int32_t width = layout.units[i].right - 2 * kLabelBorder;
        for (int measure = 0; measure < 6; ++measure) {
            const auto text = MeasureLabelText(labelFont.get(), width, declaration.units, texts);
            if (!text) break;
            layout = LayOutWindow(declaration, dpi, frameSize, &*text);
            const std::int32_t wider = LabelWidthToFit(layout, *text, Width(room), Height(room));
            if (wider <= width) break;
            width = wider;
        }
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
    const Rect placed =
        suggested
            ? Rect{around.left, around.top,
                   Saturate(around.left + std::max<std::int64_t>(layout.width, Width(around))),
                   Saturate(around.top + std::max<std::int64_t>(layout.height, Height(around)))}
            : CentredOnPrimaryScreen(layout.width, layout.height);
    const Rect kept = WithinWorkArea(placed, room);
    ::SetWindowPos(slot.hwnd, nullptr, kept.left, kept.top, kept.right - kept.left,
                   kept.bottom - kept.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The menu as declared: a submenu's items follow its opener, and an item's
// shortcut text stands after a tab. A menu that cannot be made is no menu:
// the tray event then opens nothing. The bar owns its drop-down list, and
// each list its submenus.
void Win32Desktop::BuildTrayMenu() {
    if (menuBar_) return;
    OwnedMenu bar(::CreateMenu());
    OwnedMenu dropDown(::CreatePopupMenu());
    if (!bar || !dropDown ||
        !::AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown.get()),
                       Widen(kTrayMenuCaption).c_str()))
        return;
    menuBar_ = std::move(bar);
    trayMenu_ = dropDown.release();
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
        std::wstring text = Widen(TextOf(state_, item.caption));
        if (item.shortcut) text += L"\t" + Widen(item.shortcut);
        if (item.opensSubmenu) {
            OwnedMenu opened(::CreatePopupMenu());
            submenu =
                opened && ::AppendMenuW(into, MF_POPUP, reinterpret_cast<UINT_PTR>(opened.get()),
                                        text.c_str())
                    ? opened.release()
                    : nullptr;
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

// The window's own loop goes on dispatching everything, timer ticks
// included, until it is closed; Esc closes it wherever in it the keyboard
// focus is. The dialog manager moves the focus between its tab stops (Tab,
// Shift+Tab) and shows the focus cues once the keyboard is used; shown, the
// window starts with them as the last input had them.
void Win32Desktop::RunModal(Slot& slot) {
    const auto enabledOf = [&](ProgramWindow window) -> std::optional<bool> {
        const HWND hwnd = SlotOf(window).hwnd;
        if (!hwnd) return std::nullopt;
        return ::IsWindowEnabled(hwnd) != FALSE;
    };
    const auto setEnabled = [&](ProgramWindow window, bool enable) {
        ::EnableWindow(SlotOf(window).hwnd, enable);
    };
    WithOtherWindowsDisabled(slot.id, enabledOf, setEnabled, [&] {
        ::ShowWindow(slot.hwnd, SW_SHOW);
        ::SendMessageW(slot.hwnd, WM_CHANGEUISTATE,
                       MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
        const WindowDeclaration& declaration = DeclarationOf(slot.id);
        MSG message{};
        bool quit = false;
        while (slot.hwnd) {
            const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
            if (got <= 0) {
                quit = got == 0;
                break;
            }
            if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE &&
                declaration.closedByUser &&
                (message.hwnd == slot.hwnd || ::IsChild(slot.hwnd, message.hwnd))) {
                ::PostMessageW(slot.hwnd, WM_CLOSE, 0, 0);
                continue;
            }
            if (slot.hwnd && ::IsDialogMessageW(slot.hwnd, &message)) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        // The quit this loop took is left for the outer loop to end on.
        if (quit) ::PostQuitMessage(static_cast<int>(message.wParam));
    });
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

// Delivered to the same procedure as the loops' starts and ends, which
// turns them into the program's events. The program follows one drag and
// the pointer at a time: each hook it sets is held here until unhooked or
// the program ends; with every slot taken, none is set.
WinEventHook Win32Desktop::SetWinEventHook(std::uint32_t eventMin, std::uint32_t eventMax,
                                           std::uint32_t processId, std::uint32_t threadId,
                                           std::uint32_t flags) {
    eventTarget_ = this;
    for (OwnedWinEventHook& slot : hooks_) {
        if (slot) continue;
        slot.reset(::SetWinEventHook(eventMin, eventMax, nullptr, WinEventProc, processId, threadId,
                                     flags));
        return reinterpret_cast<WinEventHook>(slot.get());
    }
    return 0;
}

bool Win32Desktop::UnhookWinEvent(WinEventHook hook) {
    for (OwnedWinEventHook& slot : hooks_) {
        if (hook == 0 || hook != reinterpret_cast<WinEventHook>(slot.get())) continue;
        slot.reset();
        return true;
    }
    return false;
}

// ---- tray icon and menu ----

bool Win32Desktop::Shell_NotifyIconA(std::uint32_t message, const char* tip) {
    switch (message) {
        case win::kNimAdd: return trayIcon_.Add(tip);
        case win::kNimDelete: return trayIcon_.Remove();
        case win::kNimSetVersion: return trayIcon_.SetVersion4();
        case win::kNimSetFocus: return trayIcon_.Focus();
        default: return false;
    }
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

}  // namespace tremolux::win32
