#pragma once

#include <chrono>
#include <functional>

namespace quillet::test {

// Runs the default GLib main context until `done` returns true or `timeout` passes.
// Returns whether `done` became true; a test asserts on it, so a lost event fails instead of hanging.
bool pump_until(const std::function<bool()>& done,
                std::chrono::milliseconds timeout = std::chrono::seconds(20));

// Runs the default main context for a fixed time, for checks that something does NOT happen.
void pump_for(std::chrono::milliseconds duration);

}
