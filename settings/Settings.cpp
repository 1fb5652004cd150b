#include "settings/Settings.h"

#include <algorithm>
#include <vector>

namespace tremolux {

namespace {

// Registry values are small; a text larger than this is not read at all.
constexpr std::uint32_t kMaxTextBytes = 1u << 20;
// The size can change between two queries when another program writes the
// value meanwhile; after this many tries the text counts as unreadable.
constexpr int kReadTries = 4;

// An open registry key, closed when it goes out of scope.
class OpenKey {
public:
    explicit OpenKey(DesktopPort& port) : port_(port) {}
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (key_) port_.RegCloseKey(key_);
    }
    RegistryKey* Out() { return &key_; }
    RegistryKey Get() const { return key_; }

private:
    DesktopPort& port_;
    RegistryKey key_ = 0;
};

// The text in bytes that may lack a terminating zero: up to the first zero
// or the end of the data.
std::string TextOf(const std::vector<std::uint8_t>& bytes, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size && i < bytes.size() && bytes[i] != 0; ++i)
        text += static_cast<char>(bytes[i]);
    return text;
}

// The value's type and whole data, growing the buffer as the registry asks.
bool QueryWhole(DesktopPort& port, RegistryKey key, const char* name, std::uint32_t& type,
                std::vector<std::uint8_t>& data) {
    std::uint32_t size = 0;
    if (port.RegQueryValueExW(key, name, &type, nullptr, &size) != win::kErrorSuccess) return false;
    for (int attempt = 0; attempt < kReadTries; ++attempt) {
        if (size > kMaxTextBytes) return false;
        data.assign(size, 0);
        std::uint32_t got = size;
        const std::int32_t status = port.RegQueryValueExW(key, name, &type, data.data(), &got);
        if (status == win::kErrorSuccess && got <= size) {
            data.resize(got);
            return true;
        }
        if (status != win::kErrorMoreData) return false;
        size = got;
    }
    return false;
}

// Environment references expanded, the buffer grown until the result fits.
std::optional<std::string> Expand(DesktopPort& port, const std::string& source) {
    std::uint32_t size = static_cast<std::uint32_t>(source.size()) + 1;
    for (int attempt = 0; attempt < kReadTries; ++attempt) {
        if (size > kMaxTextBytes) return std::nullopt;
        std::vector<std::uint8_t> buffer(size, 0);
        const std::uint32_t needed = port.ExpandEnvironmentStringsW(
            source.c_str(), reinterpret_cast<char*>(buffer.data()), size);
        if (needed == 0) return std::nullopt;
        if (needed <= size) return TextOf(buffer, needed);
        size = needed;
    }
    return std::nullopt;
}

bool OpenForReading(DesktopPort& port, RegistryKey root, const std::string& key, OpenKey& open) {
    return port.RegOpenKeyExA(root, key.c_str(), win::kKeyRead, open.Out()) == win::kErrorSuccess;
}

// The machine-wide settings have a per-user twin at the same subkey under
// HKEY_CURRENT_USER. A standard user may not write under
// HKEY_LOCAL_MACHINE, so that is where such a user's choices are kept, and a
// read takes the per-user value when there is one: the user's choice wins.
bool HasPerUserTwin(RegistryKey root) { return root == win::kHkeyLocalMachine; }

template <typename ReadAt>
auto PerUserFirst(RegistryKey root, const RegistryLocation& location, ReadAt readAt) {
    if (HasPerUserTwin(root))
        if (auto value = readAt(win::kHkeyCurrentUser, location)) return value;
    return readAt(root, location);
}

std::optional<std::uint32_t> NumberAt(DesktopPort& port, RegistryKey root,
                                      const RegistryLocation& location) {
    OpenKey key(port);
    if (!OpenForReading(port, root, location.key, key)) return std::nullopt;
    std::uint32_t type = 0;
    std::uint8_t data[4] = {};
    std::uint32_t size = sizeof data;
    const std::int32_t status =
        port.RegQueryValueExW(key.Get(), location.valueName.c_str(), &type, data, &size);
    if (status != win::kErrorSuccess || type != win::kRegDword || size != sizeof data)
        return std::nullopt;
    return static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
           static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

std::optional<std::string> TextAt(DesktopPort& port, RegistryKey root,
                                  const RegistryLocation& location) {
    OpenKey key(port);
    if (!OpenForReading(port, root, location.key, key)) return std::nullopt;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    if (!QueryWhole(port, key.Get(), location.valueName.c_str(), type, data)) return std::nullopt;
    if (type == win::kRegSz) return TextOf(data, data.size());
    if (type != win::kRegExpandSz) return std::nullopt;
    return Expand(port, TextOf(data, data.size()));
}

bool ValueExists(DesktopPort& port, RegistryKey root, const RegistryLocation& location) {
    OpenKey key(port);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    return OpenForReading(port, root, location.key, key) &&
           port.RegQueryValueExW(key.Get(), location.valueName.c_str(), &type, nullptr, &size) ==
               win::kErrorSuccess;
}

// Whether anything of ours is still at the location: the value, or a key
// whose name is the whole path.
bool SomethingLeft(DesktopPort& port, RegistryKey root, std::string_view path) {
    const RegistryLocation location = SplitLocation(path);
    OpenKey key(port);
    return ValueExists(port, root, location) || OpenForReading(port, root, std::string(path), key);
}

std::int32_t DeleteValue(DesktopPort& port, RegistryKey root, const RegistryLocation& location) {
    OpenKey key(port);
    const std::int32_t opened =
        port.RegOpenKeyExA(root, location.key.c_str(), win::kKeyWrite, key.Out());
    if (opened != win::kErrorSuccess) return opened;
    return port.RegDeleteValueA(key.Get(), location.valueName.c_str());
}

// The write under root; a standard user, refused under HKEY_LOCAL_MACHINE,
// gets it under HKEY_CURRENT_USER instead. A machine-wide write replaces a
// per-user value left from an earlier refusal, which would otherwise go on
// winning over the choice just made.
template <typename SetAt>
bool Store(DesktopPort& port, RegistryKey root, std::string_view path, SetAt setAt) {
    const RegistryLocation location = SplitLocation(path);
    const std::int32_t status = setAt(root, location);
    if (status == win::kErrorSuccess) {
        if (HasPerUserTwin(root) && ValueExists(port, win::kHkeyCurrentUser, location))
            DeleteValue(port, win::kHkeyCurrentUser, location);
        return true;
    }
    return status == win::kErrorAccessDenied && HasPerUserTwin(root) &&
           setAt(win::kHkeyCurrentUser, location) == win::kErrorSuccess;
}

// The value, or when the key cannot be opened or the value not deleted, the
// key named by the whole path (refused while it has subkeys).
DeleteOutcome DeleteAt(DesktopPort& port, RegistryKey root, std::string_view path) {
    if (DeleteValue(port, root, SplitLocation(path)) == win::kErrorSuccess)
        return DeleteOutcome::Deleted;
    if (port.RegDeleteKeyA(root, std::string(path).c_str()) == win::kErrorSuccess)
        return DeleteOutcome::Deleted;
    return SomethingLeft(port, root, path) ? DeleteOutcome::Refused : DeleteOutcome::Absent;
}

}  // namespace

RegistryLocation SplitLocation(std::string_view path) {
    const auto cut = path.rfind('\\');
    if (cut == std::string_view::npos) return {std::string(), std::string(path)};
    return {std::string(path.substr(0, cut)), std::string(path.substr(cut + 1))};
}

std::uint32_t ReadNumber(DesktopPort& port, RegistryKey root, std::string_view path,
                         std::uint32_t fallback) {
    return PerUserFirst(
               root, SplitLocation(path),
               [&](RegistryKey at, const auto& location) { return NumberAt(port, at, location); })
        .value_or(fallback);
}

std::string ReadText(DesktopPort& port, RegistryKey root, std::string_view path,
                     std::string_view fallback) {
    return PerUserFirst(
               root, SplitLocation(path),
               [&](RegistryKey at, const auto& location) { return TextAt(port, at, location); })
        .value_or(std::string(fallback));
}

bool WriteValue(DesktopPort& port, RegistryKey root, std::string_view path, std::uint32_t number) {
    const std::uint8_t data[4] = {
        static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
        static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
    return Store(port, root, path, [&](RegistryKey at, const RegistryLocation& location) {
        return port.RegSetKeyValueA(at, location.key.c_str(), location.valueName.c_str(),
                                    win::kRegDword, data, sizeof data);
    });
}

bool WriteValue(DesktopPort& port, RegistryKey root, std::string_view path, std::string_view text) {
    const std::string value(text);
    return Store(port, root, path, [&](RegistryKey at, const RegistryLocation& location) {
        return port.RegSetKeyValueW(at, location.key.c_str(), location.valueName.c_str(),
                                    win::kRegSz, value.c_str());
    });
}

// Under HKEY_LOCAL_MACHINE the per-user twin goes too. Refused when anything
// of ours is left under either root.
DeleteOutcome DeleteValueOrKey(DesktopPort& port, RegistryKey root, std::string_view path) {
    const DeleteOutcome outcome = DeleteAt(port, root, path);
    if (!HasPerUserTwin(root)) return outcome;
    const DeleteOutcome perUser = DeleteAt(port, win::kHkeyCurrentUser, path);
    if (outcome == DeleteOutcome::Refused || perUser == DeleteOutcome::Refused)
        return DeleteOutcome::Refused;
    if (outcome == DeleteOutcome::Deleted || perUser == DeleteOutcome::Deleted)
        return DeleteOutcome::Deleted;
    return DeleteOutcome::Absent;
}

std::optional<std::string> ProgramPath(DesktopPort& port) {
    for (std::uint32_t size = 260;; size = NextBufferSize(size, kMaxProgramPathBytes)) {
        std::vector<char> buffer(size, '\0');
        const std::uint32_t length = port.GetModuleFileNameW(buffer.data(), size);
        if (length == 0) return std::nullopt;
        if (length < size) return std::string(buffer.data(), length);
        if (size == kMaxProgramPathBytes) return std::nullopt;
    }
}

std::string ProgramDirectory(std::string_view programPath) {
    const auto cut = programPath.rfind('\\');
    return cut == std::string_view::npos ? std::string() : std::string(programPath.substr(0, cut));
}

std::string ProgramFileName(std::string_view programPath) {
    const auto cut = programPath.rfind('\\');
    return std::string(cut == std::string_view::npos ? programPath : programPath.substr(cut + 1));
}

std::optional<std::string> RunValueText(DesktopPort& port) {
    const std::optional<std::string> path = ProgramPath(port);
    if (!path) return std::nullopt;
    const std::string text = ProgramDirectory(*path) + "\\" + ProgramFileName(*path);
    if (text.find(' ') == std::string::npos) return text;
    return "\"" + text + "\"";
}

bool SamePath(std::string_view a, std::string_view b) {
    if (!a.empty() && a.back() == '\\') a.remove_suffix(1);
    if (!b.empty() && b.back() == '\\') b.remove_suffix(1);
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return !a.empty() && a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

namespace {

// Opened for its identity alone, and closed again.
std::optional<FileIdentity> FolderIdentity(DesktopPort& port, const std::string& path) {
    const KernelHandle folder = port.CreateFileW(path.c_str(), 0, win::kFileShareAll,
                                                 win::kOpenExisting, win::kFileFlagBackupSemantics);
    if (folder == 0) return std::nullopt;
    FileIdentity identity;
    const bool read = port.GetFileInformationByHandle(folder, &identity);
    port.CloseHandle(folder);
    return read ? std::optional<FileIdentity>(identity) : std::nullopt;
}

}  // namespace

// One folder has many spellings: another drive letter (subst, Wine's Z:),
// a junction, short 8.3 names. Where both folders can be opened, their
// identities tell; where one cannot, their paths are compared as text.
RegistryKey SettingsRoot(DesktopPort& port) {
    const std::optional<std::string> path = ProgramPath(port);
    const std::string installed = ReadText(port, win::kHkeyCurrentUser, paths::kInstallLocation);
    const std::string directory = path ? ProgramDirectory(*path) : std::string();
    if (installed.empty() || directory.empty()) return win::kHkeyLocalMachine;
    const std::optional<FileIdentity> ours = FolderIdentity(port, directory);
    const std::optional<FileIdentity> theirs =
        ours ? FolderIdentity(port, installed) : std::nullopt;
    const bool same = ours && theirs ? *ours == *theirs : SamePath(installed, directory);
    return same ? win::kHkeyCurrentUser : win::kHkeyLocalMachine;
}

std::int32_t StartupOperationMode(DesktopPort& port, RegistryKey root) {
    return ReadNumber(port, root, paths::kOperationMode, 1) == 1 ? 1 : 2;
}

bool EffectSwitchedOff(DesktopPort& port, RegistryKey root, Effect effect) {
    const char* path = effect == Effect::Maximize ? paths::kNoMaxRead : paths::kNoMinRead;
    return ReadNumber(port, root, path) != 0;
}

bool StartsWithWindows(DesktopPort& port, RegistryKey root) {
    const RegistryLocation location = SplitLocation(paths::kRunValue);
    const bool twin = HasPerUserTwin(root);
    return !TextAt(port, root, location).value_or(std::string()).empty() ||
           (twin && !TextAt(port, win::kHkeyCurrentUser, location).value_or(std::string()).empty());
}

}  // namespace tremolux
