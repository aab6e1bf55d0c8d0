#include "platform/settings_store.h"

#include "platform/atomic_file.h"
#include "platform/glib_ptr.h"
#include "platform/string_conversions.h"
#include "platform/user_directories.h"

#include <glib.h>

#include <algorithm>

namespace quillet::platform {

namespace {

struct KeyFileUnref {
    void operator()(GKeyFile* file) const { g_key_file_unref(file); }
};
using KeyFilePtr = std::unique_ptr<GKeyFile, KeyFileUnref>;

constexpr const char* kFileName = "settings.ini";
constexpr const char* kUnreadableSuffix = ".unreadable";

// The application name as one directory name: it comes from the version resource, which anyone
// can relabel, so it must not reach outside the configuration directory.
std::string directory_name_of(const std::string& application)
{
    std::string name = application;
    std::replace(name.begin(), name.end(), '/', '_');
    if (name.empty() || name == "." || name == "..")
        name = "_" + name;
    return name;
}

bool is_damaged(const GErrorHolder& error)
{
    return error.matches(G_KEY_FILE_ERROR, G_KEY_FILE_ERROR_PARSE)
           || error.matches(G_KEY_FILE_ERROR, G_KEY_FILE_ERROR_UNKNOWN_ENCODING);
}

// The key file at `path` to be changed: a fresh one when there is none yet. A damaged file is
// moved aside (never lost) and replaced; an unreadable one gives nothing.
KeyFilePtr load_for_update(const std::filesystem::path& path)
{
    KeyFilePtr file(g_key_file_new());
    GErrorHolder error;
    const auto flags = static_cast<GKeyFileFlags>(G_KEY_FILE_KEEP_COMMENTS | G_KEY_FILE_KEEP_TRANSLATIONS);
    if (g_key_file_load_from_file(file.get(), path.c_str(), flags, error.out())
        || error.matches(G_FILE_ERROR, G_FILE_ERROR_NOENT))
        return file;
    if (!is_damaged(error))
        return nullptr;

    std::error_code rename_error;
    std::filesystem::rename(path, path.string() + kUnreadableSuffix, rename_error);
    return rename_error ? nullptr : KeyFilePtr(g_key_file_new());
}

}

SettingsStore::SettingsStore(std::filesystem::path config_home)
    : m_config_home(std::move(config_home))
{
}

std::string SettingsStore::get(const std::string& application, const std::string& section, const std::string& key,
                               const std::string& default_value) const
{
    KeyFilePtr file(g_key_file_new());
    if (!g_key_file_load_from_file(file.get(), file_of(application).c_str(), G_KEY_FILE_NONE, nullptr))
        return default_value;
    const GCharPtr value(g_key_file_get_string(file.get(), section.c_str(), key.c_str(), nullptr));
    return value ? to_string(value) : default_value;
}

bool SettingsStore::set(const std::string& application, const std::string& section, const std::string& key,
                        const std::string& value)
{
    const auto path = file_of(application);
    std::error_code directory_error;
    std::filesystem::create_directories(path.parent_path(), directory_error);
    if (directory_error)
        return false;

    const auto file = load_for_update(path);
    if (!file)
        return false;
    g_key_file_set_string(file.get(), section.c_str(), key.c_str(), value.c_str());

    gsize length = 0;
    const GCharPtr data(g_key_file_to_data(file.get(), &length, nullptr));
    return replace_file_contents(path, {std::string_view(data.get(), length)}).ok();
}

std::filesystem::path SettingsStore::file_of(const std::string& application) const
{
    return m_config_home / directory_name_of(application) / kFileName;
}

std::filesystem::path SettingsStore::default_config_home()
{
    return user_config_directory();
}

}
