#include "process_timer.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace quillet::bench {

double time_until_line(const std::vector<std::string>& command, const std::string& wanted)
{
    int output[2];
    if (::pipe(output) != 0) {
        std::perror("quillet-gui-bench: pipe");
        std::exit(1);
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t process = ::fork();
    if (process == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::dup2(output[1], STDERR_FILENO);
        ::close(output[0]);
        ::setenv("G_MESSAGES_DEBUG", "Quillet", 1);
        std::vector<char*> arguments;
        for (const std::string& argument : command)
            arguments.push_back(const_cast<char*>(argument.c_str()));
        arguments.push_back(nullptr);
        ::execv(arguments[0], arguments.data());
        std::_Exit(127);
    }
    ::close(output[1]);
    std::FILE* lines = ::fdopen(output[0], "r");
    char line[4096];
    bool seen = false;
    while (!seen && std::fgets(line, sizeof line, lines) != nullptr)
        seen = std::string_view(line).find(wanted) != std::string_view::npos;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::kill(process, SIGTERM);
    std::fclose(lines);
    ::waitpid(process, nullptr, 0);
    if (!seen) {
        std::fprintf(stderr, "quillet-gui-bench: %s never said \"%s\"\n", command[0].c_str(), wanted.c_str());
        std::exit(1);
    }
    return seconds;
}

}
