#include "platform/win32/Text.h"

#include <windows.h>

#include <climits>

#include "platform/win32/TextChecks.h"

namespace tremolux::win32 {

static_assert(sizeof(wchar_t) == 2, "the wide API's texts are UTF-16");

// MB_ERR_INVALID_CHARS makes an invalid sequence an error rather than a
// replacement character. Its counterpart for the other direction came only
// with Vista, so UTF-16 is checked before it is converted.
std::optional<std::wstring> ToUtf16(std::string_view utf8) {
    if (utf8.empty()) return std::wstring();
    if (utf8.size() > INT_MAX) return std::nullopt;
    const int length = static_cast<int>(utf8.size());
    const int needed =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, nullptr, 0);
    if (needed <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    if (::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, wide.data(),
                              needed) != needed)
        return std::nullopt;
    return wide;
}

std::optional<std::string> ToUtf8(std::wstring_view utf16) {
    if (utf16.empty()) return std::string();
    if (utf16.size() > INT_MAX || !ValidUtf16(utf16)) return std::nullopt;
    const int length = static_cast<int>(utf16.size());
    const int needed =
        ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return std::nullopt;
    std::string narrow(static_cast<std::size_t>(needed), '\0');
    if (::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, narrow.data(), needed, nullptr,
                              nullptr) != needed)
        return std::nullopt;
    return narrow;
}

std::wstring Widen(std::string_view utf8) { return ToUtf16(utf8).value_or(std::wstring()); }

}  // namespace tremolux::win32
