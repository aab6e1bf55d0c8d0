#include "app/page_view_driver.h"

#include "app_test_files.h"
#include "browsing_probes.h"
#include "support/main_loop.h"
#include "support/temp_directory.h"
#include "support/test_http_server.h"

#include <gtest/gtest.h>
#include <gtkmm/box.h>
#include <gtkmm/window.h>

#include <chrono>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace quillet {
namespace {

using namespace std::chrono_literals;
using platform::ViewContent;
using platform::WebView;

// Whatever a late event would add shows up within this time.
constexpr auto kSettleTime = 500ms;

// A driver over three views of one shown window, with its own work directory.
class PageViewDriverTest : public testing::Test {
protected:
    PageViewDriverTest()
        : m_box(Gtk::Orientation::VERTICAL)
    {
        m_window.set_default_size(800, 600);
        m_window.set_child(m_box);
        for (WebView* view : {&m_browser, &m_source_code, &m_images}) {
            view->widget().set_expand(true);
            m_box.append(view->widget());
        }
        m_window.present();
        m_files.create_missing();
        // As the window connects its views to its driver; a driver that is gone hears nothing.
        using GeneratedView = PageViewDriver::GeneratedView;
        m_browser.DownloadComplete().connect([this] {
            if (m_driver)
                m_driver->RefreshPageViews();
        });
        for (auto [view, generated] : {std::pair(&m_source_code, GeneratedView::SourceCode),
                                       std::pair(&m_images, GeneratedView::Images)}) {
            view->DownloadComplete().connect([this, generated] {
                if (m_driver)
                    m_driver->generated_view_loaded(generated);
            });
        }
    }

    void load_in_browser(const std::string& path, const std::string& html)
    {
        m_server.serve(path, "text/html", html);
        const int before = m_browser_loads.count();
        m_browser.Navigate(m_server.address(path));
        ASSERT_TRUE(m_browser_loads.wait_for(before + 1));
    }

    // Runs the driver and waits until both generated views have loaded what it wrote.
    void refresh_and_wait()
    {
        const int source_code_before = m_source_code_loads.count();
        const int images_before = m_images_loads.count();
        m_driver->RefreshPageViews();
        ASSERT_TRUE(m_source_code_loads.wait_for(source_code_before + 1));
        ASSERT_TRUE(m_images_loads.wait_for(images_before + 1));
    }

    std::string work_file(WorkFile file) const { return test::read_file(m_files.path(file)); }

    test::TestHttpServer m_server;
    test::TempDirectory m_work_directory;
    WorkFiles m_files{m_work_directory.path()};
    PageReferences m_references;
    Glib::RefPtr<Gio::Cancellable> m_window_cancellable = Gio::Cancellable::create();

    Gtk::Window m_window;
    Gtk::Box m_box;
    platform::WebSession m_session;
    WebView m_browser{m_session, ViewContent::LivePages};
    WebView m_source_code{m_session, ViewContent::GeneratedFiles};
    WebView m_images{m_session, ViewContent::GeneratedFiles, &m_source_code};
    test::LoadCounter m_browser_loads{m_browser};
    test::LoadCounter m_source_code_loads{m_source_code};
    test::LoadCounter m_images_loads{m_images};
    std::unique_ptr<PageViewDriver> m_driver = std::make_unique<PageViewDriver>(
        PageViews{m_browser, m_source_code, m_images}, m_files, m_references, m_window_cancellable);
};

// The generated pages carry no character-set declaration.
TEST_F(PageViewDriverTest, GeneratedViewsReadTheFilesAsUtf8)
{
    const std::string greeting = "Gr\xc3\xbc\xc3\x9f" "e";
    load_in_browser("/text.html", "<html><head><meta charset=\"utf-8\"></head><body>" + greeting + "</body></html>");
    refresh_and_wait();

    EXPECT_NE(test::body_of(m_source_code).value_or("").find(greeting), std::string::npos);
}

TEST_F(PageViewDriverTest, RewrittenFilesAreShownAfresh)
{
    load_in_browser("/first.html", "<html><body>first edition</body></html>");
    refresh_and_wait();
    ASSERT_NE(test::body_of(m_source_code).value_or("").find("first edition"), std::string::npos);

    load_in_browser("/second.html", "<html><body>second edition</body></html>");
    refresh_and_wait();
    const std::string shown = test::body_of(m_source_code).value_or("");
    EXPECT_NE(shown.find("second edition"), std::string::npos) << shown;
    EXPECT_EQ(shown.find("first edition"), std::string::npos) << shown;
}

// Copy All Image Addresses and Save All Images take these lists: they must be the ones shown.
TEST_F(PageViewDriverTest, ListsBecomeTheNewPagesOnceTheImagesViewShowsIt)
{
    load_in_browser("/first.html", "<html><body><img src=\"a.gif\"></body></html>");
    refresh_and_wait();
    std::vector<std::string> lists_at_source_code_loads;
    m_source_code.DownloadComplete().connect(
        [&] { lists_at_source_code_loads.push_back(m_references.image_tags.at(0).file_name); });
    m_images.set_Visible(false); // so the "Source Code" view loads first, the "Images" view after it

    load_in_browser("/second.html", "<html><body><img src=\"b.gif\"></body></html>");
    ASSERT_TRUE(test::pump_until([&] { return m_references.image_tags.at(0).file_name == "b.gif"; }));

    ASSERT_FALSE(lists_at_source_code_loads.empty());
    EXPECT_EQ(lists_at_source_code_loads.front(), "a.gif");
    EXPECT_EQ(m_images.LocationURL(), test::file_uri(m_files.path(WorkFile::ImagePage)));
}

TEST_F(PageViewDriverTest, RunAskedForWhileAnotherWaitsTakesItsPlace)
{
    load_in_browser("/page.html", "<html><body>page</body></html>");

    m_driver->RefreshPageViews();
    m_driver->RefreshPageViews();
    ASSERT_TRUE(m_source_code_loads.wait_for(1));
    ASSERT_TRUE(m_images_loads.wait_for(1));
    test::pump_for(kSettleTime);

    EXPECT_EQ(m_source_code_loads.count(), 1);
    EXPECT_EQ(m_images_loads.count(), 1);
}

TEST_F(PageViewDriverTest, WindowGoingAwayDropsTheWaitingRun)
{
    load_in_browser("/page.html", "<html><body>page</body></html>");

    m_driver->RefreshPageViews();
    m_window_cancellable->cancel();
    m_driver->RefreshPageViews();
    test::pump_for(kSettleTime);

    EXPECT_EQ(work_file(WorkFile::Source), "\r\n");
    EXPECT_EQ(m_source_code.LocationURL(), "");
    EXPECT_EQ(m_images.LocationURL(), "");
}

TEST_F(PageViewDriverTest, DestroyedDriverDropsTheWaitingRun)
{
    load_in_browser("/page.html", "<html><body>page</body></html>");

    m_driver->RefreshPageViews();
    m_driver.reset();
    test::pump_for(kSettleTime);

    EXPECT_EQ(work_file(WorkFile::Source), "\r\n");
    EXPECT_EQ(m_source_code.LocationURL(), "");
}

struct EmptyPageCase {
    const char* name;
    const char* content_type; // nullptr: nothing is loaded in the "Browser" view
    const char* body;
};

void PrintTo(const EmptyPageCase& table_case, std::ostream* stream)
{
    *stream << table_case.name;
}

class EmptyPage : public PageViewDriverTest, public testing::WithParamInterface<EmptyPageCase> {};

TEST_P(EmptyPage, StillWritesTheFilesAndShowsThem)
{
    if (GetParam().content_type) {
        m_server.serve("/doc", GetParam().content_type, GetParam().body);
        m_browser.Navigate(m_server.address("/doc"));
        ASSERT_TRUE(m_browser_loads.wait_for(1));
    }
    m_references.image_tags.push_back({"http://stale.example/a.gif", "a.gif"});
    refresh_and_wait();

    EXPECT_EQ(work_file(WorkFile::Source), "\r\n");
    EXPECT_EQ(work_file(WorkFile::ImagePage), "\r\n");
    EXPECT_EQ(m_references, PageReferences{});
    EXPECT_EQ(m_source_code.LocationURL(), test::file_uri(m_files.path(WorkFile::Source)));
    EXPECT_EQ(m_images.LocationURL(), test::file_uri(m_files.path(WorkFile::ImagePage)));
}

INSTANTIATE_TEST_SUITE_P(
    Documents, EmptyPage,
    testing::Values(EmptyPageCase{"NothingLoaded", nullptr, nullptr},
                    EmptyPageCase{"DocumentWithoutBody", "image/svg+xml",
                                  "<svg xmlns=\"http://www.w3.org/2000/svg\"><image href=\"a.gif\"/></svg>"}),
    [](const testing::TestParamInfo<EmptyPageCase>& info) { return info.param.name; });

TEST_F(PageViewDriverTest, UnwritableFileIsReportedOnceTheGeneratedViewsHaveLoaded)
{
    load_in_browser("/page.html", "<html><body><img src=\"a.gif\"></body></html>");
    std::filesystem::remove(m_files.path(WorkFile::Source));
    std::filesystem::create_directory(m_files.path(WorkFile::Source));
    std::vector<std::string> reports;
    std::vector<int> generated_loads_at_report;
    m_driver->run_notice().connect([&](const std::string& message) {
        reports.push_back(message);
        generated_loads_at_report.push_back(m_source_code_loads.count() + m_images_loads.count());
    });

    refresh_and_wait();
    test::pump_for(kSettleTime);

    const std::string expected =
        "Work files: cannot write " + m_files.path(WorkFile::Source).string() + ": Is a directory";
    EXPECT_EQ(reports, (std::vector<std::string>{expected, expected}));
    EXPECT_EQ(generated_loads_at_report, (std::vector<int>{1, 2})) << "once after each generated view has loaded";
    EXPECT_NE(work_file(WorkFile::ImagePage).find("a.gif"), std::string::npos) << "the other files are still written";
}

}
}
