#include "platform/user_directories.h"

#include <glib.h>

namespace quillet::platform {

std::filesystem::path user_config_directory()
{
    return g_get_user_config_dir();
}

std::filesystem::path user_data_directory()
{
    return g_get_user_data_dir();
}

}
