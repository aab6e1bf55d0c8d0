#include "support/main_loop.h"

#include <glib.h>

namespace quillet::test {

namespace {

// Some conditions watch what no source of the loop reports (a file another process writes, a
// child's exit): the loop wakes this often to look again.
constexpr guint kLookAgainMilliseconds = 5;

gboolean keep_waking(gpointer) { return G_SOURCE_CONTINUE; }

}

// Blocks in the loop rather than polling it, so that an answer from the engine or the test server
// is handled the moment it arrives.
bool pump_until(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    const guint waker = g_timeout_add(kLookAgainMilliseconds, keep_waking, nullptr);
    bool reached = done();
    while (!reached && std::chrono::steady_clock::now() < deadline) {
        g_main_context_iteration(nullptr, TRUE);
        reached = done();
    }
    g_source_remove(waker);
    return reached;
}

void pump_for(std::chrono::milliseconds duration)
{
    pump_until([] { return false; }, duration);
}

}
