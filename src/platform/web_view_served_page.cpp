#include "platform/web_view.h"

#include "platform/charset_decoding.h"
#include "platform/web_view_impl.h"

namespace quillet::platform {

namespace {

// The charset the engine decoded the document by: from the response's header, the page's own
// declaration or its byte order mark, whichever the engine went by.
constexpr const char* kCharsetScript = "document.characterSet";

struct ServedPageRead {
    GObjectPtr<WebKitWebResource> resource;
    GObjectPtr<GCancellable> cancellable;
    std::string charset;
    std::function<void(std::optional<std::string>)> done;
};

void on_resource_data(GObject* source, GAsyncResult* result, gpointer data)
{
    const std::unique_ptr<ServedPageRead> read(static_cast<ServedPageRead*>(data));
    gsize size = 0;
    GErrorHolder error;
    const GCharPtr bytes(reinterpret_cast<char*>(
        webkit_web_resource_get_data_finish(WEBKIT_WEB_RESOURCE(source), result, &size, error.out())));
    if (g_cancellable_is_cancelled(read->cancellable.get()))
        return;
    if (!bytes && size != 0) {
        read->done(std::nullopt);
        return;
    }
    const std::string_view served(bytes.get(), bytes ? size : 0);
    // A charset no converter knows leaves the bytes as they came rather than losing the page.
    read->done(decode_to_utf8(served, read->charset).value_or(std::string(served)));
}

void on_charset_read(GObject* source, GAsyncResult* result, gpointer data)
{
    std::unique_ptr<ServedPageRead> read(static_cast<ServedPageRead*>(data));
    GErrorHolder error;
    const GObjectPtr<JSCValue> value(
        webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), result, error.out()));
    if (g_cancellable_is_cancelled(read->cancellable.get()))
        return;
    if (value && jsc_value_is_string(value.get())) {
        const GCharPtr charset(jsc_value_to_string(value.get()));
        read->charset = charset.get();
    }
    auto* resource = read->resource.get();
    auto* cancellable = read->cancellable.get();
    webkit_web_resource_get_data(resource, cancellable, on_resource_data, read.release());
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
    auto* read = new ServedPageRead{add_ref(resource), add_ref(cancellable), "UTF-8", std::move(done)};
    webkit_web_view_evaluate_javascript(view, kCharsetScript, -1, nullptr, nullptr, cancellable, on_charset_read,
                                        read);
}

}
