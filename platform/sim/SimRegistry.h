// An in-memory registry with the platform's rules: key and value names are
// case-insensitive and keep the case of their first write, a plain key
// delete is refused while the key has subkeys, and an open key is a path
// that is looked up afresh by every call.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "port/Types.h"

namespace tremolux::sim {

class SimRegistry {
public:
    struct Value {
        std::string name;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };

    SimRegistry();

    // Status codes are the Win32 ones.
    std::int32_t Open(RegistryKey root, std::string_view subKey, RegistryKey* key);
    std::int32_t Create(RegistryKey root, std::string_view subKey, RegistryKey* key);
    std::int32_t Query(RegistryKey key, std::string_view name, const Value** value) const;
    std::int32_t Set(RegistryKey key, std::string_view name, std::uint32_t type,
                     std::vector<std::uint8_t> data);
    std::int32_t DeleteValue(RegistryKey key, std::string_view name);
    std::int32_t DeleteKey(RegistryKey root, std::string_view subKey);
    std::int32_t Close(RegistryKey key);

    // The path an open key was opened with, for the trace: "HKLM\sub\key".
    std::string PathOf(RegistryKey key) const;
    // The predefined root a key is, or was opened under; 0 for none.
    RegistryKey RootOf(RegistryKey key) const;
    bool KeyExists(RegistryKey root, std::string_view subKey) const;

    // Outside changes: create the keys along the way and set a value; delete a
    // value or, when the path names a key, the key with everything under it.
    void Put(RegistryKey root, std::string_view keyPath, std::string_view name, std::uint32_t type,
             std::vector<std::uint8_t> data);
    void Remove(RegistryKey root, std::string_view path);

    // Every key and value, depth first, as "registry PATH TYPE DATA" lines;
    // an empty key as "registry PATH key".
    std::vector<std::string> Describe(
        const std::function<std::string(std::uint32_t, const std::vector<std::uint8_t>&)>& data)
        const;

private:
    struct Key {
        std::string name;
        std::vector<std::unique_ptr<Key>> subkeys;
        std::vector<Value> values;
    };
    struct Handle {
        RegistryKey root;
        std::string path;
    };

    static std::vector<std::unique_ptr<Key>>::iterator FindSubkey(Key& key, std::string_view name);
    static std::vector<Value>::iterator FindValue(Key& key, std::string_view name);
    static void StoreValue(Key& key, std::string_view name, std::uint32_t type,
                           std::vector<std::uint8_t> data);
    Key* RootKey(RegistryKey root) const;
    Key* Find(RegistryKey root, std::string_view path) const;
    Key* FindOrCreate(RegistryKey root, std::string_view path);
    Key* Resolve(RegistryKey key) const;
    RegistryKey NewHandle(RegistryKey root, std::string_view path);

    std::unique_ptr<Key> machine_;
    std::unique_ptr<Key> user_;
    std::unique_ptr<Key> classes_;
    std::map<RegistryKey, Handle> handles_;
    RegistryKey nextHandle_ = 0x100;
};

bool SameName(std::string_view a, std::string_view b);

}  // namespace tremolux::sim
