// The help window's units: the label with its gradient and the two link
// boxes, as child windows of classes of their own.
#include "platform/win32/Units.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/Text.h"
#include "shell/HelpText.h"
#include "shell/Links.h"

namespace tremolux::win32 {

namespace {

constexpr wchar_t kLabelClass[] = L"TremoluxLabel";
constexpr wchar_t kLinkClass[] = L"TremoluxLink";

constexpr COLORREF kLabelText = RGB(0, 0, 128);
constexpr COLORREF kLinkBackground = RGB(216, 216, 0);
constexpr COLORREF kLinkNormal = RGB(0, 0, 255);
constexpr COLORREF kLinkHover = RGB(62, 157, 232);
constexpr COLORREF kLinkVisited = RGB(128, 0, 0);

// What a link box keeps while it exists.
struct LinkBox {
    DesktopPort* port;
    std::wstring caption;
    std::string target;
    bool hover = false;
    bool visited = false;
};

// The link boxes alive now; one is dropped when its window goes.
std::vector<std::unique_ptr<LinkBox>> liveLinks;

void Forget(LinkBox* link) {
    liveLinks.erase(std::remove_if(liveLinks.begin(), liveLinks.end(),
                                   [&](const auto& live) { return live.get() == link; }),
                    liveLinks.end());
}

// The label's background: grey, white, grey along the diagonal from the
// top-right corner toward the bottom-left, over twice the smaller side;
// grey beyond.
HBITMAP GradientBitmap(HDC dc, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) return bitmap;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const double length = 2.0 * std::min(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double along = ((width - 1 - x) + y) / std::sqrt(2.0);
            const double t = along / length;
            const double white = t >= 1 ? 0 : 1 - std::fabs(2 * t - 1);
            const auto level = static_cast<std::uint32_t>(128 + 127 * white);
            pixels[y * width + x] = level << 16 | level << 8 | level;
        }
    }
    return bitmap;
}

// The label's gradient and font, made once when it is created rather than
// at every paint.
struct Label {
    HBITMAP gradient = nullptr;
    HFONT font = nullptr;
    std::wstring text;
};

LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* label = reinterpret_cast<Label*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
        case WM_CREATE: {
            label = new Label;
            RECT client;
            ::GetClientRect(hwnd, &client);
            HDC dc = ::GetDC(hwnd);
            label->gradient = GradientBitmap(dc, client.right, client.bottom);
            ::ReleaseDC(hwnd, dc);
            label->font = ::CreateFontW(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                        DEFAULT_PITCH, L"宋体");
            label->text = Widen(kHelpText);
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(label));
            return 0;
        }
        case WM_NCDESTROY:
            if (label) {
                if (label->gradient) ::DeleteObject(label->gradient);
                if (label->font) ::DeleteObject(label->font);
                delete label;
                ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            }
            break;
        case WM_ERASEBKGND: return TRUE;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(hwnd, &paint);
            RECT client;
            ::GetClientRect(hwnd, &client);
            if (label && label->gradient) {
                HDC memory = ::CreateCompatibleDC(dc);
                HGDIOBJ previous = ::SelectObject(memory, label->gradient);
                ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
                ::SelectObject(memory, previous);
                ::DeleteDC(memory);
            }
            if (label) {
                HGDIOBJ previousFont = ::SelectObject(dc, label->font);
                ::SetBkMode(dc, TRANSPARENT);
                ::SetTextColor(dc, kLabelText);
                ::DrawTextW(dc, label->text.c_str(), static_cast<int>(label->text.size()), &client,
                            DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
                ::SelectObject(dc, previousFont);
            }
            ::EndPaint(hwnd, &paint);
            return 0;
        }
        default: break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

bool Inside(HWND hwnd, LPARAM lParam) {
    RECT client;
    ::GetClientRect(hwnd, &client);
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return ::PtInRect(&client, point) != FALSE;
}

// The box captures the mouse while the pointer is over it, so that it
// hears the pointer leave; the hover colour wins over the visited one.
LRESULT CALLBACK LinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* link = reinterpret_cast<LinkBox*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            Forget(link);
            break;
        case WM_SETCURSOR:
            ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
            return TRUE;
        case WM_MOUSEMOVE:
            if (!link) break;
            if (!link->hover && Inside(hwnd, lParam)) {
                link->hover = true;
                ::SetCapture(hwnd);
                ::InvalidateRect(hwnd, nullptr, TRUE);
            } else if (link->hover && !Inside(hwnd, lParam)) {
                ::ReleaseCapture();
            }
            return 0;
        case WM_CAPTURECHANGED:
            if (link && link->hover) {
                link->hover = false;
                ::InvalidateRect(hwnd, nullptr, TRUE);
            }
            return 0;
        case WM_LBUTTONUP:
            if (link && Inside(hwnd, lParam) && OpenLink(*link->port, link->target.c_str())) {
                link->visited = true;
                ::InvalidateRect(hwnd, nullptr, TRUE);
            }
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(hwnd, &paint);
            RECT client;
            ::GetClientRect(hwnd, &client);
            HBRUSH background = ::CreateSolidBrush(kLinkBackground);
            ::FillRect(dc, &client, background);
            ::DeleteObject(background);
            if (link) {
                HGDIOBJ previous = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
                ::SetBkMode(dc, TRANSPARENT);
                ::SetTextColor(dc, link->hover     ? kLinkHover
                                   : link->visited ? kLinkVisited
                                                   : kLinkNormal);
                ::DrawTextW(dc, link->caption.c_str(), static_cast<int>(link->caption.size()),
                            &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
                ::SelectObject(dc, previous);
            }
            ::EndPaint(hwnd, &paint);
            return 0;
        }
        default: break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterUnitClasses(HINSTANCE instance) {
    WNDCLASSEXW unit{};
    unit.cbSize = sizeof unit;
    unit.hInstance = instance;
    unit.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    unit.lpfnWndProc = LabelProc;
    unit.lpszClassName = kLabelClass;
    ::RegisterClassExW(&unit);
    unit.lpfnWndProc = LinkProc;
    unit.lpszClassName = kLinkClass;
    ::RegisterClassExW(&unit);
}

HWND CreateLabel(HINSTANCE instance, HWND parent, const UnitDeclaration& unit) {
    return ::CreateWindowExW(
        0, kLabelClass, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPSIBLINGS, unit.rect.left,
        unit.rect.top, unit.rect.right, unit.rect.bottom, parent, nullptr, instance, nullptr);
}

HWND CreateLinkBox(HINSTANCE instance, HWND parent, const UnitDeclaration& unit,
                   DesktopPort& port) {
    liveLinks.push_back(std::make_unique<LinkBox>(
        LinkBox{&port, Widen(unit.caption ? unit.caption : ""), unit.target ? unit.target : ""}));
    LinkBox* link = liveLinks.back().get();
    HWND box =
        ::CreateWindowExW(WS_EX_CLIENTEDGE, kLinkClass, link->caption.c_str(),
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, unit.rect.left, unit.rect.top,
                          unit.rect.right, unit.rect.bottom, parent, nullptr, instance, link);
    if (!box) Forget(link);
    return box;
}

}  // namespace tremolux::win32
