#include "support/page_probe.h"

#include "platform/glib_ptr.h"
#include "platform/typed_address.h"
#include "support/main_loop.h"

#include <gtest/gtest.h>
#include <webkit/webkit.h>

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

std::optional<std::string> script_text(platform::WebView& view, const std::string& script)
{
    struct Answer {
        bool given = false;
        std::optional<std::string> text;
    };
    using SharedAnswer = std::shared_ptr<Answer>;
    auto answer = std::make_shared<Answer>();
    webkit_web_view_evaluate_javascript(
        WEBKIT_WEB_VIEW(view.widget().gobj()), script.c_str(), -1, nullptr, nullptr, nullptr,
        [](GObject* source, GAsyncResult* result, gpointer data) {
            const std::unique_ptr<SharedAnswer> kept(static_cast<SharedAnswer*>(data));
            const platform::GObjectPtr<JSCValue> value(
                webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), result, nullptr));
            if (value && jsc_value_is_string(value.get()))
                (*kept)->text = platform::GCharPtr(jsc_value_to_string(value.get())).get();
            (*kept)->given = true;
        },
        new SharedAnswer(answer));
    EXPECT_TRUE(pump_until([&] { return answer->given; })) << "the view never ran " << script;
    return answer->text;
}

std::string file_uri(const std::filesystem::path& path)
{
    return platform::uri_from_file_path(path);
}

}
