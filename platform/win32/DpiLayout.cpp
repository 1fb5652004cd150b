#include "platform/win32/DpiLayout.h"

#include <algorithm>
#include <cmath>

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
        if (text && text->width > 0) r.right = std::max(r.right, text->width + 2 * kLabelBorder);
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

std::int32_t LabelWidthToFit(const WindowLayout& layout, const TextLayout& text,
                             std::int64_t roomWidth, std::int64_t roomHeight) {
    const std::int64_t over = layout.height - roomHeight;
    const std::int64_t spare = roomWidth - layout.width;
    if (over <= 0 || spare <= 0 || text.width <= 0) return text.width;
    const std::int64_t wanted = std::int64_t{text.height} - over - text.lineHeight;
    // in floating point: a 64-bit division would call into libgcc on 32-bit
    const double widest = static_cast<double>(text.width + spare);
    const double width =
        wanted > 0 ? std::ceil(static_cast<double>(text.width) * text.height / wanted) : widest;
    return static_cast<std::int32_t>(std::min(width, widest));
}

}  // namespace tremolux::win32
