#include "platform/sim/Trace.h"

#include <cstdio>

namespace tremolux::sim {

void Trace::Call(std::string text) {
    if (lines_ >= bounds_.lines || text.size() > bounds_.bytes - bytes_) throw TraceFull{};
    ++lines_;
    bytes_ += text.size();
    if (echo_) *echo_ << clock_ << ' ' << text << '\n';
    auto [it, added] = seen_.try_emplace(std::move(text), Seen{0, clock_});
    ++it->second.count;
}

void Trace::Clear() {
    lines_ = 0;
    bytes_ = 0;
    seen_.clear();
}

const Trace::Seen* Trace::Find(std::string_view text) const {
    auto it = seen_.find(text);
    return it == seen_.end() ? nullptr : &it->second;
}

std::size_t Trace::Count(std::string_view text) const {
    const Seen* seen = Find(text);
    return seen ? seen->count : 0;
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

std::string Spaced(const Rect& rect) {
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
           std::to_string(rect.right) + " " + std::to_string(rect.bottom);
}

}  // namespace tremolux::sim
