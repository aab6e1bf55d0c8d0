#include "support/page_probe.h"

#include "platform/typed_address.h"
#include "support/main_loop.h"

#include <gtest/gtest.h>

#include <memory>

namespace quillet::test {

platform::PageContent page_of(platform::WebView& view)
{
    struct Answer {
        bool given = false;
        platform::PageContent page;
    };
    // Shared, since an answer after a failed wait must not write into a finished frame.
    auto answer = std::make_shared<Answer>();
    view.read_page(nullptr, [answer](platform::PageContent page) {
        answer->given = true;
        answer->page = std::move(page);
    });
    EXPECT_TRUE(pump_until([&] { return answer->given; })) << "the view never gave its page";
    return answer->page;
}

std::string file_uri(const std::filesystem::path& path)
{
    return platform::uri_from_file_path(path);
}

}
