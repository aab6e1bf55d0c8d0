#include "support/isolated_environment.h"

#include <gtest/gtest.h>
#include <gtkmm/init.h>
#include <gtk/gtk.h>

#include <memory>

namespace quillet::test {

namespace {
std::unique_ptr<IsolatedEnvironment> g_environment;
}

const IsolatedEnvironment& environment() { return *g_environment; }

}

// ctest runs every test case in a process of its own, so each case gets fresh directories.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests (ctest's discovery at build time) needs no display.
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    quillet::test::g_environment = std::make_unique<quillet::test::IsolatedEnvironment>();
    gtk_init();
    Gtk::init_gtkmm_internals();
    return RUN_ALL_TESTS();
}
