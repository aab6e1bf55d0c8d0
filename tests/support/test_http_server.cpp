#include "support/test_http_server.h"

#include <libsoup/soup.h>

#include <algorithm>
#include <stdexcept>

namespace quillet::test {

// A paused message waiting for its delay to pass; the client may hang up meanwhile.
struct TestHttpServer::DelayedAnswer {
    TestHttpServer* server = nullptr;
    SoupServerMessage* message = nullptr;
    guint timeout = 0;
    gulong disconnected_handler = 0;
    bool disconnected = false;

    ~DelayedAnswer()
    {
        if (timeout != 0)
            g_source_remove(timeout);
        g_signal_handler_disconnect(message, disconnected_handler);
        g_object_unref(message);
    }
};

namespace {

void on_disconnected(SoupServerMessage*, gpointer data)
{
    *static_cast<bool*>(data) = true;
}

}

TestHttpServer::TestHttpServer()
    : m_server(soup_server_new("server-header", "quillet-test", nullptr))
{
    GError* error = nullptr;
    if (!soup_server_listen_local(m_server, 0, SOUP_SERVER_LISTEN_IPV4_ONLY, &error)) {
        const std::string message = error->message;
        g_error_free(error);
        g_object_unref(m_server);
        throw std::runtime_error("cannot listen: " + message);
    }
    GSList* uris = soup_server_get_uris(m_server);
    m_port = g_uri_get_port(static_cast<GUri*>(uris->data));
    g_slist_free_full(uris, reinterpret_cast<GDestroyNotify>(g_uri_unref));
    soup_server_add_handler(m_server, nullptr, on_request, this, nullptr);
}

TestHttpServer::~TestHttpServer()
{
    m_delayed.clear();
    soup_server_disconnect(m_server);
    g_object_unref(m_server);
}

void TestHttpServer::serve(const std::string& path, const std::string& content_type, const std::string& body,
                           std::chrono::milliseconds delay)
{
    m_resources[path] = Resource{content_type, body, delay};
}

void TestHttpServer::redirect(const std::string& path, const std::string& target)
{
    m_resources[path] = Resource{"", "", std::chrono::milliseconds(0), target};
}

void TestHttpServer::serve_stalled(const std::string& path, const std::string& content_type,
                                   const std::string& first_part)
{
    m_resources[path] = Resource{content_type, first_part, std::chrono::milliseconds(0), "", true};
}

std::string TestHttpServer::address(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

int TestHttpServer::requests(const std::string& path) const
{
    const auto found = m_requests.find(path);
    return found == m_requests.end() ? 0 : found->second;
}

void TestHttpServer::on_request(SoupServer*, SoupServerMessage* message, const char* path, GHashTable*, void* data)
{
    auto* server = static_cast<TestHttpServer*>(data);
    server->log_target(message, path);
    server->answer(message, path);
}

void TestHttpServer::log_target(SoupServerMessage* message, const std::string& path)
{
    const char* query = g_uri_get_query(soup_server_message_get_uri(message));
    m_targets.push_back(query == nullptr ? path : path + "?" + query);
}

void TestHttpServer::answer(SoupServerMessage* message, const std::string& path)
{
    ++m_requests[path];
    const auto found = m_resources.find(path);
    if (found == m_resources.end()) {
        const std::string body = "<html><body>Not found: " + path + "</body></html>";
        soup_server_message_set_status(message, SOUP_STATUS_NOT_FOUND, nullptr);
        soup_server_message_set_response(message, "text/html", SOUP_MEMORY_COPY, body.data(), body.size());
        return;
    }
    const Resource& resource = found->second;
    if (!resource.location.empty()) {
        soup_server_message_set_redirect(message, SOUP_STATUS_FOUND, resource.location.c_str());
        return;
    }
    soup_server_message_set_status(message, SOUP_STATUS_OK, nullptr);
    if (resource.stalled) {
        // A chunked body that is never completed keeps the client waiting for the rest.
        SoupMessageHeaders* headers = soup_server_message_get_response_headers(message);
        soup_message_headers_set_encoding(headers, SOUP_ENCODING_CHUNKED);
        soup_message_headers_set_content_type(headers, resource.content_type.c_str(), nullptr);
        soup_message_body_append(soup_server_message_get_response_body(message), SOUP_MEMORY_COPY,
                                 resource.body.data(), resource.body.size());
        return;
    }
    soup_server_message_set_response(message, resource.content_type.c_str(), SOUP_MEMORY_COPY, resource.body.data(),
                                     resource.body.size());
    if (resource.delay.count() == 0)
        return;

    auto delayed = std::make_unique<DelayedAnswer>();
    delayed->server = this;
    delayed->message = SOUP_SERVER_MESSAGE(g_object_ref(message));
    delayed->disconnected_handler =
        g_signal_connect(message, "disconnected", G_CALLBACK(on_disconnected), &delayed->disconnected);
    delayed->timeout = g_timeout_add(static_cast<guint>(resource.delay.count()), on_delay_over, delayed.get());
    soup_server_message_pause(message);
    m_delayed.push_back(std::move(delayed));
}

int TestHttpServer::on_delay_over(void* data)
{
    auto* delayed = static_cast<DelayedAnswer*>(data);
    delayed->timeout = 0;
    if (!delayed->disconnected)
        soup_server_message_unpause(delayed->message);
    auto& waiting = delayed->server->m_delayed;
    waiting.erase(
        std::find_if(waiting.begin(), waiting.end(), [&](const auto& entry) { return entry.get() == delayed; }));
    return G_SOURCE_REMOVE;
}

}
