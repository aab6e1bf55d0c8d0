#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace quillet::bench {

// Serves the files of one folder over HTTP on 127.0.0.1 from a process of its own, so that the
// window being measured shares its main loop with nothing else. Ends the process when destroyed.
class LoopbackServer {
public:
    explicit LoopbackServer(std::filesystem::path folder);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    // "http://127.0.0.1:<port>/<name>"
    std::string address(const std::string& name) const;

private:
    pid_t m_process = -1;
    int m_port = 0;
};

}
