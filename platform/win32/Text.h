// UTF-8, as the program keeps its texts, to and from UTF-16, as the wide
// Win32 API takes them.
#pragma once

#include <string>
#include <string_view>

namespace tremolux::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace tremolux::win32
