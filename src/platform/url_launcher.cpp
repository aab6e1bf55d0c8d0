#include "platform/url_launcher.h"

#include "platform/glib_ptr.h"

#include <gio/gio.h>

namespace quillet::platform {

bool open_with_default_handler(const std::string& address)
{
    GErrorHolder error;
    return g_app_info_launch_default_for_uri(address.c_str(), nullptr, error.out());
}

}
