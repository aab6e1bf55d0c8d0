#include "app/quillet_application.h"
#include "app/startup_options.h"
#include "platform/executable_resource.h"

#include <iostream>

int main(int argc, char** argv)
{
    const quillet::StartupOptions options = quillet::read_startup_options(argc, argv);
    if (!options.error.empty()) {
        std::cerr << "quillet: " << options.error << '\n';
        return 2;
    }
    quillet::QuilletApplication application(quillet::platform::program_directory(), options);
    // The command line is the program's alone.
    return application.run(1, argv);
}
