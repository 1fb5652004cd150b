#include "platform/sim/Trace.h"

#include <cstdio>

namespace tremolux::sim {

void Trace::Call(std::string text) {
    if (lines_.size() >= kMaxLines) throw TraceFull{};
    if (echo_) *echo_ << clock_ << ' ' << text << '\n';
    lines_.push_back({clock_, std::move(text)});
}

const Trace::Line* Trace::Find(std::string_view text) const {
    for (const Line& line : lines_)
        if (line.text == text) return &line;
    return nullptr;
}

std::size_t Trace::Count(std::string_view text) const {
    std::size_t count = 0;
    for (const Line& line : lines_) count += line.text == text;
    return count;
}

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '"': out += "\\\""; break;
            default: out += c;
        }
    }
    out += '"';
    return out;
}

std::string Hex(std::uint64_t value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "0x%llx", static_cast<unsigned long long>(value));
    return buffer;
}

}  // namespace tremolux::sim
