// testwin.exe TITLE X Y WIDTH HEIGHT [popup | minwidth N]: an ordinary
// resizable window with a title bar, for the Wine tests to drag around;
// with "popup", a window without caption or border, as a full-screen game
// or video player shows; with "minwidth N", one that is never narrower than
// N pixels (WM_GETMINMAXINFO). The key H puts it back where it started.
#include <windows.h>

#include <cwchar>

namespace {

RECT home;
LONG minimumWidth = 0;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == 'H') {
        SetWindowPos(window, nullptr, home.left, home.top, home.right, home.bottom, SWP_NOZORDER);
        return 0;
    }
    if (message == WM_GETMINMAXINFO && minimumWidth > 0) {
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize.x = minimumWidth;
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6 && argc != 7 && argc != 8) return 2;
    const bool popup = argc == 7 && std::wcscmp(argv[6], L"popup") == 0;
    if (argc == 8 && std::wcscmp(argv[6], L"minwidth") == 0) minimumWidth = _wtoi(argv[7]);
    SetProcessDPIAware();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"TremoluxTestWindow";
    RegisterClassW(&windowClass);
    home = {_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5])};  // x y cx cy
    HWND window = CreateWindowExW(
        0, windowClass.lpszClassName, argv[1], popup ? WS_POPUP : WS_OVERLAPPEDWINDOW, home.left,
        home.top, home.right, home.bottom, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
