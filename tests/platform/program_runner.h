#pragma once

#include <string>
#include <vector>

namespace quillet::test {

struct ProgramResult {
    int exit_code = -1; // -1 when the program could not be started or did not exit normally
    std::string output; // what it wrote to standard output
};

// Runs `arguments[0]` with the rest as its arguments (no shell) and waits for it.
ProgramResult run_program(const std::vector<std::string>& arguments);

}
