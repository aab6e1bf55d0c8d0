#include "platform/web_view.h"

#include "platform/web_view_impl.h"

namespace quillet::platform {

namespace {

constexpr const char* kBodyScript = "document.body ? document.body.outerHTML : null";

struct BodyRead {
    GObjectPtr<GCancellable> cancellable;
    std::function<void(std::optional<std::string>)> done;
};

std::optional<std::string> text_of(JSCValue* value)
{
    if (!jsc_value_is_string(value))
        return std::nullopt;
    // Taken as bytes: the text may hold NUL characters.
    const GBytesPtr bytes(jsc_value_to_string_as_bytes(value));
    gsize size = 0;
    const auto* data = static_cast<const char*>(g_bytes_get_data(bytes.get(), &size));
    return size == 0 ? std::string() : std::string(data, size);
}

void on_body_read(GObject* source, GAsyncResult* result, gpointer data)
{
    const std::unique_ptr<BodyRead> read(static_cast<BodyRead*>(data));
    auto* view = WEBKIT_WEB_VIEW(source);
    GErrorHolder error;
    const GObjectPtr<JSCValue> value(webkit_web_view_evaluate_javascript_finish(view, result, error.out()));
    if (g_cancellable_is_cancelled(read->cancellable.get()))
        return;
    // A view that never loaded anything still answers with an empty body of its own.
    if (!value || !webkit_web_view_get_uri(view)) {
        read->done(std::nullopt);
        return;
    }
    read->done(text_of(value.get()));
}

}

void WebView::read_body_html(GCancellable* cancellable, std::function<void(std::optional<std::string>)> done)
{
    auto* read = new BodyRead{add_ref(cancellable), std::move(done)};
    webkit_web_view_evaluate_javascript(m_impl->view.get(), kBodyScript, -1, nullptr, nullptr, cancellable,
                                        on_body_read, read);
}

}
