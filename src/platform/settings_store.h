#pragma once

#include <filesystem>
#include <string>

namespace quillet::platform {

// The per-user settings store: string values by application, section and key, one key file per
// application under the user's configuration directory. Writes replace the file atomically.
class SettingsStore {
public:
    // `config_home` defaults to the user's XDG configuration directory.
    explicit SettingsStore(std::filesystem::path config_home = default_config_home());

    std::string get(const std::string& application, const std::string& section, const std::string& key,
                     const std::string& default_value) const;
    // Returns false when the value could not be stored.
    bool set(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value);

    std::filesystem::path file_of(const std::string& application) const;

    static std::filesystem::path default_config_home();

private:
    std::filesystem::path m_config_home;
};

}
