#include "platform/trace.h"

#include <glib.h>

#include <string>

namespace quillet::platform {

void trace_step(std::string_view step, std::chrono::steady_clock::duration duration)
{
    const double milliseconds = std::chrono::duration<double, std::milli>(duration).count();
    g_log("Quillet", G_LOG_LEVEL_DEBUG, "%s: %.1f ms", std::string(step).c_str(), milliseconds);
}

}
