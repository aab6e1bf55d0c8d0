#include "integration/registry_store.h"

#include "integration/registry_text.h"
#include "platform/atomic_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

namespace quillet {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRootFileName = "registry";
const fs::path kSystemConfigDirectory = "/etc/xdg";

// The product name becomes one folder name, whatever characters it holds.
std::string folder_name(std::string_view product_name)
{
    std::string name(product_name);
    std::replace(name.begin(), name.end(), '/', '_');
    std::replace(name.begin(), name.end(), '\0', '_');
    if (name.empty() || name == "." || name == "..")
        name = "_" + name;
    return name;
}

std::optional<std::string> read_whole_file(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return std::nullopt;
    std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        return std::nullopt;
    return content;
}

}

RegistryLocations registry_locations(std::string_view product_name, const fs::path& user_config_home)
{
    const std::string folder = folder_name(product_name);
    return {kSystemConfigDirectory / folder, user_config_home / folder};
}

RegistryStore::RegistryStore(RegistryLocations locations)
    : m_locations(std::move(locations))
{
}

fs::path RegistryStore::file_of(RegistryRoot root) const
{
    const fs::path& folder = root == RegistryRoot::LocalMachine ? m_locations.local_machine : m_locations.current_user;
    return folder / kRootFileName;
}

std::optional<RegistryKeys> RegistryStore::load(RegistryRoot root) const
{
    const fs::path file = file_of(root);
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found)
        return RegistryKeys{};
    if (error || status.type() != fs::file_type::regular)
        return std::nullopt;
    const auto text = read_whole_file(file);
    if (!text)
        return std::nullopt;
    return parse_registry_text(*text);
}

bool RegistryStore::change(RegistryRoot root, const std::function<bool(RegistryKeys&)>& operation)
{
    auto keys = load(root);
    if (!keys || !operation(*keys))
        return false;
    const fs::path file = file_of(root);
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    if (error)
        return false;
    return platform::replace_file_contents(file, {registry_text(*keys)}).ok();
}

bool RegistryStore::create_key(RegistryRoot root, std::string_view key_path)
{
    return change(root, [&](RegistryKeys& keys) { return keys.create_key(key_path); });
}

bool RegistryStore::set_value(RegistryRoot root, std::string_view key_path, std::string_view value_name,
                              std::string_view data)
{
    return change(root, [&](RegistryKeys& keys) { return keys.set_value(key_path, value_name, data); });
}

bool RegistryStore::delete_value(RegistryRoot root, std::string_view key_path, std::string_view value_name)
{
    return change(root, [&](RegistryKeys& keys) { return keys.delete_value(key_path, value_name); });
}

bool RegistryStore::delete_key(RegistryRoot root, std::string_view key_path)
{
    return change(root, [&](RegistryKeys& keys) { return keys.delete_key(key_path); });
}

std::optional<std::vector<RegistryValue>> RegistryStore::values(RegistryRoot root, std::string_view key_path) const
{
    const auto keys = load(root);
    const RegistryKey* key = keys ? keys->find(key_path) : nullptr;
    if (key == nullptr)
        return std::nullopt;
    return key->values;
}

std::optional<std::string> RegistryStore::value(RegistryRoot root, std::string_view key_path,
                                                std::string_view value_name) const
{
    const auto keys = load(root);
    const RegistryValue* found = keys ? keys->find_value(key_path, value_name) : nullptr;
    if (found == nullptr)
        return std::nullopt;
    return found->data;
}

}
