#include "integration/registry_strings.h"

namespace quillet {

namespace {

std::string_view stored_value_name(std::string_view value_name)
{
    return value_name == "*" ? std::string_view() : value_name;
}

}

std::string TrimKeyPath(std::string_view key_path)
{
    if (key_path.starts_with('\\'))
        key_path.remove_prefix(1);
    if (key_path.ends_with('\\'))
        key_path.remove_suffix(1);
    return std::string(key_path);
}

bool SetRegString(RegistryStore& store, RegistryRoot root, std::string_view key_path, std::string_view value_name,
                  std::string_view value)
{
    const std::string key = TrimKeyPath(key_path);
    return store.create_key(root, key) && store.set_value(root, key, stored_value_name(value_name), value);
}

bool DeleteRegEntry(RegistryStore& store, RegistryRoot root, std::string_view key_path, std::string_view value_name)
{
    if (value_name.empty())
        return store.delete_key(root, key_path);
    return store.delete_value(root, TrimKeyPath(key_path), stored_value_name(value_name));
}

}
