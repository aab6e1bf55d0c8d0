#include "platform/page_fetch.h"

#include "platform/charset_decoding.h"
#include "platform/glib_ptr.h"

#include <libsoup/soup.h>

#include <optional>
#include <string_view>
#include <utility>

namespace quillet::platform {

namespace {

// Long enough for a slow server, short enough that a script does not wait for ever.
constexpr guint kIdleSeconds = 60;

PageFetch failed(std::string failure)
{
    PageFetch fetch;
    fetch.failure = std::move(failure);
    return fetch;
}

std::string reason_of(const GError* error)
{
    const std::string detail = std::string(" (") + error->message + ")";
    if (error->domain == G_RESOLVER_ERROR)
        return "host not found" + detail;
    if (error->domain == G_TLS_ERROR)
        return "TLS failure" + detail;
    if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CONNECTION_REFUSED))
        return "connection refused" + detail;
    if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_TIMED_OUT))
        return "timed out" + detail;
    return error->message;
}

std::string status_of(SoupMessage* message)
{
    const char* phrase = soup_message_get_reason_phrase(message);
    std::string status = "HTTP " + std::to_string(soup_message_get_status(message));
    if (phrase != nullptr && *phrase != '\0')
        status += std::string(" ") + phrase;
    return status;
}

std::optional<std::string> charset_of(SoupMessage* message)
{
    GHashTable* parameters = nullptr;
    soup_message_headers_get_content_type(soup_message_get_response_headers(message), &parameters);
    if (parameters == nullptr)
        return std::nullopt;
    const auto* charset = static_cast<const char*>(g_hash_table_lookup(parameters, "charset"));
    std::optional<std::string> result;
    if (charset != nullptr && *charset != '\0')
        result = charset;
    g_hash_table_destroy(parameters);
    return result;
}

void decode_body(PageFetch& fetch, std::string_view body, const std::optional<std::string>& charset)
{
    if (charset) {
        if (std::optional<std::string> text = decode_to_utf8(body, *charset)) {
            fetch.text = std::move(*text);
            return;
        }
        fetch.notice = "unknown charset \"" + *charset + "\" of " + fetch.address + ", read as UTF-8";
    }
    fetch.text = std::string(body);
}

}

PageFetch fetch_page(const std::string& address)
{
    GObjectPtr<SoupMessage> message(soup_message_new(SOUP_METHOD_GET, address.c_str()));
    if (!message)
        return failed("not an address that can be fetched");
    const GObjectPtr<SoupSession> session(
        soup_session_new_with_options("timeout", kIdleSeconds, "user-agent", "quillet-scan ", nullptr));

    GErrorHolder error;
    const GBytesPtr body(soup_session_send_and_read(session.get(), message.get(), nullptr, error.out()));
    if (!body)
        return failed(reason_of(error.get()));
    if (!SOUP_STATUS_IS_SUCCESSFUL(soup_message_get_status(message.get())))
        return failed(status_of(message.get()));

    PageFetch fetch;
    fetch.outcome = PageFetch::Outcome::Fetched;
    const GCharPtr final_address(g_uri_to_string(soup_message_get_uri(message.get())));
    fetch.address = final_address.get();
    gsize size = 0;
    const auto* data = static_cast<const char*>(g_bytes_get_data(body.get(), &size));
    decode_body(fetch, std::string_view(data == nullptr ? "" : data, size), charset_of(message.get()));
    return fetch;
}

}
