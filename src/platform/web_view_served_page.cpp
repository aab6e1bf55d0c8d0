#include "platform/web_view.h"

#include "platform/charset_decoding.h"
#include "platform/web_view_impl.h"

#include <memory>
#include <string_view>

namespace quillet::platform {

namespace {

// The charset the engine decoded the document by: from the response's header, the page's own
// declaration or its byte order mark, whichever the engine went by.
constexpr const char* kCharsetScript = "document.characterSet";

// The charset and the resource's data are asked for at once, and the page decoded once both have
// come: the two are independent round trips to the engine.
struct ServedPageRead {
    GObjectPtr<GCancellable> cancellable;
    std::function<void(std::optional<std::string>)> done;
    std::optional<std::string> charset;
    bool data_arrived = false;
    bool data_failed = false;
    GCharPtr data;
    gsize size = 0;

    void finish_when_both_arrived()
    {
        if (!charset || !data_arrived)
            return;
        if (data_failed) {
            done(std::nullopt);
            return;
        }
        const std::string_view served(data.get(), data ? size : 0);
        // A charset no converter knows leaves the bytes as they came rather than losing the page.
        done(decode_to_utf8(served, *charset).value_or(std::string(served)));
    }
};

// Each answer holds the read until the later one finishes it.
using SharedRead = std::shared_ptr<ServedPageRead>;

void on_resource_data(GObject* source, GAsyncResult* result, gpointer data)
{
    const std::unique_ptr<SharedRead> holder(static_cast<SharedRead*>(data));
    ServedPageRead& read = **holder;
    GErrorHolder error;
    read.data = GCharPtr(reinterpret_cast<char*>(
        webkit_web_resource_get_data_finish(WEBKIT_WEB_RESOURCE(source), result, &read.size, error.out())));
    if (g_cancellable_is_cancelled(read.cancellable.get()))
        return;
    read.data_arrived = true;
    read.data_failed = !read.data && read.size != 0;
    read.finish_when_both_arrived();
}

void on_charset_read(GObject* source, GAsyncResult* result, gpointer data)
{
    const std::unique_ptr<SharedRead> holder(static_cast<SharedRead*>(data));
    ServedPageRead& read = **holder;
    GErrorHolder error;
    const GObjectPtr<JSCValue> value(
        webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), result, error.out()));
    if (g_cancellable_is_cancelled(read.cancellable.get()))
        return;
    read.charset = "UTF-8";
    if (value && jsc_value_is_string(value.get())) {
        const GCharPtr charset(jsc_value_to_string(value.get()));
        read.charset = charset.get();
    }
    read.finish_when_both_arrived();
}

}

void WebView::read_served_page(GCancellable* cancellable, std::function<void(std::optional<std::string>)> done)
{
    auto* view = m_impl->view.get();
    WebKitWebResource* resource = webkit_web_view_get_main_resource(view);
    if (!resource || !webkit_web_view_get_uri(view)) {
        done(std::nullopt);
        return;
    }
    const auto read = std::make_shared<ServedPageRead>();
    read->cancellable = add_ref(cancellable);
    read->done = std::move(done);
    webkit_web_view_evaluate_javascript(view, kCharsetScript, -1, nullptr, nullptr, cancellable, on_charset_read,
                                        new SharedRead(read));
    webkit_web_resource_get_data(resource, cancellable, on_resource_data, new SharedRead(read));
}

}
