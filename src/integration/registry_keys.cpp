#include "integration/registry_keys.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace quillet {

namespace {

constexpr std::size_t kMaxNameLength = 255;
constexpr std::size_t kMaxDepth = 512;

std::string folded(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return result;
}

// The length of each name of `path`, or nothing when the path is not a valid key path.
std::optional<std::vector<std::size_t>> name_lengths(std::string_view path)
{
    std::vector<std::size_t> lengths;
    if (path.empty())
        return lengths;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        const std::size_t length = end - start;
        if (length == 0 || length > kMaxNameLength || lengths.size() == kMaxDepth)
            return std::nullopt;
        lengths.push_back(length);
        if (end == path.size())
            return lengths;
        start = end + 1;
    }
}

bool is_valid_path(std::string_view path)
{
    return name_lengths(path).has_value();
}

template <typename Values>
auto value_named(Values& values, std::string_view name)
{
    const std::string wanted = folded(name);
    return std::find_if(values.begin(), values.end(),
                        [&](const RegistryValue& value) { return folded(value.name) == wanted; });
}

}

RegistryKeys::RegistryKeys()
{
    m_keys.emplace(std::string(), RegistryKey{});
}

bool RegistryKeys::create_key(std::string_view path)
{
    const auto lengths = name_lengths(path);
    if (!lengths)
        return false;
    std::size_t start = 0;
    std::string parent_spelling;
    for (const std::size_t length : *lengths) {
        const std::string_view name = path.substr(start, length);
        std::string spelling = parent_spelling.empty() ? std::string(name) : parent_spelling + '\\' + std::string(name);
        const auto key = m_keys.try_emplace(folded(spelling), RegistryKey{spelling, {}}).first;
        parent_spelling = key->second.path;
        start += length + 1;
    }
    return true;
}

const RegistryKey* RegistryKeys::find(std::string_view path) const
{
    if (!is_valid_path(path))
        return nullptr;
    const auto found = m_keys.find(folded(path));
    return found == m_keys.end() ? nullptr : &found->second;
}

const RegistryValue* RegistryKeys::find_value(std::string_view path, std::string_view name) const
{
    const RegistryKey* key = find(path);
    if (key == nullptr)
        return nullptr;
    const auto existing = value_named(key->values, name);
    return existing == key->values.end() ? nullptr : &*existing;
}

RegistryKey* RegistryKeys::find_key(std::string_view path)
{
    return const_cast<RegistryKey*>(std::as_const(*this).find(path));
}

bool RegistryKeys::set_value(std::string_view path, std::string_view name, std::string_view data)
{
    RegistryKey* key = find_key(path);
    if (key == nullptr)
        return false;
    const auto existing = value_named(key->values, name);
    if (existing != key->values.end())
        existing->data = data;
    else
        key->values.push_back({std::string(name), std::string(data)});
    return true;
}

bool RegistryKeys::delete_value(std::string_view path, std::string_view name)
{
    RegistryKey* key = find_key(path);
    if (key == nullptr)
        return false;
    const auto existing = value_named(key->values, name);
    if (existing == key->values.end())
        return false;
    key->values.erase(existing);
    return true;
}

bool RegistryKeys::delete_key(std::string_view path)
{
    if (path.empty() || !is_valid_path(path))
        return false;
    const std::string key = folded(path);
    const auto found = m_keys.find(key);
    if (found == m_keys.end())
        return false;
    const std::string subkey_prefix = key + '\\';
    const auto next = m_keys.lower_bound(subkey_prefix);
    if (next != m_keys.end() && next->first.starts_with(subkey_prefix))
        return false;
    m_keys.erase(found);
    return true;
}

std::vector<const RegistryKey*> RegistryKeys::keys() const
{
    std::vector<const RegistryKey*> result;
    result.reserve(m_keys.size());
    for (const auto& entry : m_keys)
        result.push_back(&entry.second);
    return result;
}

}
