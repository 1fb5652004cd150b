// The units as child windows of classes of their own: the strip's picture
// button, and the help window's label with its gradient and its two link
// boxes.
#include "platform/win32/Units.h"

#include <objbase.h>
#include <oleauto.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "platform/win32/Colours.h"
#include "platform/win32/ScopedWin.h"
#include "platform/win32/Text.h"
#include "shell/Links.h"

namespace tremolux::win32 {

namespace {

constexpr wchar_t kLabelClass[] = L"TremoluxLabel";
constexpr wchar_t kLinkClass[] = L"TremoluxLink";
constexpr wchar_t kPictureClass[] = L"TremoluxPicture";

// DrawText's layout of the label's text, for painting and for measuring.
constexpr UINT kLabelTextFormat = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;

COLORREF ColourRef(const Colour& colour) {
    return colour.system ? ::GetSysColor(static_cast<int>(colour.value)) : colour.value;
}

// A system colour's brush belongs to the system; a brush of our own colour
// is made for the fill and deleted.
void Fill(HDC dc, const RECT& area, const Colour& colour) {
    if (colour.system) {
        ::FillRect(dc, &area, ::GetSysColorBrush(static_cast<int>(colour.value)));
    } else if (const OwnedBrush brush(::CreateSolidBrush(colour.value)); brush) {
        ::FillRect(dc, &area, brush.get());
    }
}

bool Inside(HWND hwnd, LPARAM lParam) {
    RECT client;
    if (!::GetClientRect(hwnd, &client)) return false;
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return ::PtInRect(&client, point) != FALSE;
}

template <typename Unit>
Unit* UnitOf(HWND hwnd) {
    return reinterpret_cast<Unit*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// ---- what a screen reader hears of a unit ----

// A screen reader asks a window of a class of the program's own what it is
// through the system's default accessible object, which knows nothing of
// it. The label and the link boxes are annotated with their role and name
// (Dynamic Annotation, Active Accessibility 2.0, from Windows XP), and the
// annotations are cleared as their windows are destroyed (WM_DESTROY, while
// the window is still whole; its own memory is freed apart, at
// WM_NCDESTROY, whatever the service does); where the system has no
// annotation service they go without. The ids are spelled out here, as the late
// binding's are.
constexpr CLSID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIidAccPropServices = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kAccName = {
    0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kAccRole = {
    0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};
constexpr LONG kRoleLink = 0x1e;        // ROLE_SYSTEM_LINK
constexpr LONG kRoleStaticText = 0x29;  // ROLE_SYSTEM_STATICTEXT
constexpr DWORD kClientObject = static_cast<DWORD>(OBJID_CLIENT);

// IAccPropServices, as far as the program calls it: its first methods, in
// the interface's order.
struct AccPropServices : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetPropValue(const BYTE*, DWORD, GUID, VARIANT) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetPropServer(const BYTE*, DWORD, const GUID*, int, IUnknown*,
                                                    int) = 0;
    virtual HRESULT STDMETHODCALLTYPE ClearProps(const BYTE*, DWORD, const GUID*, int) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetHwndProp(HWND, DWORD, DWORD, GUID, VARIANT) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetHwndPropStr(HWND, DWORD, DWORD, GUID, LPCWSTR) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND, DWORD, DWORD, const GUID*, int,
                                                        IUnknown*, int) = 0;
    virtual HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND, DWORD, DWORD, const GUID*, int) = 0;
};

template <typename Use>
void WithAnnotations(Use use) {
    AccPropServices* services = nullptr;
    if (FAILED(::CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                  kIidAccPropServices, reinterpret_cast<void**>(&services))) ||
        !services)
        return;
    use(*services);
    services->Release();
}

void Annotate(HWND unit, LONG role, const wchar_t* name) {
    WithAnnotations([&](AccPropServices& services) {
        VARIANT value{};
        value.vt = VT_I4;
        value.lVal = role;
        services.SetHwndProp(unit, kClientObject, CHILDID_SELF, kAccRole, value);
        services.SetHwndPropStr(unit, kClientObject, CHILDID_SELF, kAccName, name);
    });
}

void ClearAnnotations(HWND unit) {
    const GUID annotated[] = {kAccRole, kAccName};
    WithAnnotations([&](AccPropServices& services) {
        services.ClearHwndProps(unit, kClientObject, CHILDID_SELF, annotated,
                                static_cast<int>(std::size(annotated)));
    });
}

// ---- the label ----

// The label's background: grey, white, grey along the diagonal from the
// top-right corner toward the bottom-left, over twice the smaller side;
// grey beyond.
OwnedBitmap GradientBitmap(HDC dc, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    OwnedBitmap bitmap(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return nullptr;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const double length = 2.0 * std::min(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double along = ((width - 1 - x) + y) / std::sqrt(2.0);
            const double t = along / length;
            const double white = t >= 1 ? 0 : 1 - std::fabs(2 * t - 1);
            const auto level = static_cast<std::uint32_t>(128 + 127 * white);
            pixels[static_cast<std::size_t>(y) * width + x] = level << 16 | level << 8 | level;
        }
    }
    return bitmap;
}

// The label's gradient, made whenever its size changes rather than at every
// paint, the font it was given, and its text, which is its window's own, so
// that WM_GETTEXT and a screen reader have it. The gradient may be missing
// when the system is short of resources; the label is then drawn grey.
struct Label {
    OwnedBitmap gradient;
    HFONT font = nullptr;
    std::wstring text;
};

void MakeGradient(HWND hwnd, Label& label) {
    label.gradient.reset();
    RECT client{};
    ::GetClientRect(hwnd, &client);
    const BorrowedDC dc(hwnd);
    if (dc.get()) label.gradient = GradientBitmap(dc.get(), client.right, client.bottom);
}

void PaintLabel(HWND hwnd, const Label& label) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(hwnd, &paint);
    if (!dc) return;
    RECT client;
    ::GetClientRect(hwnd, &client);
    const HelpColours colours = HelpColoursFor(HighContrast());
    const OwnedMemoryDC memory(colours.gradient && label.gradient ? ::CreateCompatibleDC(dc)
                                                                  : nullptr);
    if (memory) {
        const SelectedObject gradient(memory.get(), label.gradient.get());
        ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    } else {
        Fill(dc, client, colours.labelBackground);
    }
    {
        const SelectedObject font(dc, label.font);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ColourRef(colours.labelText));
        ::DrawTextW(dc, label.text.c_str(), static_cast<int>(label.text.size()), &client,
                    kLabelTextFormat);
    }
    ::EndPaint(hwnd, &paint);
}

LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Label* label = UnitOf<Label>(hwnd);
    switch (message) {
        case WM_CREATE: {
            label = new (std::nothrow) Label;
            if (!label) return -1;  // the label is not created
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            label->text = create->lpszName ? create->lpszName : L"";
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(label));
            MakeGradient(hwnd, *label);
            Annotate(hwnd, kRoleStaticText, label->text.c_str());
            return 0;
        }
        case WM_DESTROY: ClearAnnotations(hwnd); break;
        case WM_NCDESTROY:
            if (label) {
                delete label;
                ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            }
            break;
        case WM_SIZE:
            if (label) MakeGradient(hwnd, *label);
            return 0;
        case WM_SETFONT:
            if (!label) break;
            label->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) ::InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_GETFONT: return label ? reinterpret_cast<LRESULT>(label->font) : 0;
        case WM_ERASEBKGND: return TRUE;
        case WM_PAINT:
            if (!label) break;
            PaintLabel(hwnd, *label);
            return 0;
        default: break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// ---- the link boxes ----

// What a link box keeps while it exists. window is cleared when the box's
// window goes, which may happen while a click is being handled.
struct LinkBox {
    DesktopPort* port;
    std::wstring caption;
    std::string target;
    HWND window = nullptr;
    HFONT font = nullptr;  // given; the default GUI font when none is
    bool hover = false;
    bool visited = false;
};

// The link boxes alive now; one is dropped when its window goes. Shared, so
// that a click in progress keeps its box alive past that.
std::vector<std::shared_ptr<LinkBox>> liveLinks;

std::shared_ptr<LinkBox> Keep(const LinkBox* link) {
    for (const auto& live : liveLinks)
        if (live.get() == link) return live;
    return nullptr;
}

void Forget(const LinkBox* link) {
    liveLinks.erase(std::remove_if(liveLinks.begin(), liveLinks.end(),
                                   [&](const auto& live) { return live.get() == link; }),
                    liveLinks.end());
}

void EndHover(HWND hwnd, LinkBox& link) {
    link.hover = false;
    if (::GetCapture() == hwnd) ::ReleaseCapture();
    ::InvalidateRect(hwnd, nullptr, TRUE);
}

// Opening the target can pump messages (an error box, DDE), and the help
// window may be closed meanwhile: the box is kept alive across the call,
// and marked visited only if its window is still there.
void Click(const LinkBox* clicked) {
    const std::shared_ptr<LinkBox> link = Keep(clicked);
    if (!link || !OpenLink(*link->port, link->target.c_str()) || !link->window) return;
    link->visited = true;
    ::InvalidateRect(link->window, nullptr, TRUE);
}

// The focused box shows a focus rectangle, once the keyboard has been used
// in the window (the UI state hides it until then, as Windows does).
void PaintLink(HWND hwnd, const LinkBox& link) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(hwnd, &paint);
    if (!dc) return;
    RECT client;
    ::GetClientRect(hwnd, &client);
    const bool focusShown =
        ::GetFocus() == hwnd && !(::SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    const HelpColours colours = HelpColoursFor(HighContrast());
    Fill(dc, client, link.hover ? colours.hoverBackground : colours.linkBackground);
    {
        const SelectedObject font(dc, link.font ? link.font : ::GetStockObject(DEFAULT_GUI_FONT));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ColourRef(link.hover     ? colours.hoverText
                                     : link.visited ? colours.visitedText
                                                    : colours.linkText));
        ::DrawTextW(dc, link.caption.c_str(), static_cast<int>(link.caption.size()), &client,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (focusShown) {
        ::InflateRect(&client, -1, -1);
        ::DrawFocusRect(dc, &client);
    }
    ::EndPaint(hwnd, &paint);
}

// The box captures the mouse while the pointer is over it, so that it hears
// the pointer leave. The capture only holds over the program's own windows
// while no button is down, so the box also asks to be told when the
// pointer leaves it. The hover colour wins over the visited one. It is a
// tab stop of its dialog-style window: Enter or Space opens it as a click
// does, and Enter is asked of the dialog manager, which would otherwise
// take it for the window's default button.
LRESULT CALLBACK LinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LinkBox* link = UnitOf<LinkBox>(hwnd);
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            link = static_cast<LinkBox*>(create->lpCreateParams);
            if (link) link->window = hwnd;
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link));
            break;
        }
        case WM_CREATE:
            if (link) Annotate(hwnd, kRoleLink, link->caption.c_str());
            break;
        case WM_DESTROY: ClearAnnotations(hwnd); break;
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            if (link) {
                link->window = nullptr;
                Forget(link);
            }
            break;
        case WM_GETDLGCODE:
            if (wParam == VK_RETURN) return DLGC_WANTMESSAGE;
            break;
        case WM_KEYDOWN:
            if (link && (wParam == VK_RETURN || wParam == VK_SPACE) && !(lParam & (1L << 30)))
                Click(link);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: ::InvalidateRect(hwnd, nullptr, TRUE); return 0;
        case WM_UPDATEUISTATE: {
            const LRESULT result = ::DefWindowProcW(hwnd, message, wParam, lParam);
            ::InvalidateRect(hwnd, nullptr, TRUE);
            return result;
        }
        case WM_SETCURSOR:
            ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
            return TRUE;
        case WM_MOUSEMOVE:
            if (!link) break;
            if (!link->hover && Inside(hwnd, lParam)) {
                link->hover = true;
                ::SetCapture(hwnd);
                TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, hwnd, 0};
                ::TrackMouseEvent(&leave);
                ::InvalidateRect(hwnd, nullptr, TRUE);
            } else if (link->hover && !Inside(hwnd, lParam)) {
                EndHover(hwnd, *link);
            }
            return 0;
        case WM_MOUSELEAVE:
            if (link && link->hover) EndHover(hwnd, *link);
            return 0;
        case WM_CAPTURECHANGED:
            if (link && link->hover) {
                link->hover = false;
                ::InvalidateRect(hwnd, nullptr, TRUE);
            }
            return 0;
        case WM_LBUTTONUP:
            if (link && Inside(hwnd, lParam)) Click(link);
            return 0;
        case WM_SETFONT:
            if (!link) break;
            link->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) ::InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_GETFONT: return link ? reinterpret_cast<LRESULT>(link->font) : 0;
        case WM_PAINT:
            if (!link) break;
            PaintLink(hwnd, *link);
            return 0;
        default: break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// ---- the picture button ----

struct PictureButton {
    const HBITMAP* pictures;
    bool pressed = false;
};

// The picture fills what shows of the button: the strip's client area, as
// tall as the taskbar is at any scaling.
void PaintPicture(HWND hwnd, const PictureButton& button) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(hwnd, &paint);
    if (!dc) return;
    HBITMAP picture = button.pictures[button.pressed ? 1 : 0];
    const OwnedMemoryDC memory(picture ? ::CreateCompatibleDC(dc) : nullptr);
    RECT shown{};
    ::GetClientRect(::GetParent(hwnd), &shown);
    if (memory) {
        const SelectedObject selected(memory.get(), picture);
        BITMAP size{};
        ::GetObjectW(picture, sizeof size, &size);
        ::SetStretchBltMode(dc, COLORONCOLOR);
        ::StretchBlt(dc, 0, 0, shown.right, shown.bottom, memory.get(), 0, 0, size.bmWidth,
                     size.bmHeight, SRCCOPY);
    }
    ::EndPaint(hwnd, &paint);
}

void SetPressed(HWND hwnd, PictureButton& button, bool pressed) {
    button.pressed = pressed;
    ::InvalidateRect(hwnd, nullptr, FALSE);
}

// The class has no CS_DBLCLKS: the second click of a double click is a
// click like the first. The button takes no focus, and a click on it does
// not activate its window.
LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    PictureButton* button = UnitOf<PictureButton>(hwnd);
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            button = new (std::nothrow)
                PictureButton{static_cast<const HBITMAP*>(create->lpCreateParams)};
            if (!button) return FALSE;
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(button));
            break;
        }
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            delete button;
            break;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_LBUTTONDOWN:
            if (!button) break;
            ::SetCapture(hwnd);
            SetPressed(hwnd, *button, true);
            return 0;
        case WM_LBUTTONUP:
            if (!button || !button->pressed) return 0;
            SetPressed(hwnd, *button, false);
            ::ReleaseCapture();
            if (Inside(hwnd, lParam))
                ::SendMessageW(::GetParent(hwnd), WM_COMMAND,
                               MAKEWPARAM(::GetDlgCtrlID(hwnd), BN_CLICKED),
                               reinterpret_cast<LPARAM>(hwnd));
            return 0;
        case WM_CAPTURECHANGED:
            if (button && button->pressed) SetPressed(hwnd, *button, false);
            return 0;
        case WM_PAINT:
            if (!button) break;
            PaintPicture(hwnd, *button);
            return 0;
        default: break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

bool HighContrast() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// Measured as the label paints: the height DrawText gives the text up to
// the end of a unit's line is that line's bottom.
std::optional<TextLayout> MeasureLabelText(HFONT font, int width,
                                           std::span<const UnitDeclaration> units,
                                           const Texts& texts) {
    const OwnedMemoryDC memory(::CreateCompatibleDC(nullptr));
    if (!memory) return std::nullopt;
    const HDC dc = memory.get();
    const SelectedObject selected(dc, font);
    std::wstring text;
    for (const UnitDeclaration& unit : units)
        if (unit.kind == UnitKind::Label && unit.caption) text = Widen(texts.*unit.caption);
    const auto heightThrough = [&](std::size_t end) {
        RECT r{0, 0, width, 0};
        ::DrawTextW(dc, text.c_str(), static_cast<int>(end), &r, kLabelTextFormat | DT_CALCRECT);
        return static_cast<std::int32_t>(r.bottom);
    };
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    TextLayout layout{heightThrough(text.size()), {}, width, metrics.tmHeight};
    for (const UnitDeclaration& unit : units) {
        std::int32_t bottom = 0;
        const std::wstring line = Widen(TextOf(texts, unit.onLine));
        // each unit's line is one of a kind in the text
        if (const wchar_t* at = line.empty() ? nullptr : std::wcsstr(text.c_str(), line.c_str())) {
            const wchar_t* end = std::wcsstr(at, L"\r\n");
            bottom =
                heightThrough(end ? static_cast<std::size_t>(end - text.c_str()) : text.size());
        }
        layout.lineBottoms.push_back(bottom);
    }
    return layout;
}

void RegisterUnitClasses(HINSTANCE instance) {
    WNDCLASSEXW unit{};
    unit.cbSize = sizeof unit;
    unit.hInstance = instance;
    unit.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(win::kIdcArrow));
    unit.lpfnWndProc = LabelProc;
    unit.lpszClassName = kLabelClass;
    ::RegisterClassExW(&unit);
    unit.lpfnWndProc = LinkProc;
    unit.lpszClassName = kLinkClass;
    ::RegisterClassExW(&unit);
    unit.lpfnWndProc = PictureProc;
    unit.lpszClassName = kPictureClass;
    unit.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    ::RegisterClassExW(&unit);
}

HWND CreateLabel(HINSTANCE instance, HWND parent, const UnitDeclaration& unit, const Texts& texts) {
    return ::CreateWindowExW(0, kLabelClass, Widen(TextOf(texts, unit.caption)).c_str(),
                             WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPSIBLINGS, unit.rect.left,
                             unit.rect.top, unit.rect.right, unit.rect.bottom, parent, nullptr,
                             instance, nullptr);
}

HWND CreateLinkBox(HINSTANCE instance, HWND parent, const UnitDeclaration& unit, const Texts& texts,
                   DesktopPort& port) {
    auto link = std::shared_ptr<LinkBox>(new (std::nothrow) LinkBox{
        &port, Widen(TextOf(texts, unit.caption)), unit.target ? unit.target : ""});
    if (!link) return nullptr;
    liveLinks.push_back(link);
    HWND box = ::CreateWindowExW(WS_EX_CLIENTEDGE, kLinkClass, link->caption.c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP,
                                 unit.rect.left, unit.rect.top, unit.rect.right, unit.rect.bottom,
                                 parent, nullptr, instance, link.get());
    if (!box) Forget(link.get());
    return box;
}

HWND CreatePictureButton(HINSTANCE instance, HWND parent, const UnitDeclaration& unit, UINT_PTR id,
                         const HBITMAP (&pictures)[2]) {
    return ::CreateWindowExW(0, kPictureClass, L"", WS_CHILD | WS_VISIBLE, unit.rect.left,
                             unit.rect.top, unit.rect.right, unit.rect.bottom, parent,
                             reinterpret_cast<HMENU>(id), instance, const_cast<HBITMAP*>(pictures));
}

}  // namespace tremolux::win32
