#include "support/isolated_environment.h"
#include "support/main_loop.h"

#include <gtest/gtest.h>
#include <gtkmm/init.h>
#include <gtk/gtk.h>
#include <webkit/webkit.h>

#include <cstdlib>
#include <memory>

namespace quillet::test {

namespace {

// The directories GTK and the engine started with, for the whole process.
std::unique_ptr<IsolatedEnvironment> g_process_environment;
std::unique_ptr<IsolatedEnvironment> g_test_environment;

// What the engine keeps of the pages a test showed (caches, cookies, storage), in its network
// process and in the web processes that serve the next test.
void forget_website_data()
{
    bool cleared = false;
    webkit_website_data_manager_clear(
        webkit_network_session_get_website_data_manager(webkit_network_session_get_default()),
        WEBKIT_WEBSITE_DATA_ALL, 0, nullptr,
        [](GObject* manager, GAsyncResult* result, gpointer done) {
            webkit_website_data_manager_clear_finish(WEBKIT_WEBSITE_DATA_MANAGER(manager), result, nullptr);
            *static_cast<bool*>(done) = true;
        },
        &cleared);
    if (!pump_until([&] { return cleared; }))
        ADD_FAILURE() << "the engine never cleared the test's website data";
}

// The tests of one process share GTK and the engine's processes; each still gets its own
// temporary program, HOME and XDG directories, removed when it ends, and no website data of the
// tests before it.
class FreshEnvironmentForEachTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { g_test_environment = std::make_unique<IsolatedEnvironment>(); }
    void OnTestEnd(const testing::TestInfo&) override
    {
        forget_website_data();
        g_test_environment.reset();
    }
};

}

const IsolatedEnvironment& environment() { return *g_test_environment; }

}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display.
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    // A virtual display has no graphics card: GL there is the CPU standing in for one (llvmpipe),
    // which compiles its shaders again in every new web process, a third of the suite's time. The
    // cases check what the program shows, not the GL driver; a developer may still ask for GL.
    setenv("GSK_RENDERER", "cairo", 0);
    setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 0);
    quillet::test::g_process_environment = std::make_unique<quillet::test::IsolatedEnvironment>();
    gtk_init();
    Gtk::init_gtkmm_internals();
    // The engine's network session keeps its data where it was made: in the process's directories,
    // which outlive every test.
    webkit_network_session_get_default();
    testing::UnitTest::GetInstance()->listeners().Append(new quillet::test::FreshEnvironmentForEachTest);
    return RUN_ALL_TESTS();
}
