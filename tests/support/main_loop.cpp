#include "support/main_loop.h"

#include <glib.h>

namespace quillet::test {

bool pump_until(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        if (!g_main_context_iteration(nullptr, FALSE))
            g_usleep(1000);
    }
    return true;
}

void pump_for(std::chrono::milliseconds duration)
{
    pump_until([] { return false; }, duration);
}

}
