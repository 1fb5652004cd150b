// UTF-8, as the program keeps its texts, to and from UTF-16, as the wide
// Win32 API takes them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tremolux::win32 {

// Exact conversions: a text that is not valid UTF-8, or not valid UTF-16,
// gives nothing rather than a text with replacement characters in it.
std::optional<std::wstring> ToUtf16(std::string_view utf8);
std::optional<std::string> ToUtf8(std::wstring_view utf16);

// The program's own texts (captions, messages), which are valid UTF-8.
std::wstring Widen(std::string_view utf8);

}  // namespace tremolux::win32
