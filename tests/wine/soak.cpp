// soak.exe: drives the running program quickly through the paths where a
// posted message or a broadcast is as good as the user's own action, and
// reads the figures a leak would grow. For scripts/soak.sh.
//   soak cycle EXE TITLE   one round: the tray menu opened and dismissed,
//                          each effect switch on and off, start with Windows
//                          on and off, restore, the help window opened and
//                          closed, the clean-up box answered No, a shell
//                          restart, a second instance (EXE) refused; then
//                          slide mode chosen, and the window TITLE put home
//   soak back TITLE        drag-bump mode chosen again (each mode item twice
//                          in a round), the window TITLE put home
//   soak figures           "handles H gdi G user U windows W" of the program
// Exit 1, with the step on standard error, when a step does not happen.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <vector>

#include "tests/wine/ProgramWindows.h"

namespace {

// The tray menu's commands (shell/Declarations.h).
constexpr WPARAM kRestore = 101;
constexpr WPARAM kDragBumpMode = 102;
constexpr WPARAM kSlideMode = 103;
constexpr WPARAM kNoMax = 104;
constexpr WPARAM kNoMin = 105;
constexpr WPARAM kStartWithWindows = 106;
constexpr WPARAM kHelp = 107;
constexpr WPARAM kCleanUp = 108;
constexpr UINT kTrayMessage = WM_APP + 0x64;
constexpr UINT kTrayIcon = 100;

bool Fail(const char* step) {
    std::fprintf(stderr, "soak: %s\n", step);
    return false;
}

// Waits up to five seconds for found() to hold, asking every 5 ms.
template <typename Found>
bool Await(Found found) {
    for (int i = 0; i < 1000; ++i) {
        if (found()) return true;
        Sleep(5);
    }
    return false;
}

// A command the program handles at once, run to its end before the next.
bool Command(HWND main, WPARAM id) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(main, WM_COMMAND, id, 0, SMTO_NORMAL, 5000, &ignored) != 0;
}

// The top-level window of the class that the process shows, if any.
HWND ShownBy(DWORD process, const wchar_t* className) {
    for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window;
         window = FindWindowExW(nullptr, window, className, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// A message box of the process answered with the button.
bool Answer(DWORD process, WPARAM button) {
    HWND box = nullptr;
    if (!Await([&] { return (box = ShownBy(process, L"#32770")) != nullptr; })) return false;
    PostMessageW(box, WM_COMMAND, button, 0);
    return Await([&] { return !IsWindow(box); });
}

void Key(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// The window the gestures lay out, back at its place and in front.
bool Home(const wchar_t* title) {
    HWND window = FindWindowW(nullptr, title);
    if (!window) return Fail("the window to lay out is gone");
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetWindowPos(window, nullptr, 200, 150, 500, 400, SWP_NOZORDER);
    SetForegroundWindow(window);
    return true;
}

bool Cycle(const wchar_t* exe, const wchar_t* title) {
    HWND main = MainWindow(L"TremoluxWindow");
    if (!main) return Fail("the program's main window is not there");
    const DWORD program = ProcessOf(main);

    // a right click as Wine's shell sends it to a version-4 icon: the
    // release, then the context menu, anchored at the icon
    const WPARAM anchor = MAKEWPARAM(1013, 757);
    PostMessageW(main, kTrayMessage, anchor, MAKELPARAM(WM_RBUTTONUP, kTrayIcon));
    PostMessageW(main, kTrayMessage, anchor, MAKELPARAM(WM_CONTEXTMENU, kTrayIcon));
    HWND menu = nullptr;
    if (!Await([&] { return (menu = ShownBy(program, L"#32768")) != nullptr; }))
        return Fail("the tray menu did not open");
    Key(VK_ESCAPE);
    if (!Await([&] { return !IsWindowVisible(menu); })) return Fail("the tray menu stayed open");

    for (WPARAM id :
         {kNoMax, kNoMax, kNoMin, kNoMin, kStartWithWindows, kStartWithWindows, kRestore})
        if (!Command(main, id)) return Fail("a menu command went unanswered");

    PostMessageW(main, WM_COMMAND, kHelp, 0);
    HWND help = nullptr;
    if (!Await([&] { return (help = CaptionedWindow(L"TremoluxWindow")) != nullptr; }))
        return Fail("the help window did not open");
    PostMessageW(help, WM_CLOSE, 0, 0);
    if (!Await([&] { return !IsWindow(help); })) return Fail("the help window did not close");

    PostMessageW(main, WM_COMMAND, kCleanUp, 0);
    if (!Answer(program, IDNO)) return Fail("the clean-up box was not answered");

    // a restart of the shell takes every icon away and says so
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = main;
    icon.uID = kTrayIcon;
    Shell_NotifyIconW(NIM_DELETE, &icon);
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0,
                        SMTO_ABORTIFHUNG, 2000, nullptr);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION second{};
    wchar_t line[MAX_PATH + 2];
    swprintf(line, MAX_PATH + 2, L"\"%ls\"", exe);
    if (!CreateProcessW(exe, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &second))
        return Fail("the second instance did not start");
    const bool refused = Answer(second.dwProcessId, IDOK) &&
                         WaitForSingleObject(second.hProcess, 10000) == WAIT_OBJECT_0;
    DWORD code = 1;
    GetExitCodeProcess(second.hProcess, &code);
    CloseHandle(second.hThread);
    CloseHandle(second.hProcess);
    if (!refused || code != 0) return Fail("the second instance was not refused");

    return Command(main, kSlideMode) && Home(title);
}

bool Back(const wchar_t* title) {
    HWND main = MainWindow(L"TremoluxWindow");
    if (!main) return Fail("the program's main window is not there");
    for (WPARAM id : {kSlideMode, kDragBumpMode, kDragBumpMode})
        if (!Command(main, id)) return Fail("a mode command went unanswered");
    return Home(title);
}

// The kernel handles the process holds, counted in the system's list of
// every handle: Wine answers GetProcessHandleCount with 0, but keeps that
// list truthfully. GetProcessHandleCount where the list cannot be had.
DWORD HandlesOf(DWORD process, HANDLE opened) {
    struct Entry {
        ULONG process;
        BYTE type;
        BYTE flags;
        USHORT value;
        void* object;
        ULONG access;
    };
    struct List {
        ULONG count;
        Entry entries[1];
    };
    using Query = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    constexpr ULONG kSystemHandleInformation = 16;
    constexpr LONG kLengthMismatch = static_cast<LONG>(0xC0000004);
    auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<unsigned char> buffer(1 << 16);
    LONG status = kLengthMismatch;
    for (int tries = 0; query && status == kLengthMismatch && tries < 12; ++tries) {
        ULONG needed = 0;
        status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                       &needed);
        if (status == kLengthMismatch)
            buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed));
    }
    if (status == 0) {
        const auto* list = reinterpret_cast<const List*>(buffer.data());
        const std::size_t fit = (buffer.size() - offsetof(List, entries)) / sizeof(Entry);
        DWORD count = 0;
        for (std::size_t i = 0; i < list->count && i < fit; ++i)
            if (list->entries[i].process == process) ++count;
        return count;
    }
    DWORD count = 0;
    GetProcessHandleCount(opened, &count);
    return count;
}

// The GDI objects the process holds. Wine answers GetGuiResources with 0,
// but keeps each process's GDI handle table where Windows keeps its shared
// one, at the PEB's GdiSharedHandleTable: 65,536 entries of 24 bytes, each
// live one with a type. GetGuiResources where Wine is not (ntdll tells).
DWORD GdiObjectsOf(HANDLE process) {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version"))
        return GetGuiResources(process, GR_GDIOBJECTS);
    struct BasicInformation {
        LONG exitStatus;
        void* peb;
        ULONG_PTR rest[4];
    } basic{};
    using Query = LONG(WINAPI*)(HANDLE, ULONG, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQueryInformationProcess")));
    if (!query || query(process, 0, &basic, sizeof basic, nullptr) != 0) return 0;
    constexpr std::size_t kTableInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;
    void* table = nullptr;
    if (!ReadProcessMemory(process, static_cast<const char*>(basic.peb) + kTableInPeb, &table,
                           sizeof table, nullptr) ||
        !table)
        return 0;
    struct Entry {
        unsigned long long object;
        ULONG owner;
        USHORT unique;
        UCHAR type;
        UCHAR flags;
        unsigned long long user;
    };
    static_assert(sizeof(Entry) == 24, "Wine's GDI handle entry");
    std::vector<Entry> entries(0x10000);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(Entry), nullptr))
        return 0;
    return static_cast<DWORD>(std::count_if(entries.begin(), entries.end(),
                                            [](const Entry& entry) { return entry.type != 0; }));
}

struct Count {
    DWORD process;
    int windows;
};

BOOL CALLBACK CountChild(HWND, LPARAM lParam) {
    ++reinterpret_cast<Count*>(lParam)->windows;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM lParam) {
    auto* count = reinterpret_cast<Count*>(lParam);
    if (ProcessOf(window) != count->process) return TRUE;
    ++count->windows;
    EnumChildWindows(window, CountChild, lParam);
    return TRUE;
}

bool Figures() {
    HWND main = MainWindow(L"TremoluxWindow");
    if (!main) return Fail("the program's main window is not there");
    Count count{ProcessOf(main), 0};
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, count.process);
    if (!process) return Fail("the program's process cannot be opened");
    const DWORD handles = HandlesOf(count.process, process);
    const DWORD gdi = GdiObjectsOf(process);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    CloseHandle(process);
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    std::printf("handles %lu gdi %lu user %lu windows %d\n", handles, gdi, user, count.windows);
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    SetProcessDPIAware();
    const std::wstring command = argc > 1 ? argv[1] : L"";
    bool done = false;
    if (command == L"cycle" && argc == 4) {
        done = Cycle(argv[2], argv[3]);
    } else if (command == L"back" && argc == 3) {
        done = Back(argv[2]);
    } else if (command == L"figures" && argc == 2) {
        done = Figures();
    } else {
        return 2;
    }
    return done ? 0 : 1;
}
