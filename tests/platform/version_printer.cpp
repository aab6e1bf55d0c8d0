// Prints the version strings of its own executable file, one "Key=Value" line each; exits with 3
// when it carries none. Built twice: with and without the version resource.
#include "platform/executable_resource.h"

#include <iostream>

int main()
{
    const auto strings = quillet::platform::read_version_strings(quillet::platform::running_executable());
    if (!strings)
        return 3;
    for (const auto& [key, value] : *strings)
        std::cout << key << '=' << value << '\n';
    return 0;
}
