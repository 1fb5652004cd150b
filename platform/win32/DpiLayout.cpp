#include "platform/win32/DpiLayout.h"

namespace tremolux::win32 {

WindowLayout LayOutWindow(const WindowDeclaration& window, int dpi, FrameSize frame,
                          const TextLayout* text) {
    WindowLayout layout{ForDpi(window.width, dpi), ForDpi(window.height, dpi), {}, 0};
    const auto scaled = [dpi](const Rect& r) {
        return Rect{ForDpi(r.left, dpi), ForDpi(r.top, dpi), ForDpi(r.right, dpi),
                    ForDpi(r.bottom, dpi)};
    };
    std::optional<Rect> label;
    for (const UnitDeclaration& unit : window.units) {
        layout.units.push_back(scaled(unit.rect));
        if (unit.kind != UnitKind::Label || label) continue;
        Rect& r = layout.units.back();
        if (text) r.bottom = std::max(r.bottom, text->height + 2 * kLabelBorder);
        layout.labelFont = ForDpi(unit.fontHeight, dpi);
        label = r;
    }
    if (!label) return layout;
    for (std::size_t i = 0; text && i < layout.units.size(); ++i) {
        const std::int32_t line = i < text->lineBottoms.size() ? text->lineBottoms[i] : 0;
        if (window.units[i].kind != UnitKind::LinkBox || line <= 0) continue;
        Rect& r = layout.units[i];
        r.top = label->top + kLabelBorder + line + ForDpi(kLinkBelowLine, dpi) - r.bottom;
    }
    layout.width = std::max(layout.width, 2 * label->left + label->right + frame.width);
    layout.height = std::max(layout.height, 2 * label->top + label->bottom + frame.height);
    return layout;
}

}  // namespace tremolux::win32
