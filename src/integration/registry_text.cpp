#include "integration/registry_text.h"

#include "analysis/url_helpers.h"

#include <algorithm>
#include <optional>

namespace quillet {

namespace {

constexpr std::string_view kHeader = "# Registry keys as \"[key path]\", their values as \"name=data\".\n";

bool needs_escape(unsigned char c)
{
    return c < 0x20 || c == 0x7F || c == '%' || c == '=' || c == '[' || c == '#';
}

std::string escaped(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (needs_escape(byte))
            append_percent_encoded(result, byte);
        else
            result += c;
    }
    return result;
}

std::string escaped_path(std::string_view path)
{
    std::string result;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = path.find('\\', start);
        result += escaped(path.substr(start, end - start));
        if (end == std::string_view::npos)
            return result;
        result += '\\';
        start = end + 1;
    }
}

// Nothing when an escaped name hides a "\", which would change the key's depth.
std::optional<std::string> unescaped_path(std::string_view text)
{
    std::string result;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\\', start);
        const std::string name = percent_decoded(text.substr(start, end - start));
        if (name.find('\\') != std::string::npos)
            return std::nullopt;
        result += name;
        if (end == std::string_view::npos)
            return result;
        result += '\\';
        start = end + 1;
    }
}

std::string_view without_line_end(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

}

std::string registry_text(const RegistryKeys& keys)
{
    std::string text(kHeader);
    for (const RegistryKey* key : keys.keys()) {
        if (key->path.empty() && key->values.empty())
            continue;
        text += '[' + escaped_path(key->path) + "]\n";
        for (const RegistryValue& value : key->values)
            text += escaped(value.name) + '=' + escaped(value.data) + '\n';
    }
    return text;
}

RegistryKeys parse_registry_text(std::string_view text)
{
    RegistryKeys keys;
    std::optional<std::string> current_key;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = without_line_end(text.substr(start, end - start));
        start = end + 1;

        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            current_key = unescaped_path(line.substr(1, line.size() - 2));
            if (current_key && !keys.create_key(*current_key))
                current_key.reset();
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current_key && equals != std::string_view::npos)
            keys.set_value(*current_key, percent_decoded(line.substr(0, equals)),
                           percent_decoded(line.substr(equals + 1)));
    }
    return keys;
}

}
