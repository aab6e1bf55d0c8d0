#include "support/isolated_environment.h"

#include <glib.h>

#include <cstdlib>
#include <string>

// GLib reads the user's directories once and keeps them; this is how its own tests give each case
// fresh ones (exported since GLib 2.60, declared in a header GLib does not install).
extern "C" void g_set_user_dirs(const gchar* first_dir_type, ...) G_GNUC_NULL_TERMINATED;

namespace quillet::test {

namespace {

// The system's data folders, as the process found them before the first test moved XDG_DATA_DIRS.
const std::string& system_data_dirs()
{
    static const std::string dirs = [] {
        const char* found = std::getenv("XDG_DATA_DIRS");
        return std::string(found != nullptr && *found != '\0' ? found : "/usr/local/share:/usr/share");
    }();
    return dirs;
}

}

IsolatedEnvironment::IsolatedEnvironment()
{
    for (const auto& dir : {home(), config_home(), data_home(), cache_home(), runtime_dir(), program_dir(),
                            system_data_dir()})
        std::filesystem::create_directories(dir);
    std::filesystem::permissions(runtime_dir(), std::filesystem::perms::owner_all);

    setenv("HOME", home().c_str(), 1);
    setenv("XDG_CONFIG_HOME", config_home().c_str(), 1);
    setenv("XDG_DATA_HOME", data_home().c_str(), 1);
    setenv("XDG_CACHE_HOME", cache_home().c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime_dir().c_str(), 1);
    // The toolkit still finds its schemas, icons and MIME types in the system's folders.
    const std::string data_dirs = system_data_dir().string() + ":" + system_data_dirs();
    setenv("XDG_DATA_DIRS", data_dirs.c_str(), 1);
    gchar** data_dir_list = g_strsplit(data_dirs.c_str(), ":", -1);
    g_set_user_dirs("HOME", home().c_str(), "XDG_CONFIG_HOME", config_home().c_str(), "XDG_DATA_HOME",
                    data_home().c_str(), "XDG_CACHE_HOME", cache_home().c_str(), "XDG_RUNTIME_DIR",
                    runtime_dir().c_str(), "XDG_DATA_DIRS", data_dir_list, nullptr);
    g_strfreev(data_dir_list);
    // Pictures of text come out alike on every machine: the project's own fonts, not the system's.
    // The engine's sandboxed web processes see the user's fontconfig folder, so it lives there.
    const auto fonts_conf = config_home() / "fontconfig" / "fonts.conf";
    std::filesystem::create_directories(fonts_conf.parent_path());
    std::filesystem::copy_file(QUILLET_TEST_FONTS_CONF, fonts_conf);
    setenv("FONTCONFIG_FILE", fonts_conf.c_str(), 1);
    // Keep the accessibility and session buses out of the test.
    setenv("GTK_A11Y", "none", 1);
    setenv("WEBKIT_A11Y_BUS_ADDRESS", "", 1);
    setenv("NO_AT_BRIDGE", "1", 1);
}

}
