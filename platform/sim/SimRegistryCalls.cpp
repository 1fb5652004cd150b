// The registry as the program calls it on the simulated desktop, with what
// a standard user may not change, the environment its texts expand in, the
// path of the running program, its folders' identities and the user's UI
// language.

#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/sim/SimDesktop.h"
#include "settings/Settings.h"

namespace tremolux::sim {

namespace {

bool IsText(std::uint32_t type) { return type == win::kRegSz || type == win::kRegExpandSz; }

std::string TypeName(std::uint32_t type) {
    switch (type) {
        case win::kRegSz: return "sz";
        case win::kRegExpandSz: return "expandsz";
        case win::kRegDword: return "dword";
        default: return "type" + std::to_string(type);
    }
}

// The stored bytes as the trace shows them: texts up to their first zero,
// numbers in decimal, anything else in hex.
std::string DataTrace(std::uint32_t type, const std::vector<std::uint8_t>& data) {
    if (IsText(type)) {
        const auto end = std::find(data.begin(), data.end(), 0);
        return Quoted(std::string(data.begin(), end));
    }
    if (type == win::kRegDword && data.size() == 4) {
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | data[i];
        return std::to_string(value);
    }
    std::string out;
    for (std::uint8_t byte : data) {
        static const char digits[] = "0123456789abcdef";
        out += digits[byte >> 4];
        out += digits[byte & 15];
    }
    return out.empty() ? "-" : out;
}

// A fixed environment for REG_EXPAND_SZ values.
struct EnvironmentVariable {
    std::string_view name;
    std::string_view value;
};
constexpr EnvironmentVariable kEnvironment[] = {
    {"SystemRoot", "C:\\Windows"},
    {"windir", "C:\\Windows"},
    {"SystemDrive", "C:"},
    {"ProgramFiles", "C:\\Program Files"},
    {"USERPROFILE", "C:\\Users\\user"},
    {"TEMP", "C:\\Users\\user\\AppData\\Local\\Temp"},
};

std::string Expand(std::string_view source) {
    std::string out;
    while (!source.empty()) {
        const auto open = source.find('%');
        const auto close = open == std::string_view::npos ? open : source.find('%', open + 1);
        if (close == std::string_view::npos) break;
        out += source.substr(0, open);
        const std::string_view name = source.substr(open + 1, close - open - 1);
        auto it =
            std::find_if(std::begin(kEnvironment), std::end(kEnvironment),
                         [&](const EnvironmentVariable& v) { return SameName(v.name, name); });
        if (it == std::end(kEnvironment)) {
            out += source.substr(open, close - open);
            source.remove_prefix(close);
        } else {
            out += it->value;
            source.remove_prefix(close + 1);
        }
    }
    out += source;
    return out;
}

}  // namespace

void SimDesktop::DumpRegistry() {
    for (const std::string& line : registry_.Describe([](std::uint32_t type, const auto&data) {
             return TypeName(type) + " " + DataTrace(type, data);
         }))
        trace_.Call(line);
}

std::string SimDesktop::RegistryTrace(RegistryKey key, const char* valueName) const {
    std::string path = registry_.PathOf(key);
    if (valueName) path += std::string("\\") + valueName;
    return path;
}

// A standard user under UAC may read HKEY_LOCAL_MACHINE but not change it.
bool SimDesktop::MachineReadOnly(RegistryKey key) const {
    return standardUser_ && registry_.RootOf(key) == win::kHkeyLocalMachine;
}

std::int32_t SimDesktop::RegOpenKeyExA(RegistryKey root, const char* subKey,
                                       std::uint32_t desiredAccess, RegistryKey* key) {
    const bool writing = (desiredAccess & win::kKeyWrite & ~win::kKeyRead) != 0;
    std::int32_t status = win::kErrorSuccess;
    if (writing && Failing(Operation::RegWrite)) {
        status = win::kErrorAccessDenied;
    } else if (Failing(Operation::RegRead)) {
        status = win::kErrorAccessDenied;
    } else if (writing && MachineReadOnly(root)) {
        // the key is found first, then the access checked
        status = registry_.KeyExists(root, subKey ? subKey : "") ? win::kErrorAccessDenied
                                                                 : win::kErrorFileNotFound;
    } else {
        status = registry_.Open(root, subKey ? subKey : "", key);
    }
    trace_.Read([&] {
        return std::string("RegOpenKeyExA " + registry_.PathOf(root) +
                           (subKey && *subKey ? "\\" : "") + (subKey ? subKey : "") + " -> " +
                           std::to_string(status));
    });
    return status;
}

std::int32_t SimDesktop::RegQueryValueExW(RegistryKey key, const char* valueName,
                                          std::uint32_t* type, std::uint8_t* data,
                                          std::uint32_t* size) {
    const SimRegistry::Value* value = nullptr;
    std::int32_t status = registry_.Query(key, valueName ? valueName : "", &value);
    if (status == win::kErrorSuccess) {
        // texts are kept as UTF-8, as the wide read hands them out
        const std::vector<std::uint8_t>& bytes = value->data;
        if (type) *type = value->type;
        const auto needed = static_cast<std::uint32_t>(bytes.size());
        if (!size) {
            status = data ? win::kErrorInvalidParameter : win::kErrorSuccess;
        } else if (!data) {
            *size = needed;
        } else if (*size < needed) {
            *size = needed;
            status = win::kErrorMoreData;
        } else {
            std::copy(bytes.begin(), bytes.end(), data);
            *size = needed;
        }
    }
    trace_.Read([&] {
        return std::string("RegQueryValueExW " + RegistryTrace(key, valueName) + " -> " +
                           std::to_string(status));
    });
    return status;
}

std::int32_t SimDesktop::RegSetKeyValueA(RegistryKey root, const char* subKey,
                                         const char* valueName, std::uint32_t type,
                                         const std::uint8_t* data, std::uint32_t size) {
    std::vector<std::uint8_t> bytes;
    if (data) bytes.assign(data, data + size);
    return SetKeyValue(root, subKey, valueName, type, std::move(bytes));
}

// The sim stores texts as UTF-8 whichever API wrote them.
std::int32_t SimDesktop::RegSetKeyValueW(RegistryKey root, const char* subKey,
                                         const char* valueName, std::uint32_t type,
                                         const char* text) {
    const std::string_view value = text ? text : "";
    std::vector<std::uint8_t> bytes(value.begin(), value.end());
    bytes.push_back(0);
    return SetKeyValue(root, subKey, valueName, type, std::move(bytes));
}

// One line a write, also a refused one.
std::int32_t SimDesktop::SetKeyValue(RegistryKey root, const char* subKey, const char* valueName,
                                     std::uint32_t type, std::vector<std::uint8_t> bytes) {
    std::string path = registry_.PathOf(root);
    if (subKey && *subKey) path += std::string("\\") + subKey;
    path += std::string("\\") + (valueName ? valueName : "");
    RegistryKey key = 0;
    std::int32_t status = Failing(Operation::RegWrite) || MachineReadOnly(root)
                              ? win::kErrorAccessDenied
                              : registry_.Create(root, subKey ? subKey : "", &key);
    if (status == win::kErrorSuccess) {
        status = registry_.Set(key, valueName ? valueName : "", type, bytes);
        registry_.Close(key);
    }
    trace_.Call("RegWrite " + path + " " + TypeName(type) + " " + DataTrace(type, bytes) +
                (status == win::kErrorSuccess ? "" : " failed"));
    return status;
}

std::int32_t SimDesktop::RegDeleteValueA(RegistryKey key, const char* valueName) {
    const std::int32_t status = Failing(Operation::RegDelete) || MachineReadOnly(key)
                                    ? win::kErrorAccessDenied
                                    : registry_.DeleteValue(key, valueName ? valueName : "");
    trace_.Call("RegDelete " + RegistryTrace(key, valueName) +
                (status == win::kErrorSuccess ? " value" : " failed"));
    return status;
}

std::int32_t SimDesktop::RegDeleteKeyA(RegistryKey root, const char* subKey) {
    std::int32_t status = win::kErrorAccessDenied;
    if (!Failing(Operation::RegDelete)) {
        if (!MachineReadOnly(root)) {
            status = registry_.DeleteKey(root, subKey ? subKey : "");
        } else if (!registry_.KeyExists(root, subKey ? subKey : "")) {
            status = win::kErrorFileNotFound;
        }
    }
    trace_.Call("RegDelete " + RegistryTrace(root, subKey) +
                (status == win::kErrorSuccess ? " key" : " failed"));
    return status;
}

std::int32_t SimDesktop::RegCloseKey(RegistryKey key) { return registry_.Close(key); }

std::uint32_t SimDesktop::ExpandEnvironmentStringsW(const char* source, char* destination,
                                                    std::uint32_t size) {
    if (!source || Failing(Operation::ExpandEnvironmentStringsW)) return 0;
    const std::string expanded = Expand(source);
    const auto needed = static_cast<std::uint32_t>(expanded.size() + 1);
    // Like the platform, a short buffer is filled as far as it goes, with no
    // promise of a terminating zero.
    if (destination) std::memcpy(destination, expanded.c_str(), std::min(size, needed));
    return needed;
}

std::uint32_t SimDesktop::GetModuleFileNameW(char* buffer, std::uint32_t size) {
    if (!buffer || size == 0 || Failing(Operation::GetModuleFileNameW)) return 0;
    const auto length = static_cast<std::uint32_t>(programPath_.size());
    // A buffer too small gets as much as fits and no terminating zero, as on
    // Windows XP; the result then equals the size.
    if (length >= size) {
        std::memcpy(buffer, programPath_.data(), size);
        return size;
    }
    std::memcpy(buffer, programPath_.c_str(), length + 1);
    return length;
}

// A declared folder opens by any spelling of its path, letter case aside; a
// handle names the folder by its place among them.
constexpr KernelHandle kFolderHandles = 0x1000;

KernelHandle SimDesktop::CreateFileW(const char* path, std::uint32_t, std::uint32_t, std::uint32_t,
                                     std::uint32_t) {
    KernelHandle file = 0;
    for (std::size_t i = 0; i < folders_.size() && file == 0; ++i)
        if (path && SamePath(path, folders_[i].path)) file = kFolderHandles + i;
    trace_.Read([&] { return "CreateFileW " + Quoted(path ? path : "") + " -> " + Hex(file); });
    return file;
}

bool SimDesktop::GetFileInformationByHandle(KernelHandle file, FileIdentity* identity) {
    const bool ok = identity && file >= kFolderHandles && file - kFolderHandles < folders_.size();
    if (ok) *identity = {1, static_cast<std::uint64_t>(folders_[file - kFolderHandles].identity)};
    trace_.Read([&] {
        return "GetFileInformationByHandle " + Hex(file) +
               (ok ? " -> " + std::to_string(identity->index) : std::string(" failed"));
    });
    return ok;
}

std::uint16_t SimDesktop::GetUserDefaultUILanguage() {
    trace_.Read([&] { return "GetUserDefaultUILanguage -> " + Hex(uiLanguage_); });
    return uiLanguage_;
}

}  // namespace tremolux::sim
