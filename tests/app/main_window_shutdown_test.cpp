#include "app/main_window.h"

#include "app_test_files.h"
#include "fake_url_handler.h"
#include "main_window_test_access.h"
#include "support/isolated_environment.h"
#include "support/main_loop.h"
#include "support/temp_directory.h"
#include "ui/brand_identity.h"
#include "ui/program_settings.h"
#include "ui/website_launcher.h"

#include <glibmm/main.h>
#include <gtest/gtest.h>
#include <gtkmm/application.h>
#include <gtkmm/gestureclick.h>

#include <chrono>
#include <functional>
#include <vector>

namespace quillet {
namespace {

using namespace std::chrono_literals;

// The running program in small: an application whose main window is a Form1. Unloading the main
// window must end run(); the test fails instead of hanging when it does not.
class ProgramShutdown : public testing::Test {
protected:
    void SetUp() override
    {
        LoadBrandIdentity();
        ProgramSettings(brand_identity().ProductTitle)
            .set_home_page(test::write_page(m_pages.path() / "home.html", "Home", "<p>home</p>"));
        WebTarget.clear();
    }

    // A launcher still loaded, or a step still waiting, would reach into the next case of the
    // process: the case ends with neither.
    void TearDown() override
    {
        for (sigc::connection& step : m_waiting_steps)
            step.disconnect();
        EXPECT_TRUE(test::pump_until([] { return !website_launcher_loaded(); }, 5s));
    }

    // Runs the application: `started` runs once the main window shows. Returns whether the
    // application ended by itself within `limit`.
    bool run_program(const std::function<void()>& started, std::chrono::seconds limit = 20s)
    {
        bool ended_in_time = true;
        m_application->signal_activate().connect([&] {
            m_window = std::make_unique<Form1>(m_program.path());
            m_application->add_window(*m_window);
            m_window->present();
            started();
        });
        sigc::connection limit_timer = Glib::signal_timeout().connect_seconds(
            [&] {
                ended_in_time = false;
                m_application->quit();
                return false;
            },
            static_cast<unsigned>(limit.count()));
        m_application->run();
        limit_timer.disconnect();
        return ended_in_time;
    }

    // Runs `step` `delay` from now, in the running program.
    void after(std::chrono::milliseconds delay, std::function<void()> step)
    {
        m_waiting_steps.push_back(Glib::signal_timeout().connect(
            [step = std::move(step)] {
                step();
                return false;
            },
            static_cast<unsigned>(delay.count())));
    }

    void choose(Menu menu, int item) { test::controls(*m_window).menu_bar.choose(menu, item); }

    Gtk::Window* about_window()
    {
        for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
            if (window->get_title().raw() == "About " + brand_identity().ProductTitle)
                return window;
        }
        return nullptr;
    }

    static void click_website_line(Gtk::Window& about)
    {
        auto& label = dynamic_cast<frmAbout&>(about).lblWebsite;
        const auto controllers = label.observe_controllers();
        for (guint index = 0; index < controllers->get_n_items(); ++index) {
            if (auto gesture = std::dynamic_pointer_cast<Gtk::GestureClick>(controllers->get_object(index)))
                g_signal_emit_by_name(gesture->gobj(), "released", 1, 5.0, 5.0);
        }
    }

    test::FakeUrlHandler m_handler{test::environment().data_home(), test::environment().config_home()};
    test::TempDirectory m_pages;
    test::TempDirectory m_program;
    Glib::RefPtr<Gtk::Application> m_application =
        Gtk::Application::create("", Gio::Application::Flags::NON_UNIQUE);
    std::unique_ptr<Form1> m_window;
    std::vector<sigc::connection> m_waiting_steps;
};

TEST_F(ProgramShutdown, ExitWithTheAboutWindowOpenEndsTheProgramAtOnce)
{
    Gtk::Window* about = nullptr;
    const bool ended = run_program([&] {
        choose(Menu::About, 0);
        about = about_window();
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(about->get_visible());
        choose(Menu::File, 1);
    });

    EXPECT_TRUE(ended);
    EXPECT_TRUE(m_application->get_windows().empty());
    EXPECT_FALSE(about->get_visible()) << "the About window disappears with the main window";
    EXPECT_FALSE(m_window->get_visible());
}

TEST_F(ProgramShutdown, ExitRightAfterTheWebsiteButtonEndsAtOnce)
{
    const bool ended = run_program([&] {
        g_signal_emit_by_name(test::controls(*m_window).cmdWebsite.gobj(), "clicked");
        ASSERT_FALSE(website_launcher_visible());
        choose(Menu::File, 1);
    });

    EXPECT_TRUE(ended);
}

// The launcher shown from the About window's web-site line gets its second; an About window left
// open then keeps the program running until the user closes it.
TEST_F(ProgramShutdown, AShownLauncherKeepsTheProgramUntilItsLastWindowCloses)
{
    using Clock = std::chrono::steady_clock;
    Gtk::Window* about = nullptr;
    bool launcher_visible_after_exit = false;
    bool running_after_launcher = false;
    Clock::time_point exited;
    const bool ended = run_program([&] {
        choose(Menu::About, 0);
        about = about_window();
        ASSERT_NE(about, nullptr);
        click_website_line(*about);
        choose(Menu::File, 1);
        exited = Clock::now();
        launcher_visible_after_exit = website_launcher_visible();
        after(1500ms, [&] {
            running_after_launcher = !website_launcher_visible() && about->get_visible();
            about->close();
        });
    });

    EXPECT_TRUE(ended);
    EXPECT_TRUE(launcher_visible_after_exit);
    EXPECT_FALSE(m_window->get_visible()) << "the main window closes at once";
    EXPECT_TRUE(running_after_launcher) << "the program runs on while the About window is open";
    EXPECT_GE(Clock::now() - exited, 1500ms);
    EXPECT_EQ(m_handler.received().size(), 1U);
}

}
}
