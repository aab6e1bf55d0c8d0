#include "run_trace.h"

#include <glib.h>

#include <cstdlib>
#include <string_view>

namespace quillet::bench {

namespace {

constexpr const char* kDomain = "Quillet";

// "scanners: 3.1 ms" gives 0.0031 for "scanners".
bool take(std::string_view message, std::string_view step, double& seconds)
{
    if (!message.starts_with(step) || !message.substr(step.size()).starts_with(": "))
        return false;
    seconds = std::strtod(message.data() + step.size() + 2, nullptr) / 1000.0;
    return true;
}

}

RunTraceRecorder::RunTraceRecorder()
    : m_handler(g_log_set_handler(kDomain, G_LOG_LEVEL_DEBUG,
                                  reinterpret_cast<GLogFunc>(&RunTraceRecorder::on_message), this))
{
}

RunTraceRecorder::~RunTraceRecorder()
{
    g_log_remove_handler(kDomain, m_handler);
}

void RunTraceRecorder::on_message(const char*, int, const char* message, void* recorder)
{
    RunTrace& trace = static_cast<RunTraceRecorder*>(recorder)->m_trace;
    const std::string_view text = message;
    take(text, "page read", trace.page_read) || take(text, "scanners", trace.scanners)
        || take(text, "image page", trace.image_page) || take(text, "source page", trace.source_page)
        || take(text, "reset of the scratch files", trace.reset)
        || take(text, "Source Code view loaded", trace.source_code_loaded)
        || take(text, "Images view loaded", trace.images_loaded)
        || take(text, "image facts read", trace.image_facts_read) || take(text, "image details", trace.image_details)
        || take(text, "image rows shown", trace.image_rows_shown);
}

}
