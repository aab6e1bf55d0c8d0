#pragma once

#include "platform/glib_ptr.h"

#include <glibmm/ustring.h>

#include <string>
#include <string_view>

namespace quillet::platform {

// A C string that may be null, as std::string; null gives "".
inline std::string to_string(const char* nullable)
{
    return nullable ? std::string(nullable) : std::string();
}

// A g_free'd string handed over by GLib; null gives "".
inline std::string to_string(const GCharPtr& owned)
{
    return to_string(owned.get());
}

inline std::string to_string(const Glib::ustring& text)
{
    return text.raw();
}

inline Glib::ustring to_ustring(std::string_view text)
{
    return Glib::ustring(text.data(), text.data() + text.size());
}

// For C parameters where null means "none": an empty string gives null.
inline const char* nullable_c_str(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
}

}
