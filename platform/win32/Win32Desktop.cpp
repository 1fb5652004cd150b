#include "platform/win32/Win32Desktop.h"

#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string>

#include "platform/win32/Resources.h"
#include "platform/win32/Text.h"
#include "platform/win32/Units.h"
#include "shell/Declarations.h"

namespace tremolux::win32 {

static_assert(sizeof(Rect) == sizeof(RECT), "Rect must have the layout of a RECT");

namespace {

constexpr wchar_t kWindowClass[] = L"TremoluxWindow";
constexpr UINT_PTR kPictureButtonId = 1;

// Window handles have 32 significant bits on every Windows, so a 64-bit
// build (the one Wine runs where 32-bit code cannot) sign-extends them.
HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(window)));
}

WindowHandle ToHandle(HWND hwnd) {
    return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(hwnd));
}

// Run as administrator, the program would not hear the shell's broadcast:
// message filtering keeps it from a process of lower integrity. Windows
// Vista and later have the filter; Windows XP has neither it nor the need.
void AllowTaskbarCreated(HWND window, UINT message) {
    using Filter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (!user32 || message == 0) return;
    auto filter = reinterpret_cast<Filter>(
        reinterpret_cast<void*>(::GetProcAddress(user32, "ChangeWindowMessageFilterEx")));
    constexpr DWORD kMsgFltAllow = 1;
    if (filter) filter(window, message, kMsgFltAllow, nullptr);
}

DWORD StyleOf(const WindowDeclaration& declaration) {
    if (declaration.border == Border::FixedSingle)
        return WS_OVERLAPPED | WS_CAPTION | (declaration.systemMenu ? WS_SYSMENU : 0);
    return WS_POPUP | (declaration.systemMenu ? WS_SYSMENU : 0);
}

}  // namespace

Win32Desktop::Win32Desktop(HINSTANCE instance, ProgramState& state)
    : instance_(instance), state_(state) {
    icon_ = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                            ::GetSystemMetrics(SM_CXSMICON),
                                            ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    const int pictures[] = {kStripPictureNormal, kStripPicturePressed};
    for (int i = 0; i < 2; ++i)
        pictures_[i] = static_cast<HBITMAP>(
            ::LoadImageW(instance, MAKEINTRESOURCEW(pictures[i]), IMAGE_BITMAP, 0, 0, 0));

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon_;
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
}

Win32Desktop::~Win32Desktop() {
    if (menuBar_) ::DestroyMenu(menuBar_);
    for (HBITMAP picture : pictures_)
        if (picture) ::DeleteObject(picture);
    if (icon_) ::DestroyIcon(icon_);
    if (owner_) ::DestroyWindow(owner_);
}

int Win32Desktop::RunMessageLoop() {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
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
            for (const TimerDeclaration& timer : declaration.timers)
                if (timer.id == wParam) timer.tick(state_, *this);
            return 0;
        case WM_COMMAND:
            if (lParam == 0) {  // a menu item
                if (const MenuItemDeclaration* item = MenuItemById(LOWORD(wParam)))
                    item->click(state_, *this);
            } else if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kPictureButtonId) {
                for (const UnitDeclaration& unit : declaration.units)
                    if (unit.kind == UnitKind::PictureButton && unit.click)
                        unit.click(state_, *this);
            }
            return 0;
        case WM_DRAWITEM:
            DrawPictureButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
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
        case WM_DESTROY:
            slot.hwnd = nullptr;
            if (slot.id == ProgramWindow::Main) ::PostQuitMessage(0);
            return 0;
        default:
            // After a restart of the shell the icon is put back as it was.
            if (message == taskbarCreated_ && taskbarCreated_ != 0 &&
                slot.id == ProgramWindow::Main) {
                if (trayIconWanted_) AddTrayIcon();
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

// Creates the window hidden, centred on the primary screen and owned by the
// hidden tool window, then its units and timers, then raises its created
// event.
void Win32Desktop::LoadWindow(ProgramWindow window, bool modal) {
    Slot& slot = SlotOf(window);
    if (slot.hwnd) return;
    const WindowDeclaration& declaration = DeclarationOf(window);
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - declaration.width) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - declaration.height) / 2;
    const std::wstring title = Widen(declaration.title);
    slot.modal = modal;
    ::CreateWindowExW(declaration.topmost ? WS_EX_TOPMOST : 0, kWindowClass, title.c_str(),
                      StyleOf(declaration), left, top, declaration.width, declaration.height,
                      owner_, nullptr, instance_, &slot);
    if (!slot.hwnd) return;
    if (window == ProgramWindow::Main) AllowTaskbarCreated(slot.hwnd, taskbarCreated_);
    CreateUnits(slot);
    for (const TimerDeclaration& timer : declaration.timers)
        ::SetTimer(slot.hwnd, timer.id, timer.interval, nullptr);
    if (declaration.created) declaration.created(state_, *this);
}

// In declared order; the link boxes lie over the label and are drawn above it.
void Win32Desktop::CreateUnits(Slot& slot) {
    if (slot.id == ProgramWindow::Main) BuildTrayMenu();
    HWND links[2] = {};
    int linkCount = 0;
    for (const UnitDeclaration& unit : DeclarationOf(slot.id).units) {
        switch (unit.kind) {
            case UnitKind::PictureButton:
                ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                  unit.rect.left, unit.rect.top, unit.rect.right, unit.rect.bottom,
                                  slot.hwnd, reinterpret_cast<HMENU>(kPictureButtonId), instance_,
                                  nullptr);
                break;
            case UnitKind::Label: CreateLabel(instance_, slot.hwnd, unit); break;
            case UnitKind::LinkBox:
                if (HWND link = CreateLinkBox(instance_, slot.hwnd, unit, *this);
                    link && linkCount < 2)
                    links[linkCount++] = link;
                break;
        }
    }
    for (int i = 0; i < linkCount; ++i)
        ::SetWindowPos(links[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The menu as declared: a submenu's items follow its opener, and an item's
// shortcut text stands after a tab.
void Win32Desktop::BuildTrayMenu() {
    if (menuBar_) return;
    menuBar_ = ::CreateMenu();
    trayMenu_ = ::CreatePopupMenu();
    ::AppendMenuW(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(trayMenu_),
                  Widen(kTrayMenuCaption).c_str());
    HMENU submenu = nullptr;
    for (const MenuItemDeclaration& item : TrayMenu()) {
        HMENU into = item.depth == 1 && submenu ? submenu : trayMenu_;
        if (!item.caption) {
            ::AppendMenuW(into, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::wstring text = Widen(item.caption);
        if (item.shortcut) text += L"\t" + Widen(item.shortcut);
        if (item.opensSubmenu) {
            submenu = ::CreatePopupMenu();
            ::AppendMenuW(into, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), text.c_str());
            continue;
        }
        ::AppendMenuW(into, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED), item.commandId,
                      text.c_str());
    }
}

// The first picture normally, the second while the button is held down.
void Win32Desktop::DrawPictureButton(const DRAWITEMSTRUCT& item) {
    HBITMAP picture = pictures_[(item.itemState & ODS_SELECTED) ? 1 : 0];
    if (!picture) return;
    HDC memory = ::CreateCompatibleDC(item.hDC);
    if (!memory) return;
    HGDIOBJ previous = ::SelectObject(memory, picture);
    BITMAP size{};
    ::GetObjectW(picture, sizeof size, &size);
    ::BitBlt(item.hDC, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
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
    ::ShowWindow(slot.hwnd, window == ProgramWindow::Strip ? SW_SHOWNOACTIVATE : SW_SHOW);
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
    MSG message;
    while (slot.hwnd && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Esc closes the window wherever in it the keyboard focus is.
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE &&
            declaration.escapeCloses &&
            (message.hwnd == slot.hwnd || ::IsChild(slot.hwnd, message.hwnd))) {
            ::PostMessageW(slot.hwnd, WM_CLOSE, 0, 0);
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    if (message.message == WM_QUIT && slot.hwnd)
        ::PostQuitMessage(static_cast<int>(message.wParam));
    for (int i = 0; i < 3; ++i)
        if (&slots_[i] != &slot && slots_[i].hwnd) ::EnableWindow(slots_[i].hwnd, wasEnabled[i]);
}

WindowHandle Win32Desktop::ProgramWindowHandle(ProgramWindow window) {
    return ToHandle(SlotOf(window).hwnd);
}

void Win32Desktop::CloseMainWindow() {
    if (HWND main = SlotOf(ProgramWindow::Main).hwnd) ::PostMessageW(main, WM_CLOSE, 0, 0);
}

void Win32Desktop::SetStripRect(std::int32_t left, std::int32_t top, std::int32_t width,
                                std::int32_t height) {
    ::SetWindowPos(SlotOf(ProgramWindow::Strip).hwnd, nullptr, left, top, width, height,
                   SWP_NOACTIVATE | SWP_NOZORDER);
}

void Win32Desktop::SetStripTopmost() {
    ::SetWindowPos(SlotOf(ProgramWindow::Strip).hwnd, HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

// ---- tray icon and menu ----

bool Win32Desktop::Shell_NotifyIconA(std::uint32_t message, const char* tip) {
    if (message == win::kNimAdd) {
        trayIconWanted_ = true;
        trayTip_ = Widen(tip ? tip : "");
        return AddTrayIcon();
    }
    trayIconWanted_ = false;
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = SlotOf(ProgramWindow::Main).hwnd;
    data.uID = kTrayIconId;
    return ::Shell_NotifyIconW(message, &data) != FALSE;
}

bool Win32Desktop::AddTrayIcon() {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = SlotOf(ProgramWindow::Main).hwnd;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = icon_;
    const std::size_t length = std::min(trayTip_.size(), std::size(data.szTip) - 1);
    std::wmemcpy(data.szTip, trayTip_.c_str(), length);
    data.szTip[length] = L'\0';
    return ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

bool Win32Desktop::CheckMenuItem(std::uint32_t commandId, bool checked) {
    return ::CheckMenuItem(trayMenu_, commandId,
                           MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)) !=
           static_cast<DWORD>(-1);
}

bool Win32Desktop::IsMenuItemChecked(std::uint32_t commandId) {
    const UINT state = ::GetMenuState(trayMenu_, commandId, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

// Without TPM_RETURNCMD the chosen item's WM_COMMAND is posted to the main
// window and raises its click once the menu has closed.
bool Win32Desktop::TrackPopupMenu(std::uint32_t flags, std::int32_t x, std::int32_t y) {
    return ::TrackPopupMenu(trayMenu_, flags, x, y, 0, SlotOf(ProgramWindow::Main).hwnd, nullptr) !=
           FALSE;
}

std::intptr_t Win32Desktop::ShellExecuteA(const char* verb, const char* file, std::int32_t show) {
    return reinterpret_cast<std::intptr_t>(
        ::ShellExecuteA(nullptr, verb, file, nullptr, nullptr, show));
}

std::uint32_t Win32Desktop::WinExec(const char* commandLine, std::int32_t show) {
    return ::WinExec(commandLine, show);
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

std::int16_t Win32Desktop::GetAsyncKeyState(std::int32_t virtualKey) {
    return ::GetAsyncKeyState(virtualKey);
}

void Win32Desktop::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

// ---- windows ----

WindowHandle Win32Desktop::GetForegroundWindow() { return ToHandle(::GetForegroundWindow()); }

bool Win32Desktop::GetWindowRect(WindowHandle window, Rect* rect) {
    return rect && ::GetWindowRect(ToHwnd(window), reinterpret_cast<RECT*>(rect)) != FALSE;
}

bool Win32Desktop::EnableWindow(WindowHandle window, bool enable) {
    return ::EnableWindow(ToHwnd(window), enable) != FALSE;
}

bool Win32Desktop::SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x,
                                std::int32_t y, std::int32_t cx, std::int32_t cy,
                                std::uint32_t flags) {
    return ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, cx, cy, flags) != FALSE;
}

bool Win32Desktop::CloseWindow(WindowHandle window) {
    return ::CloseWindow(ToHwnd(window)) != FALSE;
}

bool Win32Desktop::ShowWindow(WindowHandle window, std::int32_t command) {
    return ::ShowWindow(ToHwnd(window), command) != FALSE;
}

bool Win32Desktop::SetForegroundWindow(WindowHandle window) {
    return ::SetForegroundWindow(ToHwnd(window)) != FALSE;
}

bool Win32Desktop::BringWindowToTop(WindowHandle window) {
    return ::BringWindowToTop(ToHwnd(window)) != FALSE;
}

WindowHandle Win32Desktop::SetFocus(WindowHandle window) {
    return ToHandle(::SetFocus(ToHwnd(window)));
}

WindowHandle Win32Desktop::FindWindowA(const char* className, const char* windowName) {
    return ToHandle(::FindWindowA(className, windowName));
}

std::intptr_t Win32Desktop::SendMessageA(WindowHandle window, std::uint32_t message,
                                         std::uintptr_t wParam, std::intptr_t lParam) {
    return ::SendMessageA(ToHwnd(window), message, wParam, lParam);
}

bool Win32Desktop::PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    return ::PostMessageA(ToHwnd(window), message, wParam, lParam) != FALSE;
}

bool Win32Desktop::SetTimer(WindowHandle window, std::uint32_t timerId,
                            std::uint32_t milliseconds) {
    return ::SetTimer(ToHwnd(window), timerId, milliseconds, nullptr) != 0;
}

void Win32Desktop::ExitProcess(std::uint32_t exitCode) { ::ExitProcess(exitCode); }

// ---- shell automation, late-bound by name ----

AutomationObject Win32Desktop::CreateAutomationObject(const char* progId) {
    CLSID classId;
    if (FAILED(::CLSIDFromProgID(Widen(progId ? progId : "").c_str(), &classId))) return nullptr;
    IDispatch* object = nullptr;
    if (FAILED(::CoCreateInstance(classId, nullptr, CLSCTX_SERVER, IID_IDispatch,
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
    if (FAILED(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
    DISPPARAMS none{};
    return SUCCEEDED(dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none,
                                      nullptr, nullptr, nullptr));
}

void Win32Desktop::ReleaseAutomationObject(AutomationObject object) {
    if (object) static_cast<IDispatch*>(object)->Release();
}

}  // namespace tremolux::win32
