#include "platform/sim/SimRegistry.h"

#include <algorithm>

#include "port/DesktopPort.h"

namespace tremolux::sim {

namespace {

char Fold(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The non-empty parts of a backslash-separated path.
std::vector<std::string_view> Parts(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const auto cut = path.find('\\');
        const std::string_view part = path.substr(0, cut);
        if (!part.empty()) parts.push_back(part);
        if (cut == std::string_view::npos) break;
        path.remove_prefix(cut + 1);
    }
    return parts;
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Fold(x) == Fold(y); });
}

std::vector<std::unique_ptr<SimRegistry::Key>>::iterator SimRegistry::FindSubkey(
    Key& key, std::string_view name) {
    return std::find_if(key.subkeys.begin(), key.subkeys.end(),
                        [&](const auto& sub) { return SameName(sub->name, name); });
}

std::vector<SimRegistry::Value>::iterator SimRegistry::FindValue(Key& key, std::string_view name) {
    return std::find_if(key.values.begin(), key.values.end(),
                        [&](const Value& value) { return SameName(value.name, name); });
}

void SimRegistry::StoreValue(Key& key, std::string_view name, std::uint32_t type,
                             std::vector<std::uint8_t> data) {
    auto it = FindValue(key, name);
    if (it == key.values.end()) {
        key.values.push_back({std::string(name), type, std::move(data)});
    } else {
        it->type = type;
        it->data = std::move(data);
    }
}

SimRegistry::SimRegistry()
    : machine_(std::make_unique<Key>()),
      user_(std::make_unique<Key>()),
      classes_(std::make_unique<Key>()) {
    machine_->name = "HKLM";
    user_->name = "HKCU";
    classes_->name = "HKCR";
}

SimRegistry::Key* SimRegistry::RootKey(RegistryKey root) const {
    if (root == win::kHkeyLocalMachine) return machine_.get();
    if (root == win::kHkeyCurrentUser) return user_.get();
    if (root == win::kHkeyClassesRoot) return classes_.get();
    return nullptr;
}

RegistryKey SimRegistry::RootOf(RegistryKey key) const {
    if (RootKey(key)) return key;
    auto it = handles_.find(key);
    return it == handles_.end() ? 0 : it->second.root;
}

bool SimRegistry::KeyExists(RegistryKey root, std::string_view subKey) const {
    return Find(root, subKey) != nullptr;
}

SimRegistry::Key* SimRegistry::Find(RegistryKey root, std::string_view path) const {
    Key* key = RootKey(root);
    for (std::string_view part : Parts(path)) {
        if (!key) break;
        auto it = FindSubkey(*key, part);
        key = it == key->subkeys.end() ? nullptr : it->get();
    }
    return key;
}

SimRegistry::Key* SimRegistry::FindOrCreate(RegistryKey root, std::string_view path) {
    Key* key = RootKey(root);
    if (!key) return nullptr;
    for (std::string_view part : Parts(path)) {
        auto it = FindSubkey(*key, part);
        if (it == key->subkeys.end()) {
            key->subkeys.push_back(std::make_unique<Key>());
            key->subkeys.back()->name = std::string(part);
            key = key->subkeys.back().get();
        } else {
            key = it->get();
        }
    }
    return key;
}

SimRegistry::Key* SimRegistry::Resolve(RegistryKey key) const {
    if (RootKey(key)) return RootKey(key);
    auto it = handles_.find(key);
    return it == handles_.end() ? nullptr : Find(it->second.root, it->second.path);
}

RegistryKey SimRegistry::NewHandle(RegistryKey root, std::string_view path) {
    const RegistryKey handle = nextHandle_++;
    handles_[handle] = {root, std::string(path)};
    return handle;
}

std::int32_t SimRegistry::Open(RegistryKey root, std::string_view subKey, RegistryKey* key) {
    if (!RootKey(root) || !key) return win::kErrorInvalidHandle;
    if (!Find(root, subKey)) return win::kErrorFileNotFound;
    *key = NewHandle(root, subKey);
    return win::kErrorSuccess;
}

std::int32_t SimRegistry::Create(RegistryKey root, std::string_view subKey, RegistryKey* key) {
    if (!RootKey(root) || !key) return win::kErrorInvalidHandle;
    FindOrCreate(root, subKey);
    *key = NewHandle(root, subKey);
    return win::kErrorSuccess;
}

std::int32_t SimRegistry::Query(RegistryKey key, std::string_view name, const Value** value) const {
    const bool known = RootKey(key) || handles_.count(key);
    if (!known) return win::kErrorInvalidHandle;
    Key* resolved = Resolve(key);
    if (!resolved) return win::kErrorKeyDeleted;
    auto it = FindValue(*resolved, name);
    if (it == resolved->values.end()) return win::kErrorFileNotFound;
    *value = &*it;
    return win::kErrorSuccess;
}

std::int32_t SimRegistry::Set(RegistryKey key, std::string_view name, std::uint32_t type,
                              std::vector<std::uint8_t> data) {
    if (!RootKey(key) && !handles_.count(key)) return win::kErrorInvalidHandle;
    Key* resolved = Resolve(key);
    if (!resolved) return win::kErrorKeyDeleted;
    StoreValue(*resolved, name, type, std::move(data));
    return win::kErrorSuccess;
}

std::int32_t SimRegistry::DeleteValue(RegistryKey key, std::string_view name) {
    if (!RootKey(key) && !handles_.count(key)) return win::kErrorInvalidHandle;
    Key* resolved = Resolve(key);
    if (!resolved) return win::kErrorKeyDeleted;
    auto it = FindValue(*resolved, name);
    if (it == resolved->values.end()) return win::kErrorFileNotFound;
    resolved->values.erase(it);
    return win::kErrorSuccess;
}

std::int32_t SimRegistry::DeleteKey(RegistryKey root, std::string_view subKey) {
    const std::vector<std::string_view> parts = Parts(subKey);
    if (!RootKey(root) && !handles_.count(root)) return win::kErrorInvalidHandle;
    if (parts.empty()) return win::kErrorAccessDenied;
    Key* parent = Resolve(root);
    for (std::size_t i = 0; parent && i + 1 < parts.size(); ++i) {
        auto it = FindSubkey(*parent, parts[i]);
        parent = it == parent->subkeys.end() ? nullptr : it->get();
    }
    if (!parent) return win::kErrorFileNotFound;
    auto it = FindSubkey(*parent, parts.back());
    if (it == parent->subkeys.end()) return win::kErrorFileNotFound;
    if (!(*it)->subkeys.empty()) return win::kErrorAccessDenied;
    parent->subkeys.erase(it);
    return win::kErrorSuccess;
}

std::int32_t SimRegistry::Close(RegistryKey key) {
    if (RootKey(key)) return win::kErrorSuccess;
    return handles_.erase(key) ? win::kErrorSuccess : win::kErrorInvalidHandle;
}

std::string SimRegistry::PathOf(RegistryKey key) const {
    if (const Key* root = RootKey(key)) return root->name;
    auto it = handles_.find(key);
    if (it == handles_.end()) return "?";
    std::string path = RootKey(it->second.root)->name;
    for (std::string_view part : Parts(it->second.path)) {
        path += '\\';
        path += part;
    }
    return path;
}

void SimRegistry::Put(RegistryKey root, std::string_view keyPath, std::string_view name,
                      std::uint32_t type, std::vector<std::uint8_t> data) {
    if (Key* key = FindOrCreate(root, keyPath)) StoreValue(*key, name, type, std::move(data));
}

void SimRegistry::Remove(RegistryKey root, std::string_view path) {
    const auto cut = path.rfind('\\');
    const std::string_view keyPath = cut == std::string_view::npos ? "" : path.substr(0, cut);
    const std::string_view name = cut == std::string_view::npos ? path : path.substr(cut + 1);
    if (Key* key = Find(root, keyPath)) {
        auto it = FindValue(*key, name);
        if (it != key->values.end()) {
            key->values.erase(it);
            return;
        }
        auto sub = FindSubkey(*key, name);
        if (sub != key->subkeys.end()) key->subkeys.erase(sub);
    }
}

std::vector<std::string> SimRegistry::Describe(
    const std::function<std::string(std::uint32_t, const std::vector<std::uint8_t>&)>& data) const {
    std::vector<std::string> lines;
    const std::function<void(const Key&, const std::string&)> walk = [&](const Key& key,
                                                                         const std::string& path) {
        if (key.values.empty() && key.subkeys.empty()) lines.push_back("registry " + path + " key");
        for (const Value& value : key.values)
            lines.push_back("registry " + path + "\\" + value.name + " " +
                            data(value.type, value.data));
        for (const auto& sub : key.subkeys) walk(*sub, path + "\\" + sub->name);
    };
    for (const Key* root : {machine_.get(), user_.get(), classes_.get()})
        for (const auto& sub : root->subkeys) walk(*sub, root->name + "\\" + sub->name);
    return lines;
}

}  // namespace tremolux::sim
