#include "ui/website_launcher.h"

#include "app/main_window.h"
#include "app_test_files.h"
#include "fake_url_handler.h"
#include "main_window_test_access.h"
#include "support/isolated_environment.h"
#include "support/main_loop.h"
#include "support/temp_directory.h"
#include "ui/brand_identity.h"
#include "ui/brand_texts.h"
#include "ui/program_settings.h"

#include <gtest/gtest.h>

#include <chrono>

namespace quillet {
namespace {

using namespace std::chrono_literals;

class WebsiteLaunch : public testing::Test {
protected:
    void SetUp() override
    {
        LoadBrandIdentity();
        m_site = website_launch_address(brand_identity());
        const std::string home = test::write_page(m_pages.path() / "home.html", "Home", "<p>home</p>");
        ProgramSettings(brand_identity().ProductTitle).set_home_page(home);
        m_window = std::make_unique<Form1>(m_program.path());
        m_window->present();
        bool loaded = false;
        m_window->wb(kBrowserView).DownloadComplete().connect([&] { loaded = true; });
        ASSERT_TRUE(test::pump_until([&] { return loaded; }));
        WebTarget.clear();
    }

    // A launcher still loaded would swallow the next test's request.
    void TearDown() override { wait_until_launcher_unloads(); }

    bool wait_for_opened(std::size_t count)
    {
        return test::pump_until([&] { return m_handler.received().size() >= count; });
    }

    // What a launcher opens it opens as it loads; it is done once it unloads.
    void wait_until_launcher_unloads() { EXPECT_TRUE(test::pump_until([] { return !website_launcher_loaded(); }, 5s)); }

    // What a click of the mouse does: "activate" would first show the button pressed for a while.
    void click_website_button() { g_signal_emit_by_name(test::controls(*m_window).cmdWebsite.gobj(), "clicked"); }

    test::FakeUrlHandler m_handler{test::environment().data_home(), test::environment().config_home()};
    test::TempDirectory m_pages;
    test::TempDirectory m_program;
    std::unique_ptr<Form1> m_window;
    std::string m_site;
};

TEST_F(WebsiteLaunch, WebsiteButtonOpensTheSiteAndLeavesTheViewAlone)
{
    m_window->SelectView(kImagesView);
    const std::string location = m_window->wb(kBrowserView).LocationURL();

    click_website_button();

    ASSERT_TRUE(wait_for_opened(1));
    EXPECT_EQ(m_handler.received(), std::vector<std::string>{m_site});
    EXPECT_EQ(m_site, "http://" + brand_identity().WebsiteAddress);
    EXPECT_EQ(WebTarget, "");
    EXPECT_FALSE(website_launcher_visible()) << "the button loads the launcher without showing it";
    EXPECT_EQ(test::controls(*m_window).TabStrip1.get_current_page(), kImagesView);
    EXPECT_TRUE(m_window->wb(kImagesView).Visible());
    EXPECT_FALSE(m_window->wb(kBrowserView).Visible());
    EXPECT_EQ(m_window->wb(kBrowserView).LocationURL(), location);
}

TEST_F(WebsiteLaunch, FourthViewItemOpensTheSiteLikeTheButton)
{
    test::controls(*m_window).menu_bar.choose(Menu::View, 3);

    ASSERT_TRUE(wait_for_opened(1));
    EXPECT_EQ(m_handler.received(), std::vector<std::string>{m_site});
    EXPECT_EQ(test::controls(*m_window).TabStrip1.get_current_page(), kBrowserView);
    EXPECT_TRUE(m_window->wb(kBrowserView).Visible());
}

TEST_F(WebsiteLaunch, TwoClicksWithinASecondOpenTheSiteOnce)
{
    click_website_button();
    click_website_button();
    EXPECT_EQ(WebTarget, "Website") << "the second request waits for the next load of the launcher";

    ASSERT_TRUE(wait_for_opened(1));
    wait_until_launcher_unloads();
    EXPECT_EQ(m_handler.received(), std::vector<std::string>{m_site});

    click_website_button();
    ASSERT_TRUE(wait_for_opened(2));
    EXPECT_EQ(m_handler.received(), (std::vector<std::string>{m_site, m_site}));
    EXPECT_EQ(WebTarget, "");
}

TEST_F(WebsiteLaunch, ShownLauncherIsVisibleForItsSecond)
{
    WebTarget = "Website";
    load_website_launcher(LauncherDisplay::Shown);
    EXPECT_TRUE(website_launcher_visible());
    ASSERT_TRUE(wait_for_opened(1));

    ASSERT_TRUE(test::pump_until([] { return !website_launcher_visible(); }, 5s));
    EXPECT_EQ(m_handler.received(), std::vector<std::string>{m_site});
}

TEST_F(WebsiteLaunch, AnyOtherTargetOpensNothing)
{
    WebTarget = "Help";
    load_website_launcher(LauncherDisplay::Hidden);
    wait_until_launcher_unloads();
    EXPECT_TRUE(m_handler.received().empty());
    EXPECT_EQ(WebTarget, "Help");
}

}
}
