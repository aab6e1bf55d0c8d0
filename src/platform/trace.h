#pragma once

#include <chrono>
#include <string_view>

namespace quillet::platform {

// Logs one step and how long it took through GLib's logging, in the "Quillet" domain: shown with
// G_MESSAGES_DEBUG=Quillet (or all), silent otherwise.
void trace_step(std::string_view step, std::chrono::steady_clock::duration duration);

}
