#include "settings/Settings.h"

#include <vector>

namespace tremolux {

namespace {

constexpr const char* kCleanUpQuestion =
    "本功能是帮助您在卸载软件前清除\r\n任何本软件留下的注册表信息。\r\n这将删除您的所有个性设定。"
    "\r\n\r\n您确认要执行这项功能嘛？";
constexpr const char* kCleanUpCaption = "请确认您的操作！";
constexpr const char* kCleanUpDone =
    "注册表清理完毕，您可以放心删除本软件了。\r\n给您造成不便，请多提意见，感谢您的使用！";
constexpr const char* kCleanUpRefused =
    "注册表信息未能全部清除，您可能没有管理员权限。\r\n请以管理员身份运行本软件，再执行这项功能。";
constexpr const char* kInformationCaption = "信息：";

// Registry values are small; a text larger than this is not read at all.
constexpr std::uint32_t kMaxTextBytes = 1u << 20;
// The size can change between two queries when another program writes the
// value meanwhile; after this many tries the text counts as unreadable.
constexpr int kReadTries = 4;
// The longest path Windows can hand out is 32,767 UTF-16 units, at most
// three UTF-8 bytes each.
constexpr std::uint32_t kMaxPathBytes = 32767 * 3 + 1;

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
    if (port.RegQueryValueExA(key, name, &type, nullptr, &size) != win::kErrorSuccess) return false;
    for (int attempt = 0; attempt < kReadTries; ++attempt) {
        if (size > kMaxTextBytes) return false;
        data.assign(size, 0);
        std::uint32_t got = size;
        const std::int32_t status = port.RegQueryValueExA(key, name, &type, data.data(), &got);
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
        const std::uint32_t needed = port.ExpandEnvironmentStringsA(
            source.c_str(), reinterpret_cast<char*>(buffer.data()), size);
        if (needed == 0) return std::nullopt;
        if (needed <= size) return TextOf(buffer, needed);
        size = needed;
    }
    return std::nullopt;
}

bool NotThere(std::int32_t status) {
    constexpr std::int32_t kErrorPathNotFound = 3;
    return status == win::kErrorFileNotFound || status == kErrorPathNotFound;
}

bool OpenForReading(DesktopPort& port, RegistryKey root, const std::string& key, OpenKey& open) {
    return port.RegOpenKeyExA(root, key.c_str(), win::kKeyRead, open.Out()) == win::kErrorSuccess;
}

// Open for writing, or create with any missing parents.
bool OpenForWriting(DesktopPort& port, RegistryKey root, const std::string& key, OpenKey& open) {
    return port.RegOpenKeyExA(root, key.c_str(), win::kKeyWrite, open.Out()) ==
               win::kErrorSuccess ||
           port.RegCreateKeyExA(root, key.c_str(), win::kKeyWrite, open.Out()) ==
               win::kErrorSuccess;
}

}  // namespace

RegistryLocation SplitLocation(std::string_view path) {
    const auto cut = path.rfind('\\');
    if (cut == std::string_view::npos) return {std::string(), std::string(path)};
    return {std::string(path.substr(0, cut)), std::string(path.substr(cut + 1))};
}

std::uint32_t ReadNumber(DesktopPort& port, RegistryKey root, std::string_view path,
                         std::uint32_t fallback) {
    const RegistryLocation location = SplitLocation(path);
    OpenKey key(port);
    if (!OpenForReading(port, root, location.key, key)) return fallback;
    std::uint32_t type = 0;
    std::uint8_t data[4] = {};
    std::uint32_t size = sizeof data;
    const std::int32_t status =
        port.RegQueryValueExA(key.Get(), location.valueName.c_str(), &type, data, &size);
    if (status != win::kErrorSuccess || type != win::kRegDword || size != sizeof data)
        return fallback;
    return static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
           static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

std::string ReadText(DesktopPort& port, RegistryKey root, std::string_view path,
                     std::string_view fallback) {
    const RegistryLocation location = SplitLocation(path);
    OpenKey key(port);
    if (!OpenForReading(port, root, location.key, key)) return std::string(fallback);
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    if (!QueryWhole(port, key.Get(), location.valueName.c_str(), type, data))
        return std::string(fallback);
    if (type == win::kRegSz) return TextOf(data, data.size());
    if (type != win::kRegExpandSz) return std::string(fallback);
    return Expand(port, TextOf(data, data.size())).value_or(std::string(fallback));
}

bool WriteValue(DesktopPort& port, RegistryKey root, std::string_view path, std::uint32_t number) {
    const RegistryLocation location = SplitLocation(path);
    OpenKey key(port);
    if (!OpenForWriting(port, root, location.key, key)) return false;
    const std::uint8_t data[4] = {
        static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
        static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
    return port.RegSetValueExA(key.Get(), location.valueName.c_str(), win::kRegDword, data,
                               sizeof data) == win::kErrorSuccess;
}

bool WriteValue(DesktopPort& port, RegistryKey root, std::string_view path, std::string_view text) {
    const RegistryLocation location = SplitLocation(path);
    OpenKey key(port);
    if (!OpenForWriting(port, root, location.key, key)) return false;
    return port.RegSetValueExW(key.Get(), location.valueName.c_str(), win::kRegSz,
                               std::string(text).c_str()) == win::kErrorSuccess;
}

DeleteOutcome DeleteValueOrKey(DesktopPort& port, RegistryKey root, std::string_view path) {
    const RegistryLocation location = SplitLocation(path);
    bool absent = true;
    {
        OpenKey key(port);
        const std::int32_t opened =
            port.RegOpenKeyExA(root, location.key.c_str(), win::kKeyWrite, key.Out());
        if (opened == win::kErrorSuccess) {
            const std::int32_t deleted =
                port.RegDeleteValueA(key.Get(), location.valueName.c_str());
            if (deleted == win::kErrorSuccess) return DeleteOutcome::Deleted;
            absent = NotThere(deleted);
        } else {
            absent = NotThere(opened);
        }
    }
    const std::int32_t deleted = port.RegDeleteKeyA(root, std::string(path).c_str());
    if (deleted == win::kErrorSuccess) return DeleteOutcome::Deleted;
    return absent && NotThere(deleted) ? DeleteOutcome::Absent : DeleteOutcome::Refused;
}

std::optional<std::string> ProgramPath(DesktopPort& port) {
    for (std::uint32_t size = 260; size <= kMaxPathBytes; size *= 2) {
        std::vector<char> buffer(size, '\0');
        const std::uint32_t length = port.GetModuleFileNameW(buffer.data(), size);
        if (length == 0) return std::nullopt;
        if (length < size) return std::string(buffer.data(), length);
    }
    return std::nullopt;
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

std::int32_t StartupOperationMode(DesktopPort& port) {
    return ReadNumber(port, win::kHkeyLocalMachine, paths::kOperationMode, 1) == 1 ? 1 : 2;
}

bool EffectSwitchedOff(DesktopPort& port, Effect effect) {
    const char* path = effect == Effect::Maximize ? paths::kNoMaxRead : paths::kNoMinRead;
    return ReadNumber(port, win::kHkeyLocalMachine, path) != 0;
}

bool StartsWithWindows(DesktopPort& port) {
    return !ReadText(port, win::kHkeyLocalMachine, paths::kRunValue).empty();
}

void CleanUpSettings(ProgramState&, DesktopPort& port) {
    if (port.MessageBoxA(kCleanUpQuestion, kCleanUpCaption, win::kMbYesNo | win::kMbTaskModal) !=
        win::kIdYes)
        return;
    const DeleteOutcome settings =
        DeleteValueOrKey(port, win::kHkeyLocalMachine, paths::kSettingsKey);
    const DeleteOutcome run = DeleteValueOrKey(port, win::kHkeyLocalMachine, paths::kRunValue);
    const bool gone = settings != DeleteOutcome::Refused && run != DeleteOutcome::Refused;
    port.MessageBoxA(gone ? kCleanUpDone : kCleanUpRefused, kInformationCaption,
                     win::kMbOk | win::kMbTaskModal);
}

}  // namespace tremolux
