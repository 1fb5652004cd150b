// What a text must be before the wide API is given it.
#pragma once

#include <cstdint>
#include <string_view>

namespace tremolux::win32 {

// UTF-16 as the wide API takes it: every surrogate in a pair. A text that
// does not pass is not converted, so nothing is stored or shown altered.
template <typename Char>
bool ValidUtf16(std::basic_string_view<Char> text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<std::uint32_t>(text[i]) & 0xFFFFu;
        if (unit >= 0xDC00 && unit <= 0xDFFF) return false;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 == text.size()) return false;
            const auto next = static_cast<std::uint32_t>(text[i + 1]) & 0xFFFFu;
            if (next < 0xDC00 || next > 0xDFFF) return false;
            ++i;
        }
    }
    return true;
}

}  // namespace tremolux::win32
