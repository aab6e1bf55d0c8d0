#include "app/quillet_application.h"
#include "app/startup_options.h"
#include "platform/executable_resource.h"

#include <iostream>

int main(int argc, char** argv)
{
    const quillet::StartupOptions options = quillet::take_startup_options(argc, argv);
    if (!options.error.empty()) {
        std::cerr << "quillet: " << options.error << '\n';
        return 2;
    }
    quillet::QuilletApplication application(quillet::platform::program_directory(), options.screenshot_file);
    return application.run(argc, argv);
}
