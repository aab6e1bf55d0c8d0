#include "browsing_probes.h"

#include "platform/typed_address.h"
#include "support/main_loop.h"

#include <gtest/gtest.h>

#include <memory>

namespace quillet::test {

std::optional<std::string> body_of(platform::WebView& view)
{
    struct Answer {
        bool given = false;
        std::optional<std::string> body;
    };
    // Shared, since an answer after a failed wait must not write into a finished frame.
    auto answer = std::make_shared<Answer>();
    view.read_body_html(nullptr, [answer](std::optional<std::string> html) {
        answer->given = true;
        answer->body = std::move(html);
    });
    EXPECT_TRUE(pump_until([&] { return answer->given; })) << "the view never gave its body";
    return answer->body;
}

std::string file_uri(const std::filesystem::path& path)
{
    return platform::uri_from_file_path(path);
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
