#include "platform/win32/FrameGeometry.h"

namespace tremolux::win32 {

Margins FrameMargins(const Rect& window, const std::optional<Rect>& frame) {
    if (!frame || frame->right <= frame->left || frame->bottom <= frame->top) return {};
    const auto reach = [](std::int64_t from, std::int64_t to) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(to - from, 0, INT32_MAX));
    };
    return {reach(window.left, frame->left), reach(window.top, frame->top),
            reach(frame->right, window.right), reach(frame->bottom, window.bottom)};
}

Placement GrownByMargins(const Placement& frame, const Margins& margins) {
    const auto clamp = [](std::int64_t value) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
    };
    return {clamp(std::int64_t{frame.x} - margins.left), clamp(std::int64_t{frame.y} - margins.top),
            clamp(std::int64_t{frame.cx} + margins.left + margins.right),
            clamp(std::int64_t{frame.cy} + margins.top + margins.bottom)};
}

namespace {

Rect Shifted(const Rect& r, std::int64_t dx, std::int64_t dy) {
    return {Saturate(r.left + dx), Saturate(r.top + dy), Saturate(r.right + dx),
            Saturate(r.bottom + dy)};
}

}  // namespace

Rect ScreenFromWorkspace(const Rect& placed, const Rect& monitor, const Rect& work, bool tool) {
    if (tool) return placed;
    return Shifted(placed, std::int64_t{work.left} - monitor.left,
                   std::int64_t{work.top} - monitor.top);
}

Rect WorkspaceFromScreen(const Rect& screen, const Rect& monitor, const Rect& work, bool tool) {
    if (tool) return screen;
    return Shifted(screen, std::int64_t{monitor.left} - work.left,
                   std::int64_t{monitor.top} - work.top);
}

}  // namespace tremolux::win32
