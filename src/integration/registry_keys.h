#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// One string value of a key; the empty name is the key's default (unnamed) value.
struct RegistryValue {
    std::string name;
    std::string data;

    bool operator==(const RegistryValue&) const = default;
};

struct RegistryKey {
    std::string path; // names joined by "\", spelled as when first created
    std::vector<RegistryValue> values; // in order of creation

    bool operator==(const RegistryKey&) const = default;
};

// The keys of one registry root in memory. Paths are names joined by "\" (the empty path is the
// root itself); names and value names compare without regard to ASCII letter case. A path with an
// empty name, a name longer than 255 characters or more than 512 levels is refused, so no
// operation on it succeeds.
class RegistryKeys {
public:
    RegistryKeys();

    // Creates the key and every missing key above it; an existing key is merely opened.
    bool create_key(std::string_view path);
    const RegistryKey* find(std::string_view path) const;
    const RegistryValue* find_value(std::string_view path, std::string_view name) const;

    // The key must exist. Overwriting keeps the value's place among the others.
    bool set_value(std::string_view path, std::string_view name, std::string_view data);
    bool delete_value(std::string_view path, std::string_view name);

    // Deletes the key with its values. A key that has subkeys is not deleted, so no call can wipe a
    // whole tree; the root cannot be deleted.
    bool delete_key(std::string_view path);

    // Every key, parents before their subkeys.
    std::vector<const RegistryKey*> keys() const;

private:
    RegistryKey* find_key(std::string_view path);

    std::map<std::string, RegistryKey> m_keys; // by case-folded path
};

}
