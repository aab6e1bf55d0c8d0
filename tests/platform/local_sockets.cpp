#include "local_sockets.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace quillet::test {

namespace {

// A TCP socket bound to a free port of 127.0.0.1; returns the socket and stores the port.
int bound_socket(int& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (fd >= 0)
            ::close(fd);
        throw std::runtime_error("cannot bind a local socket");
    }
    port = ntohs(address.sin_port);
    return fd;
}

}

int closed_port()
{
    int port = 0;
    ::close(bound_socket(port));
    return port;
}

SilentServer::SilentServer()
{
    m_socket = bound_socket(m_port);
    if (::listen(m_socket, 16) != 0)
        throw std::runtime_error("cannot listen on a local socket");
}

SilentServer::~SilentServer()
{
    ::close(m_socket);
}

std::string SilentServer::address(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

}
