#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

typedef struct _SoupServer SoupServer;
typedef struct _SoupServerMessage SoupServerMessage;
typedef struct _GHashTable GHashTable;

namespace quillet::test {

// An HTTP server on 127.0.0.1 for the tests' pages, run by the GLib main loop the tests pump.
// Each path answers with its content type and body, optionally after a delay, or redirects; any
// other path gets 404.
class TestHttpServer {
public:
    TestHttpServer();
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    // Replaces what `path` (e.g. "/page.html") answers.
    void serve(const std::string& path, const std::string& content_type, const std::string& body,
               std::chrono::milliseconds delay = std::chrono::milliseconds(0));

    // Makes `path` answer "302 Found" with `target` as its Location.
    void redirect(const std::string& path, const std::string& target);

    // Replaces what `path` answers with the headers and `first_part` of a body that never ends, as a
    // server that stalls mid-transfer sends it.
    void serve_stalled(const std::string& path, const std::string& content_type, const std::string& first_part);

    // "http://127.0.0.1:<port><path>"
    std::string address(const std::string& path) const;

    // How many requests `path` has had.
    int requests(const std::string& path) const;
    // Every request's path with its query as sent ("/a.gif?x=1&y=2"), in order.
    const std::vector<std::string>& requested_targets() const { return m_targets; }

private:
    struct Resource {
        std::string content_type;
        std::string body;
        std::chrono::milliseconds delay{0};
        std::string location = {}; // redirects there when set
        bool stalled = false;
    };
    struct DelayedAnswer;

    static void on_request(SoupServer* server, SoupServerMessage* message, const char* path, GHashTable* query,
                           void* data);
    static int on_delay_over(void* data);
    void answer(SoupServerMessage* message, const std::string& path);
    void log_target(SoupServerMessage* message, const std::string& path);

    SoupServer* m_server = nullptr;
    int m_port = 0;
    std::map<std::string, Resource> m_resources;
    std::map<std::string, int> m_requests;
    std::vector<std::string> m_targets;
    std::vector<std::unique_ptr<DelayedAnswer>> m_delayed;
};

}
