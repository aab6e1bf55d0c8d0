#pragma once

#include <string>

namespace quillet::test {

// A port of 127.0.0.1 on which nothing listens: connections to it are refused.
int closed_port();

// A server on 127.0.0.1 that takes connections and never answers: a load from it lasts until it
// is stopped.
class SilentServer {
public:
    SilentServer();
    ~SilentServer();
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    // "http://127.0.0.1:<port><path>"
    std::string address(const std::string& path) const;

private:
    int m_socket = -1;
    int m_port = 0;
};

}
