#pragma once

#include <string>
#include <vector>

namespace quillet::bench {

// Starts `command` with G_MESSAGES_DEBUG=Quillet and returns the seconds until a line of its
// standard error or output holds `wanted`; the process is ended then.
double time_until_line(const std::vector<std::string>& command, const std::string& wanted);

}
