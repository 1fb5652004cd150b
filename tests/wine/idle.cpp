// idle.exe: the benchmark's yardstick. A hidden window that runs the same
// three timers as tremolux.exe (100, 200 and 500 ms) with empty handlers.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"TremoluxIdle";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP, 0, 0,
                                  0, 0, nullptr, nullptr, instance, nullptr);
    SetTimer(window, 1, 100, nullptr);
    SetTimer(window, 2, 200, nullptr);
    SetTimer(window, 3, 500, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
