// The registry, environment and executable-path operations of the Win32
// binding.
#include <windows.h>

#include <vector>

#include "platform/win32/Text.h"
#include "platform/win32/Win32Desktop.h"

namespace tremolux::win32 {

namespace {

// The predefined roots are sign-extended values in a 64-bit build.
HKEY Key(RegistryKey key) {
    if (key == win::kHkeyLocalMachine) return HKEY_LOCAL_MACHINE;
    if (key == win::kHkeyCurrentUser) return HKEY_CURRENT_USER;
    if (key == win::kHkeyClassesRoot) return HKEY_CLASSES_ROOT;
    return reinterpret_cast<HKEY>(key);
}

// The longest path Windows hands out, in UTF-16 units with its zero.
constexpr DWORD kMaxPath = 32768;

// RegSetKeyValue itself came with Vista, and the program still runs on XP:
// the subkey is opened for writing or, failing that, created, and the value
// set in it.
LONG SetKeyValue(RegistryKey root, const char* subKey, const char* valueName, DWORD type,
                 const BYTE* data, DWORD size) {
    const std::optional<std::wstring> key = ToUtf16(subKey ? subKey : "");
    const std::optional<std::wstring> name = ToUtf16(valueName ? valueName : "");
    if (!key || !name) return ERROR_NO_UNICODE_TRANSLATION;
    HKEY opened = nullptr;
    LONG status = ::RegOpenKeyExW(Key(root), key->c_str(), 0, KEY_WRITE, &opened);
    if (status != ERROR_SUCCESS)
        status = ::RegCreateKeyExW(Key(root), key->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_WRITE, nullptr, &opened, nullptr);
    if (status != ERROR_SUCCESS) return status;
    status = ::RegSetValueExW(opened, name->c_str(), 0, type, data, size);
    ::RegCloseKey(opened);
    return status;
}

}  // namespace

std::int32_t Win32Desktop::RegOpenKeyExA(RegistryKey root, const char* subKey,
                                         std::uint32_t desiredAccess, RegistryKey* key) {
    HKEY opened = nullptr;
    const LONG status = ::RegOpenKeyExA(Key(root), subKey, 0, desiredAccess, &opened);
    if (status == ERROR_SUCCESS && key) *key = reinterpret_cast<RegistryKey>(opened);
    return status;
}

// The value is read whole, the buffer grown while another program makes it
// longer, so that the size handed out is that of what is read: a text's
// UTF-8 bytes, converted from the UTF-16 the registry keeps.
std::int32_t Win32Desktop::RegQueryValueExW(RegistryKey key, const char* valueName,
                                            std::uint32_t* type, std::uint8_t* data,
                                            std::uint32_t* size) {
    const std::optional<std::wstring> name = ToUtf16(valueName ? valueName : "");
    if (!name) return ERROR_FILE_NOT_FOUND;
    DWORD valueType = 0;
    DWORD bytes = 0;
    LONG status = ::RegQueryValueExW(Key(key), name->c_str(), nullptr, &valueType, nullptr, &bytes);
    std::vector<BYTE> stored;
    for (int attempt = 0; status == ERROR_SUCCESS || status == ERROR_MORE_DATA; ++attempt) {
        if (attempt == 4) return ERROR_MORE_DATA;
        stored.assign(bytes + sizeof(wchar_t), 0);
        bytes = static_cast<DWORD>(stored.size());
        status =
            ::RegQueryValueExW(Key(key), name->c_str(), nullptr, &valueType, stored.data(), &bytes);
        if (status == ERROR_SUCCESS) break;
    }
    if (status != ERROR_SUCCESS) return status;
    std::string text;
    if (valueType == REG_SZ || valueType == REG_EXPAND_SZ) {
        const std::optional<std::string> utf8 = ToUtf8(std::wstring_view(
            reinterpret_cast<const wchar_t*>(stored.data()), bytes / sizeof(wchar_t)));
        if (!utf8) return ERROR_FILE_NOT_FOUND;
        text = *utf8;
    } else {
        text.assign(stored.begin(), stored.begin() + bytes);
    }
    if (type) *type = valueType;
    const auto needed = static_cast<std::uint32_t>(text.size());
    if (!size) return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    const bool fits = data && *size >= needed;
    if (fits) CopyMemory(data, text.data(), needed);
    *size = needed;
    return !data || fits ? ERROR_SUCCESS : ERROR_MORE_DATA;
}

std::int32_t Win32Desktop::RegSetKeyValueA(RegistryKey root, const char* subKey,
                                           const char* valueName, std::uint32_t type,
                                           const std::uint8_t* data, std::uint32_t size) {
    return SetKeyValue(root, subKey, valueName, type, data, size);
}

// The text as UTF-16 with its terminating zero, so a path outside the ANSI
// code page is stored as it is; a text that does not convert exactly is not
// stored at all.
std::int32_t Win32Desktop::RegSetKeyValueW(RegistryKey root, const char* subKey,
                                           const char* valueName, std::uint32_t type,
                                           const char* text) {
    const std::optional<std::wstring> value = ToUtf16(text ? text : "");
    if (!value || value->size() >= MAXDWORD / sizeof(wchar_t)) return ERROR_NO_UNICODE_TRANSLATION;
    const auto bytes = static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t));
    return SetKeyValue(root, subKey, valueName, type, reinterpret_cast<const BYTE*>(value->c_str()),
                       bytes);
}

std::int32_t Win32Desktop::RegDeleteValueA(RegistryKey key, const char* valueName) {
    return ::RegDeleteValueA(Key(key), valueName);
}

std::int32_t Win32Desktop::RegDeleteKeyA(RegistryKey root, const char* subKey) {
    return ::RegDeleteKeyA(Key(root), subKey);
}

std::int32_t Win32Desktop::RegCloseKey(RegistryKey key) { return ::RegCloseKey(Key(key)); }

// Like the A call, a short buffer is filled as far as it goes, with no
// promise of a terminating zero.
std::uint32_t Win32Desktop::ExpandEnvironmentStringsW(const char* source, char* destination,
                                                      std::uint32_t size) {
    const std::optional<std::wstring> text = ToUtf16(source ? source : "");
    const DWORD capacity = text ? ::ExpandEnvironmentStringsW(text->c_str(), nullptr, 0) : 0;
    if (capacity == 0) return 0;
    std::wstring expanded(capacity, L'\0');
    const DWORD got = ::ExpandEnvironmentStringsW(text->c_str(), expanded.data(), capacity);
    if (got == 0 || got > capacity) return 0;
    const std::optional<std::string> utf8 = ToUtf8(std::wstring_view(expanded.data(), got - 1));
    if (!utf8) return 0;
    const auto needed = static_cast<std::uint32_t>(utf8->size() + 1);
    if (destination) CopyMemory(destination, utf8->c_str(), std::min(size, needed));
    return needed;
}

// Read whole through the wide API, with a buffer that grows up to the
// longest path there is, then handed out as UTF-8 with the contract of the
// A call: a result equal to size means it did not fit. A path that cannot
// be read whole, or converted exactly, gives nothing.
std::uint32_t Win32Desktop::GetModuleFileNameW(char* buffer, std::uint32_t size) {
    if (!buffer || size == 0) return 0;
    std::vector<wchar_t> wide;
    DWORD length = 0;
    for (DWORD capacity = MAX_PATH;; capacity = NextBufferSize(capacity, kMaxPath)) {
        wide.assign(capacity, L'\0');
        length = ::GetModuleFileNameW(nullptr, wide.data(), capacity);
        if (length == 0) return 0;
        if (length < capacity) break;
        if (capacity == kMaxPath) return 0;
    }
    const std::optional<std::string> path = ToUtf8(std::wstring_view(wide.data(), length));
    if (!path) return 0;
    if (path->size() >= size) {
        CopyMemory(buffer, path->data(), size);
        return size;
    }
    CopyMemory(buffer, path->c_str(), path->size() + 1);
    return static_cast<std::uint32_t>(path->size());
}

}  // namespace tremolux::win32
