#include "browsing_probes.h"

#include "support/main_loop.h"
#include "support/page_probe.h"

#include <gtest/gtest.h>

#include <memory>

namespace quillet::test {

std::optional<std::string> body_of(platform::WebView& view)
{
    return page_of(view).body_html;
}

LoadCounter::LoadCounter(platform::WebView& view)
    : m_connection(view.DownloadComplete().connect([this] { ++m_count; }))
{
}

LoadCounter::~LoadCounter()
{
    m_connection.disconnect();
}

bool LoadCounter::wait_for(int count) const
{
    return pump_until([&] { return m_count >= count; });
}

}
