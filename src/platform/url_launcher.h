#pragma once

#include <string>

namespace quillet::platform {

// Hands `address` to the desktop's default handler for its scheme. Returns false when no handler
// took it; nothing of this program has to stay open for it.
bool open_with_default_handler(const std::string& address);

}
