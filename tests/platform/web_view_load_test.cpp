#include "local_sockets.h"
#include "web_view_fixture.h"

#include "support/main_loop.h"
#include "support/test_files.h"

#include <webkit/webkit.h>

#include <algorithm>

namespace quillet::test {
namespace {

using namespace std::chrono_literals;
using platform::WebView;

// Whatever a late event would add shows up within this time.
constexpr auto kSettleTime = 400ms;

std::size_t index_of(const std::vector<std::string>& lines, const std::string& line)
{
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

WebKitWebView* engine_of(WebView& view)
{
    return WEBKIT_WEB_VIEW(view.widget().gobj());
}

TEST_F(WebViewTest, LoadReportsStatusProgressTitleAndCompletesOnce)
{
    auto& view = add_view();
    ViewEvents events(view);
    const auto page = write_page("titled.html", "<html><head><title>Tide Tables</title></head><body>x</body></html>");

    view.Navigate2(page.string());
    ASSERT_TRUE(events.wait_for_completions(1));
    ASSERT_TRUE(pump_until([&] { return events.saw("title: Tide Tables"); }));
    pump_for(kSettleTime);

    const auto& lines = events.lines();
    const auto opening = index_of(lines, "status: Opening " + file_uri(page) + "...");
    const auto done = index_of(lines, "status: Done");
    const auto final_progress = index_of(lines, "progress: -1/100");
    const auto complete = index_of(lines, "complete");
    ASSERT_LT(complete, lines.size());
    EXPECT_LT(opening, done);
    EXPECT_LT(done, final_progress);
    EXPECT_LT(final_progress, complete);
    const auto progress_during_load = index_of(lines, "progress: 100/100");
    EXPECT_LT(opening, progress_during_load);
    EXPECT_LT(progress_during_load, done);
    EXPECT_EQ(events.completions(), 1);
    EXPECT_EQ(view.LocationURL(), file_uri(page));
    EXPECT_EQ(view.LocationName(), "Tide Tables");
}

TEST_F(WebViewTest, PageWithoutTitleIsNamedByItsAddress)
{
    auto& view = add_view();
    ViewEvents events(view);
    const auto page = write_page("untitled.html", "<p>no title here</p>");

    load_file(view, events, page);
    EXPECT_EQ(view.LocationName(), file_uri(page));
    EXPECT_TRUE(events.saw("title: " + file_uri(page)));
}

TEST_F(WebViewTest, NavigateTakesABarePathAsALocalFile)
{
    auto& view = add_view();
    ViewEvents events(view);
    const auto page = write_page("local page.html", "<p>local</p>");

    view.Navigate("  " + page.string() + " ");
    ASSERT_TRUE(events.wait_for_completions(1));
    EXPECT_EQ(view.LocationURL(), file_uri(page));
    EXPECT_EQ(read_body(view), "<body><p>local</p></body>");
}

TEST_F(WebViewTest, Navigate2TakesAPathRelativeToTheCurrentDirectory)
{
    auto& view = add_view();
    ViewEvents events(view);
    const auto page = write_page("relative.html", "<p>relative</p>");
    const WorkingDirectory working(m_pages.path());

    load_file(view, events, "relative.html");
    EXPECT_EQ(view.LocationURL(), file_uri(page));
}

// A closed port fails the load; a restricted one the engine refuses with a blank page of its own.
TEST_F(WebViewTest, AnAddressThatCannotBeOpenedShowsWhyAndCompletesOnce)
{
    struct Case {
        std::string address;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"http://127.0.0.1:" + std::to_string(closed_port()) + "/missing.html", "refused"},
        {"http://127.0.0.1:9/missing.html", "restricted network port"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        auto& view = add_view();
        ViewEvents events(view);

        view.Navigate(c.address);
        ASSERT_TRUE(events.wait_for_completions(1));
        pump_for(kSettleTime);

        EXPECT_EQ(events.completions(), 1);
        EXPECT_EQ(view.LocationURL(), c.address);
        EXPECT_EQ(view.LocationName(), c.address);
        const auto error = events.last_status();
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_EQ(read_body(view), "<body><p>Cannot open " + c.address + "</p><p>" + error + "</p></body>");
        EXPECT_EQ(events.lines().back(), "complete");
    }
}

TEST_F(WebViewTest, MissingLocalFileCompletesOnceWithItsError)
{
    auto& view = add_view();
    ViewEvents events(view);

    view.Navigate2((m_pages.path() / "gone <b>.html").string());
    ASSERT_TRUE(events.wait_for_completions(1));
    pump_for(kSettleTime);

    EXPECT_EQ(events.completions(), 1);
    // The error names the file; its markup stays text on the error page.
    const auto body = read_body(view);
    ASSERT_TRUE(body);
    EXPECT_NE(body->find("gone &lt;b&gt;.html"), std::string::npos) << *body;
}

TEST_F(WebViewTest, StopDuringALoadCompletesItOnce)
{
    auto& view = add_view();
    ViewEvents events(view);
    SilentServer server;

    view.Navigate(server.address("/slow.html"));
    ASSERT_TRUE(pump_until([&] { return events.last_status().starts_with("Opening "); }));
    pump_for(200ms);
    EXPECT_EQ(events.completions(), 0) << testing::PrintToString(events.lines());

    view.Stop();
    ASSERT_TRUE(events.wait_for_completions(1));
    pump_for(kSettleTime);
    EXPECT_EQ(events.completions(), 1);
    EXPECT_TRUE(events.saw("progress: -1/100"));
}

TEST_F(WebViewTest, NewNavigationDuringALoadCompletesBoth)
{
    auto& view = add_view();
    ViewEvents events(view);
    SilentServer server;
    const auto page = write_page("next.html", "<p>next</p>");

    view.Navigate(server.address("/slow.html"));
    ASSERT_TRUE(pump_until([&] { return events.last_status().starts_with("Opening "); }));
    view.Navigate2(page.string());
    ASSERT_TRUE(events.wait_for_completions(2));
    pump_for(kSettleTime);

    EXPECT_EQ(events.completions(), 2);
    EXPECT_EQ(view.LocationURL(), file_uri(page));
    EXPECT_EQ(events.last_status(), "Done");
}

TEST_F(WebViewTest, EndedWebProcessCompletesTheLoadAndTheViewRecovers)
{
    auto& view = add_view();
    ViewEvents events(view);
    SilentServer server;

    view.Navigate(server.address("/slow.html"));
    ASSERT_TRUE(pump_until([&] { return events.last_status().starts_with("Opening "); }));
    webkit_web_view_terminate_web_process(engine_of(view));
    ASSERT_TRUE(events.wait_for_completions(1));
    EXPECT_EQ(events.last_status(), "The page was closed");

    load_file(view, events, write_page("after.html", "<p>after</p>"));
    EXPECT_EQ(read_body(view), "<body><p>after</p></body>");
}

TEST_F(WebViewTest, BackAndForwardMoveThroughTheViewsHistory)
{
    auto& view = add_view();
    ViewEvents events(view);
    const auto first = write_page("first.html", "<p>1</p>");
    const auto second = write_page("second.html", "<p>2</p>");

    view.GoBack();
    pump_for(kSettleTime);
    EXPECT_EQ(events.completions(), 0);

    load_file(view, events, first);
    load_file(view, events, second);
    view.GoBack();
    ASSERT_TRUE(events.wait_for_completions(3));
    EXPECT_EQ(view.LocationURL(), file_uri(first));
    view.GoForward();
    ASSERT_TRUE(events.wait_for_completions(4));
    EXPECT_EQ(view.LocationURL(), file_uri(second));

    view.GoForward();
    pump_for(kSettleTime);
    EXPECT_EQ(events.completions(), 4);
}

TEST_F(WebViewTest, HomeAndRefreshLoadAndComplete)
{
    auto& view = add_view();
    ViewEvents events(view);
    const auto home = write_page("home.html", "<p>home</p>");

    view.GoHome();
    ASSERT_TRUE(events.wait_for_completions(1));
    EXPECT_EQ(view.LocationURL(), "about:blank");

    view.set_home_page(home.string());
    view.GoHome();
    ASSERT_TRUE(events.wait_for_completions(2));
    EXPECT_EQ(view.LocationURL(), file_uri(home));

    view.Refresh();
    ASSERT_TRUE(events.wait_for_completions(3));
    EXPECT_EQ(view.LocationURL(), file_uri(home));
}

TEST_F(WebViewTest, RewrittenFileShowsItsNewContentOnTheNextNavigate)
{
    auto& view = add_view(platform::ViewContent::GeneratedFiles);
    ViewEvents events(view);
    const auto page = write_page("generated.htm", "<p>first run</p>");

    load_file(view, events, page);
    write_page("generated.htm", "<p>second run</p>");
    load_file(view, events, page);
    EXPECT_EQ(read_body(view), "<body><p>second run</p></body>");
}

TEST_F(WebViewTest, DestroyedViewHearsNothingMoreAndIsFreedWithItsWindow)
{
    SilentServer server;
    auto& view = add_view();
    GtkWidget* engine = GTK_WIDGET(engine_of(view));
    bool finalized = false;
    g_object_weak_ref(G_OBJECT(engine), [](gpointer data, GObject*) { *static_cast<bool*>(data) = true; }, &finalized);

    int reports = 0;
    view.StatusTextChange().connect([&](const std::string&) { ++reports; });
    view.Navigate(server.address("/slow.html"));
    ASSERT_TRUE(pump_until([&] { return reports > 0; }));

    m_views.clear();
    const int reports_at_destruction = reports;
    webkit_web_view_stop_loading(WEBKIT_WEB_VIEW(engine));
    pump_for(kSettleTime);
    EXPECT_EQ(reports, reports_at_destruction);
    EXPECT_FALSE(finalized) << "the window still shows the widget";

    m_box.remove(*Glib::wrap(engine));
    EXPECT_TRUE(pump_until([&] { return finalized; }));
}

}
}
