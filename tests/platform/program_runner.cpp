#include "program_runner.h"

#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>

namespace quillet::test {

namespace {

[[noreturn]] void exec_child(const std::vector<std::string>& arguments, int output_fd)
{
    ::dup2(output_fd, STDOUT_FILENO);
    std::vector<char*> argv;
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

std::string read_all(int fd)
{
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0)
            text.append(buffer, static_cast<size_t>(count));
        else if (count == 0 || errno != EINTR)
            return text;
    }
}

}

ProgramResult run_program(const std::vector<std::string>& arguments)
{
    int pipe_fds[2];
    if (arguments.empty() || ::pipe(pipe_fds) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe_fds[0]);
        exec_child(arguments, pipe_fds[1]);
    }
    ::close(pipe_fds[1]);
    ProgramResult result;
    result.output = read_all(pipe_fds[0]);
    ::close(pipe_fds[0]);

    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        result.exit_code = WEXITSTATUS(status);
    return result;
}

}
