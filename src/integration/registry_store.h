#pragma once

#include "integration/registry_keys.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

enum class RegistryRoot {
    LocalMachine, // for every user of the computer
    CurrentUser,
};

// The folder that holds each root's file.
struct RegistryLocations {
    std::filesystem::path local_machine;
    std::filesystem::path current_user;
};

// The machine-wide root lives under the system configuration folder, so only a user with the
// rights to write there changes it; the user's root lives under `user_config_home`.
RegistryLocations registry_locations(std::string_view product_name, const std::filesystem::path& user_config_home);

// A persistent store with the registry's semantics, one file per root. Every change reads the
// root's file afresh and replaces it atomically, so several stores and processes may share it.
// Nothing throws and nothing is reported: an operation that cannot be carried out, for want of
// rights or because the root's file cannot be read, changes nothing and returns false.
class RegistryStore {
public:
    explicit RegistryStore(RegistryLocations locations);

    // Creates the key with every missing key above it, or opens it when it exists.
    bool create_key(RegistryRoot root, std::string_view key_path);
    // The key must exist; an empty value name is the key's default value.
    bool set_value(RegistryRoot root, std::string_view key_path, std::string_view value_name, std::string_view data);
    bool delete_value(RegistryRoot root, std::string_view key_path, std::string_view value_name);
    // Deletes the key with its values; fails on a key that has subkeys.
    bool delete_key(RegistryRoot root, std::string_view key_path);

    // The key's values in order of creation; nothing when the key does not exist.
    std::optional<std::vector<RegistryValue>> values(RegistryRoot root, std::string_view key_path) const;
    std::optional<std::string> value(RegistryRoot root, std::string_view key_path, std::string_view value_name) const;

    std::filesystem::path file_of(RegistryRoot root) const;

private:
    // Nothing when the root's file exists but cannot be read.
    std::optional<RegistryKeys> load(RegistryRoot root) const;
    bool change(RegistryRoot root, const std::function<bool(RegistryKeys&)>& operation);

    RegistryLocations m_locations;
};

}
