#include "platform/web_view.h"

#include "platform/web_view_impl.h"

namespace quillet::platform {

namespace {

// The body, and the base address only where a <base href> makes it differ from the document's own.
constexpr const char* kPageScript =
    "[document.body ? document.body.outerHTML : null, document.baseURI == document.URL ? null : document.baseURI]";

struct PageRead {
    GObjectPtr<GCancellable> cancellable;
    std::function<void(PageContent)> done;
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

std::optional<std::string> element_text(JSCValue* array, unsigned index)
{
    const GObjectPtr<JSCValue> element(jsc_value_object_get_property_at_index(array, index));
    return text_of(element.get());
}

void on_page_read(GObject* source, GAsyncResult* result, gpointer data)
{
    const std::unique_ptr<PageRead> read(static_cast<PageRead*>(data));
    auto* view = WEBKIT_WEB_VIEW(source);
    GErrorHolder error;
    const GObjectPtr<JSCValue> value(webkit_web_view_evaluate_javascript_finish(view, result, error.out()));
    if (g_cancellable_is_cancelled(read->cancellable.get()))
        return;
    // A view that never loaded anything still answers with an empty body of its own.
    if (!value || !jsc_value_is_array(value.get()) || !webkit_web_view_get_uri(view)) {
        read->done({});
        return;
    }
    read->done({element_text(value.get(), 0), element_text(value.get(), 1).value_or("")});
}

}

void WebView::read_page(GCancellable* cancellable, std::function<void(PageContent)> done)
{
    auto* read = new PageRead{add_ref(cancellable), std::move(done)};
    webkit_web_view_evaluate_javascript(m_impl->view.get(), kPageScript, -1, nullptr, nullptr, cancellable,
                                        on_page_read, read);
}

}
