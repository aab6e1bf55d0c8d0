#include "loopback_server.h"

#include <libsoup/soup.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillet::bench {

namespace {

void answer(SoupServer*, SoupServerMessage* message, const char* path, GHashTable*, gpointer folder)
{
    const auto file = *static_cast<const std::filesystem::path*>(folder) / std::filesystem::path(path).filename();
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        soup_server_message_set_status(message, SOUP_STATUS_NOT_FOUND, nullptr);
        return;
    }
    const std::string body{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    soup_server_message_set_status(message, SOUP_STATUS_OK, nullptr);
    soup_server_message_set_response(message, "text/html; charset=utf-8", SOUP_MEMORY_COPY, body.data(), body.size());
}

[[noreturn]] void serve(const std::filesystem::path& folder, int port_pipe)
{
    SoupServer* server = soup_server_new(nullptr, nullptr);
    soup_server_add_handler(server, nullptr, answer, const_cast<std::filesystem::path*>(&folder), nullptr);
    GError* error = nullptr;
    if (!soup_server_listen_local(server, 0, SOUP_SERVER_LISTEN_IPV4_ONLY, &error)) {
        std::fprintf(stderr, "quillet-gui-bench: cannot serve: %s\n", error->message);
        std::_Exit(1);
    }
    GSList* uris = soup_server_get_uris(server);
    const int port = g_uri_get_port(static_cast<GUri*>(uris->data));
    if (::write(port_pipe, &port, sizeof port) != sizeof port)
        std::_Exit(1);
    ::close(port_pipe);
    g_main_loop_run(g_main_loop_new(nullptr, FALSE));
    std::_Exit(0);
}

}

LoopbackServer::LoopbackServer(std::filesystem::path folder)
{
    int pipe_ends[2];
    if (::pipe(pipe_ends) != 0) {
        std::perror("quillet-gui-bench: pipe");
        std::exit(1);
    }
    m_process = ::fork();
    if (m_process == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM); // the bench may end without its destructors
        ::close(pipe_ends[0]);
        serve(folder, pipe_ends[1]);
    }
    ::close(pipe_ends[1]);
    if (m_process < 0 || ::read(pipe_ends[0], &m_port, sizeof m_port) != sizeof m_port) {
        std::fprintf(stderr, "quillet-gui-bench: the server did not start\n");
        std::exit(1);
    }
    ::close(pipe_ends[0]);
}

LoopbackServer::~LoopbackServer()
{
    ::kill(m_process, SIGTERM);
    ::waitpid(m_process, nullptr, 0);
}

std::string LoopbackServer::address(const std::string& name) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + "/" + name;
}

}
