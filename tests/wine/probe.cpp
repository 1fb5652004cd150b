// probe.exe: reads the state of the Wine desktop from inside it, for the
// Wine tests. One command a run; prints one line; exit 1 when the thing
// looked for is not there.
//   probe rect TITLE        L T R B normal|minimized enabled|disabled
//   probe class CLASS       L T R B of each visible top-level window of CLASS
//   probe menu              L T R B of the open popup menu
//   probe foreground        the foreground window's title
//   probe workarea          L T R B of the work area
//   probe cursor            X Y of the cursor
//   probe menus             L T R B of each open popup menu, topmost first
//   probe client TITLE      X Y of the client area's top-left corner on the screen
//   probe count TITLE       how many top-level windows have the title
//   probe keys VK MS        the distinct GetAsyncKeyState(VK) values seen in MS ms
//   probe read-key VK MS    reads GetAsyncKeyState(VK) every MS ms until ended, as
//                           macro tools and overlays do, taking the key's press bit
//   probe latency TITLE     ms from the cursor reaching the right edge, once seen
//                           off it, to the window lying on the right half (waits up
//                           to 5 s; exit 2 when no window has the title)
//   probe stall CLASS MS    the longest wait, in ms, for the first window of CLASS
//                           (its program's thread) to answer a message, asked every
//                           10 ms for MS ms
//   probe maximize TITLE    maximizes the window
//   probe move TITLE L T R B
//                           moves and sizes the window, as its user would
//   probe monitors          L T R B of each monitor, then "work L T R B", the
//                           primary first
//   probe swap 0|1          swaps the mouse buttons (1) or puts them back (0)
//   probe version FILE      the file's FileVersion, ProductVersion and ProductName
//                           from its version resource
//   probe taskbar-created   broadcasts the shell's "TaskbarCreated" message
//   probe tray-delete CLASS removes the tray icon 100 of each window of CLASS,
//                           as a restart of the shell would
//   probe image CLASS       the executable of the process that owns the first
//                           top-level window of CLASS
//   probe icon FILE R,G,B OUT
//                           draws FILE's icon, loaded as the program loads its tray
//                           icon, over the colour into the bitmap file OUT
//   probe command ID        posts the tray menu's command ID to the program's main
//                           window, as choosing the item does
//   probe post MSG WP LP    posts the message (numbers, 0x for hex) to the program's
//                           main window
//   probe resolution W H    changes the screen's resolution, as a laptop undocked or
//                           a smaller Remote Desktop screen does
//   probe children CLASS    "client W H X Y", the client area's size and its origin
//                           on the screen, of the first visible captioned top-level
//                           window of CLASS; then "CHILDCLASS L T R B" of each of its
//                           child windows in its client area
//   probe help-text CLASS [LANGID]
//                           "CHILDCLASS" of the child of that window whose WM_GETTEXT
//                           is the help window's introduction text, whole, in the UI
//                           language LANGID (0x0804 unless given)
//   probe texts LANGID      the texts the program shows in that UI language, as the
//                           other commands print them (UTF-8): "CAPTION|TEXT" of
//                           the second instance's message box, the help window's
//                           title, and its links' captions, "MAIL,HOME PAGE"
//   probe title CLASS       the title of the first visible captioned window of CLASS
//                           (UTF-8)
//   probe dialog            "CAPTION|TEXT" of the open message box (UTF-8, line
//                           breaks as spaces)
//   probe focus CLASS       the text of the window that has the keyboard focus in the
//                           thread of that window (UTF-8)
//   probe glyphs LANGID     each text of the program in that UI language drawn as
//                           the system draws text, font links included, in the
//                           session's caption, menu and message fonts and, where the
//                           help window has one of its own, its Song face: "FONT FACE
//                           U+XXXX" for each character that comes out as the drawing
//                           of a character no font has (U+E000), an empty box; last
//                           "metrics CAPTION MENU", SM_CYCAPTION and SM_CYMENU
//
// The probe is DPI-aware, so that it sees the pixels the program sees.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <iterator>
#include <set>
#include <string>

#include "platform/win32/Resources.h"
#include "shell/HelpText.h"
#include "shell/Texts.h"
#include "tests/wine/ProgramWindows.h"

namespace {

void PrintRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%ld %ld %ld %ld %s %s\n", r.left, r.top, r.right, r.bottom,
                IsIconic(window)   ? "minimized"
                : IsZoomed(window) ? "maximized"
                                   : "normal",
                IsWindowEnabled(window) ? "enabled" : "disabled");
}

void PrintUtf8(const wchar_t* text) {
    std::string utf8(4 * std::wcslen(text) + 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), static_cast<int>(utf8.size()), nullptr,
                        nullptr);
    std::printf("%s\n", utf8.c_str());
}

// A message box as one line: "CAPTION|TEXT", its line breaks as spaces.
void PrintBoxLine(const std::wstring& caption, const std::wstring& text) {
    std::wstring both = caption + L"|" + text;
    for (wchar_t& c : both)
        if (c == L'\r' || c == L'\n') c = L' ';
    PrintUtf8(both.c_str());
}

// The child whose own text is the introduction text, as a screen reader
// reads it.
struct TextSearch {
    std::wstring text;
    bool found;
};

BOOL CALLBACK FindText(HWND child, LPARAM lParam) {
    auto* search = reinterpret_cast<TextSearch*>(lParam);
    const auto length = SendMessageW(child, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(child, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    if (text != search->text) return TRUE;
    wchar_t name[64] = {};
    GetClassNameW(child, name, 63);
    std::printf("%ls\n", name);
    search->found = true;
    return FALSE;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM lParam) {
    auto parent = reinterpret_cast<HWND>(lParam);
    if (GetParent(child) != parent) return TRUE;
    wchar_t name[64] = {};
    GetClassNameW(child, name, 63);
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    std::printf("%ls %ld %ld %ld %ld\n", name, r.left, r.top, r.right, r.bottom);
    return TRUE;
}

struct ClassSearch {
    const wchar_t* name;
    int found;
};

BOOL CALLBACK ListClass(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<ClassSearch*>(lParam);
    wchar_t name[256] = {};
    GetClassNameW(window, name, 255);
    if (std::wcscmp(name, search->name) == 0 && IsWindowVisible(window)) {
        PrintRect(window);
        ++search->found;
    }
    return TRUE;
}

// The executable of the process that owns the window, or an empty text.
std::wstring ImageOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process) return {};
    wchar_t path[4096] = {};
    DWORD size = static_cast<DWORD>(std::size(path));
    const BOOL got = QueryFullProcessImageNameW(process, 0, path, &size);
    CloseHandle(process);
    return got ? std::wstring(path, size) : std::wstring();
}

// A 32-bit bitmap of that size, its first row on top.
BITMAPINFO TopDownBitmap(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// FILE's tray icon as the shell would draw it on a taskbar of one colour:
// the icon resource at the small-icon size, drawn with its mask or alpha
// over the colour, written as a top-down 32-bit bitmap file.
bool DrawIconOf(const wchar_t* file, COLORREF background, const wchar_t* out) {
    HMODULE module = LoadLibraryExW(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return false;
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    auto* icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                               width, height, LR_DEFAULTCOLOR));
    const BITMAPINFO info = TopDownBitmap(width, height);
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = dc ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    bool drawn = false;
    if (icon && bitmap && bits) {
        HGDIOBJ previous = SelectObject(dc, bitmap);
        RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(background);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        drawn = DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL) != FALSE;
        GdiFlush();
        SelectObject(dc, previous);
    }
    if (drawn) {
        const DWORD pixels = static_cast<DWORD>(width) * height * 4;
        BITMAPFILEHEADER header{};
        header.bfType = 0x4D42;  // "BM"
        header.bfOffBits = sizeof header + sizeof info.bmiHeader;
        header.bfSize = header.bfOffBits + pixels;
        FILE* stream = _wfopen(out, L"wb");
        drawn = stream && std::fwrite(&header, sizeof header, 1, stream) == 1 &&
                std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, stream) == 1 &&
                std::fwrite(bits, pixels, 1, stream) == 1;
        if (stream && std::fclose(stream) != 0) drawn = false;
    }
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
    if (icon) DestroyIcon(icon);
    FreeLibrary(module);
    return drawn;
}

// The primary monitor first: EnumDisplayMonitors gives no order.
BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM primaryPass) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    const bool primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    if (primary != (primaryPass == 0)) return TRUE;
    const RECT& m = info.rcMonitor;
    const RECT& w = info.rcWork;
    std::printf("%ld %ld %ld %ld work %ld %ld %ld %ld\n", m.left, m.top, m.right, m.bottom, w.left,
                w.top, w.right, w.bottom);
    return TRUE;
}

// A character's drawing, black on white, as ExtTextOutW makes it: the font
// mapper's links to other faces included, as the program's own texts get.
class GlyphCanvas {
public:
    GlyphCanvas() : dc_(CreateCompatibleDC(nullptr)) {
        const BITMAPINFO info = TopDownBitmap(kSide, kSide);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (dc_ && bitmap_) SelectObject(dc_, bitmap_);
    }
    ~GlyphCanvas() {
        if (dc_) DeleteDC(dc_);
        if (bitmap_) DeleteObject(bitmap_);
    }
    GlyphCanvas(const GlyphCanvas&) = delete;
    GlyphCanvas& operator=(const GlyphCanvas&) = delete;

    bool ready() const { return dc_ && bitmap_ && bits_; }

    std::string Draw(HFONT font, const wchar_t* text, int length) {
        const HGDIOBJ old = SelectObject(dc_, font);
        RECT all{0, 0, kSide, kSide};
        SetBkColor(dc_, RGB(255, 255, 255));
        SetTextColor(dc_, RGB(0, 0, 0));
        ExtTextOutW(dc_, 4, 4, ETO_OPAQUE, &all, text, length, nullptr);
        GdiFlush();
        SelectObject(dc_, old);
        return std::string(static_cast<const char*>(bits_), kSide * kSide * 4);
    }

    std::wstring Face(HFONT font) {
        const HGDIOBJ old = SelectObject(dc_, font);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc_, LF_FACESIZE, face);
        SelectObject(dc_, old);
        return face;
    }

private:
    static constexpr int kSide = 64;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    void* bits_ = nullptr;
};

std::wstring Wide(const char* utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring text(length > 1 ? length - 1 : 0, L'\0');
    if (length > 1) MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), length);
    return text;
}

// The texts of a UI language given as a number (0x for hex).
const tremolux::Texts& LanguageOf(const wchar_t* language) {
    const auto id = static_cast<std::uint16_t>(std::wcstoul(language, nullptr, 0));
    return *tremolux::kLanguages[tremolux::LanguageFor(id)];
}

// The font a message box of this process draws its text in, as the
// second instance's message is drawn: a box opened on a thread of its own
// and read while it is shown, then closed. False when none opened.
constexpr wchar_t kGlyphsCaption[] = L"probe glyphs";
DWORD WINAPI ShowGlyphsBox(void*) { return MessageBoxW(nullptr, L"-", kGlyphsCaption, MB_OK); }
bool MessageBoxFont(LOGFONTW& font) {
    HANDLE thread = CreateThread(nullptr, 0, ShowGlyphsBox, nullptr, 0, nullptr);
    if (!thread) return false;
    bool found = false;
    for (int wait = 0; wait < 100 && !found; ++wait) {
        Sleep(20);
        if (HWND box = FindWindowW(L"#32770", kGlyphsCaption)) {
            const auto shown =
                reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(box, 0xFFFF), WM_GETFONT, 0, 0));
            found = shown && GetObjectW(shown, sizeof font, &font) == sizeof font;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }
    WaitForSingleObject(thread, 2000);
    CloseHandle(thread);
    return found;
}

// Prints each character of the language's texts that one of the fonts draws
// as an empty box; true when every character was drawn.
bool CheckGlyphs(const tremolux::Texts& texts) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return false;
    // the help window's introduction where it is not in the message font
    LOGFONTW song{};
    song.lfHeight = -12;
    song.lfWeight = FW_BOLD;
    song.lfCharSet = GB2312_CHARSET;
    std::wcscpy(song.lfFaceName, L"SimSun");
    LOGFONTW box{};
    if (!MessageBoxFont(box)) return false;
    const struct {
        const char* name;
        const LOGFONTW& font;
        bool used;
    } fonts[] = {{"caption", metrics.lfCaptionFont, true},
                 {"menu", metrics.lfMenuFont, true},
                 {"message", metrics.lfMessageFont, true},
                 {"box", box, true},
                 {"song", song, !texts.messageFont}};
    std::wstring text;
    for (tremolux::Text member : tremolux::kAllTexts) text += Wide(texts.*member);
    GlyphCanvas canvas;
    if (!canvas.ready()) return false;
    bool drawn = true;
    for (const auto& entry : fonts) {
        if (!entry.used) continue;
        const HFONT font = CreateFontIndirectW(&entry.font);
        if (!font) return false;
        // what the font and its links draw for characters none of them has
        // (nothing, or a box): a private-use one and unassigned ones
        std::set<std::string> missing;
        for (const wchar_t none : {L'\xE000', L'\x0378', L'\x2FE0', L'\xFDD0'})
            missing.insert(canvas.Draw(font, &none, 1));
        for (size_t i = 0; i < text.size(); ++i) {
            const bool pair = IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size();
            const int length = pair ? 2 : 1;
            const bool space = iswspace(text[i]) || text[i] == L'\xA0' || text[i] == L'\x3000';
            if (!space && missing.count(canvas.Draw(font, &text[i], length))) {
                char face[3 * LF_FACESIZE] = {};
                WideCharToMultiByte(CP_UTF8, 0, canvas.Face(font).c_str(), -1, face,
                                    sizeof face - 1, nullptr, nullptr);
                const unsigned code =
                    pair ? 0x10000 + ((text[i] - 0xD800) << 10) + (text[i + 1] - 0xDC00) : text[i];
                std::printf("%s %s U+%04X\n", entry.name, face, code);
                drawn = false;
            }
            i += length - 1;
        }
        DeleteObject(font);
    }
    std::printf("metrics %d %d\n", GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CYMENU));
    return drawn;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    SetProcessDPIAware();
    const std::wstring command = argv[1];
    if (command == L"rect" && argc == 3) {
        HWND window = FindWindowW(nullptr, argv[2]);
        if (!window) return 1;
        PrintRect(window);
        return 0;
    }
    if (command == L"class" && argc == 3) {
        ClassSearch search{argv[2], 0};
        EnumWindows(ListClass, reinterpret_cast<LPARAM>(&search));
        return search.found ? 0 : 1;
    }
    if (command == L"menu") {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (!menu || !IsWindowVisible(menu)) return 1;
        PrintRect(menu);
        return 0;
    }
    if (command == L"client" && argc == 3) {
        HWND window = FindWindowW(nullptr, argv[2]);
        if (!window) return 1;
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        std::printf("%ld %ld\n", origin.x, origin.y);
        return 0;
    }
    if (command == L"count" && argc == 3) {
        int count = 0;
        for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, argv[2]); window;
             window = FindWindowExW(nullptr, window, nullptr, argv[2]))
            ++count;
        std::printf("%d\n", count);
        return 0;
    }
    if (command == L"menus") {
        int found = 0;
        for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu;
             menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
            if (!IsWindowVisible(menu)) continue;
            PrintRect(menu);
            ++found;
        }
        return found ? 0 : 1;
    }
    if (command == L"keys" && argc == 4) {
        const int key = _wtoi(argv[2]);
        const DWORD until = GetTickCount() + static_cast<DWORD>(_wtoi(argv[3]));
        SHORT last = 0x7fff;
        while (GetTickCount() < until) {
            const SHORT state = GetAsyncKeyState(key);
            if (state != last) std::printf("%04x\n", static_cast<unsigned short>(state));
            last = state;
            Sleep(20);
        }
        return 0;
    }
    if (command == L"read-key" && argc == 4) {
        const int key = _wtoi(argv[2]);
        const DWORD every = static_cast<DWORD>(_wtoi(argv[3]));
        for (;;) {
            GetAsyncKeyState(key);
            Sleep(every);
        }
    }
    if (command == L"latency" && argc == 3) {
        // a window just made may not be there yet
        HWND window = nullptr;
        for (int wait = 0; wait < 100 && !(window = FindWindowW(nullptr, argv[2])); ++wait)
            Sleep(20);
        if (!window) return 2;
        const int width = GetSystemMetrics(SM_CXSCREEN);
        LARGE_INTEGER frequency, start, now, edge{};
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        // The clock starts when the pointer is first seen on the edge after
        // it was seen off it: a pointer the previous drag left on the edge
        // would otherwise start it early.
        bool seenOff = false;
        for (;;) {
            QueryPerformanceCounter(&now);
            if (now.QuadPart - start.QuadPart > 5 * frequency.QuadPart) return 1;
            POINT cursor{};
            GetCursorPos(&cursor);
            if (cursor.x != width - 1) seenOff = true;
            if (seenOff && !edge.QuadPart && cursor.x == width - 1) edge = now;
            RECT r{};
            GetWindowRect(window, &r);
            if (edge.QuadPart && r.left == width / 2 + 1 && r.top == 0) {
                std::printf("%.1f\n", 1000.0 * (now.QuadPart - edge.QuadPart) / frequency.QuadPart);
                return 0;
            }
            Sleep(1);
        }
    }
    if (command == L"foreground") {
        wchar_t title[256] = {};
        GetWindowTextW(GetForegroundWindow(), title, 255);
        char utf8[1024] = {};
        WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof utf8 - 1, nullptr, nullptr);
        std::printf("%s\n", utf8);
        return 0;
    }
    if (command == L"cursor") {
        POINT p{};
        GetCursorPos(&p);
        std::printf("%ld %ld\n", p.x, p.y);
        return 0;
    }
    if (command == L"workarea") {
        RECT r{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    if (command == L"tray-delete" && argc == 3) {
        for (HWND window = FindWindowExW(nullptr, nullptr, argv[2], nullptr); window;
             window = FindWindowExW(nullptr, window, argv[2], nullptr)) {
            NOTIFYICONDATAW data{};
            data.cbSize = sizeof data;
            data.hWnd = window;
            data.uID = 100;
            Shell_NotifyIconW(NIM_DELETE, &data);
        }
        return 0;
    }
    if (command == L"stall" && argc == 4) {
        HWND window = FindWindowW(argv[2], nullptr);
        if (!window) return 1;
        const DWORD until = GetTickCount() + static_cast<DWORD>(_wtoi(argv[3]));
        DWORD longest = 0;
        while (GetTickCount() < until) {
            const DWORD asked = GetTickCount();
            DWORD_PTR result = 0;
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
            longest = std::max<DWORD>(longest, GetTickCount() - asked);
            Sleep(10);
        }
        std::printf("%lu\n", longest);
        return 0;
    }
    if (command == L"swap" && argc == 3) {
        SystemParametersInfoW(SPI_SETMOUSEBUTTONSWAP, _wtoi(argv[2]), nullptr,
                              SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
        return 0;
    }
    if (command == L"move" && argc == 7) {
        HWND window = FindWindowW(nullptr, argv[2]);
        if (!window) return 1;
        const int left = _wtoi(argv[3]), top = _wtoi(argv[4]);
        return SetWindowPos(window, nullptr, left, top, _wtoi(argv[5]) - left, _wtoi(argv[6]) - top,
                            SWP_NOZORDER | SWP_NOACTIVATE)
                   ? 0
                   : 1;
    }
    if (command == L"monitors") {
        EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0);
        EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 1);
        return 0;
    }
    if (command == L"maximize" && argc == 3) {
        HWND window = FindWindowW(nullptr, argv[2]);
        if (!window) return 1;
        ShowWindow(window, SW_MAXIMIZE);
        return 0;
    }
    if (command == L"version" && argc == 3) {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(argv[2], &ignored);
        if (size == 0) return 1;
        std::wstring data(size, L'\0');
        if (!GetFileVersionInfoW(argv[2], 0, size, data.data())) return 1;
        struct Translation {
            WORD language;
            WORD codePage;
        }* translation = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                            reinterpret_cast<void**>(&translation), &length) ||
            length < sizeof *translation)
            return 1;
        for (const wchar_t* name : {L"FileVersion", L"ProductVersion", L"ProductName"}) {
            wchar_t path[128];
            swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language,
                     translation->codePage, name);
            wchar_t* value = nullptr;
            if (!VerQueryValueW(data.data(), path, reinterpret_cast<void**>(&value), &length))
                return 1;
            std::printf("%ls ", value);
        }
        std::printf("\n");
        return 0;
    }
    if (command == L"image" && argc == 3) {
        HWND window = FindWindowW(argv[2], nullptr);
        const std::wstring image = window ? ImageOf(window) : std::wstring();
        if (image.empty()) return 1;
        std::printf("%ls\n", image.c_str());
        return 0;
    }
    if (command == L"icon" && argc == 5) {
        int red = 0, green = 0, blue = 0;
        if (swscanf(argv[3], L"%d,%d,%d", &red, &green, &blue) != 3) return 2;
        return DrawIconOf(argv[2], RGB(red, green, blue), argv[4]) ? 0 : 1;
    }
    if (command == L"command" && argc == 3) {
        HWND main = MainWindow(L"TremoluxWindow");
        return main && PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(_wtoi(argv[2])), 0) ? 0
                                                                                              : 1;
    }
    if (command == L"post" && argc == 5) {
        HWND main = MainWindow(L"TremoluxWindow");
        const auto number = [](const wchar_t* text) { return std::wcstoul(text, nullptr, 0); };
        return main && PostMessageW(main, number(argv[2]), number(argv[3]), number(argv[4])) ? 0
                                                                                             : 1;
    }
    if (command == L"resolution" && argc == 4) {
        DEVMODEW mode{};
        mode.dmSize = sizeof mode;
        mode.dmPelsWidth = static_cast<DWORD>(_wtoi(argv[2]));
        mode.dmPelsHeight = static_cast<DWORD>(_wtoi(argv[3]));
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        return ChangeDisplaySettingsW(&mode, 0) == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
    }
    if (command == L"children" && argc == 3) {
        HWND window = CaptionedWindow(argv[2]);
        if (!window) return 1;
        RECT client{};
        GetClientRect(window, &client);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        std::printf("client %ld %ld %ld %ld\n", client.right, client.bottom, origin.x, origin.y);
        EnumChildWindows(window, PrintChild, reinterpret_cast<LPARAM>(window));
        return 0;
    }
    if (command == L"help-text" && (argc == 3 || argc == 4)) {
        HWND window = CaptionedWindow(argv[2]);
        if (!window) return 1;
        TextSearch search{Wide(LanguageOf(argc == 4 ? argv[3] : L"0x0804").helpText), false};
        EnumChildWindows(window, FindText, reinterpret_cast<LPARAM>(&search));
        return search.found ? 0 : 1;
    }
    if (command == L"texts" && argc == 3) {
        const tremolux::Texts& texts = LanguageOf(argv[2]);
        PrintBoxLine(Wide(texts.informationCaption), Wide(texts.alreadyRunning));
        PrintUtf8(Wide(texts.helpTitle).c_str());
        PrintUtf8((Wide(texts.mailLink) + L"," + Wide(texts.homePageLink)).c_str());
        return 0;
    }
    if (command == L"focus" && argc == 3) {
        HWND window = CaptionedWindow(argv[2]);
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        if (!window || !GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) ||
            !thread.hwndFocus)
            return 1;
        wchar_t text[256] = {};
        GetWindowTextW(thread.hwndFocus, text, 255);
        PrintUtf8(text);
        return 0;
    }
    if (command == L"title" && argc == 3) {
        HWND window = CaptionedWindow(argv[2]);
        if (!window) return 1;
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 255);
        PrintUtf8(text);
        return 0;
    }
    if (command == L"dialog") {
        HWND box = FindWindowW(L"#32770", nullptr);
        if (!box || !IsWindowVisible(box)) return 1;
        wchar_t caption[256] = {};
        wchar_t text[1024] = {};
        GetWindowTextW(box, caption, 255);
        GetDlgItemTextW(box, 0xFFFF, text, 1023);  // a message box's text
        PrintBoxLine(caption, text);
        return 0;
    }
    if (command == L"glyphs" && argc == 3) {
        // aware of each monitor's DPI, as the program is: its fonts at the
        // session's DPI
        using SetContext = BOOL(WINAPI*)(HANDLE);
        const auto setContext = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
        if (setContext) setContext(reinterpret_cast<HANDLE>(-4));
        return CheckGlyphs(LanguageOf(argv[2])) ? 0 : 1;
    }
    if (command == L"taskbar-created") {
        const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
        SendMessageTimeoutW(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
        return 0;
    }
    return 2;
}
