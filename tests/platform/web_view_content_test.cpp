#include "web_view_fixture.h"

#include "support/main_loop.h"

#include <gio/gio.h>
#include <gtkmm/window.h>
#include <webkit/webkit.h>

namespace quillet::test {
namespace {

using platform::ViewContent;
using platform::WebView;

WebKitWebView* engine_of(WebView& view)
{
    return WEBKIT_WEB_VIEW(view.widget().gobj());
}

// Runs `script` as the user would through the engine (with a user gesture, as a click is).
void run_script(WebView& view, const char* script)
{
    webkit_web_view_evaluate_javascript(engine_of(view), script, -1, nullptr, nullptr, nullptr, nullptr, nullptr);
}

TEST_F(WebViewTest, ReadBodyHtmlGivesTheBodyOrNothing)
{
    auto& view = add_view();
    ViewEvents events(view);
    EXPECT_EQ(read_body(view), std::nullopt) << "nothing loaded yet";

    load_file(view, events,
              write_page("page.html", "<html><head><title>t</title></head><body class=\"k\">A &amp; B</body></html>"));
    EXPECT_EQ(read_body(view), "<body class=\"k\">A &amp; B</body>");

    load_file(view, events, write_page("empty.html", ""));
    EXPECT_EQ(read_body(view), "<body></body>");

    load_file(view, events,
              write_page("drawing.svg", "<svg xmlns='http://www.w3.org/2000/svg'><title>S</title></svg>"));
    EXPECT_EQ(read_body(view), std::nullopt) << "a document without body";
}

TEST_F(WebViewTest, CancelledReadNeverAnswers)
{
    auto& view = add_view();
    ViewEvents events(view);
    load_file(view, events, write_page("page.html", "<p>x</p>"));

    GCancellable* cancellable = g_cancellable_new();
    auto answered = std::make_shared<bool>(false);
    // The view answers its reads in order: once a later read has answered, the cancelled one never will.
    view.read_page(cancellable, [answered](platform::PageContent) { *answered = true; });
    g_cancellable_cancel(cancellable);
    EXPECT_TRUE(read_body(view));
    EXPECT_FALSE(*answered);

    GCancellable* cancelled_before = g_cancellable_new();
    g_cancellable_cancel(cancelled_before);
    view.read_page(cancelled_before, [answered](platform::PageContent) { *answered = true; });
    EXPECT_TRUE(read_body(view));
    EXPECT_FALSE(*answered);
    g_object_unref(cancellable);
    g_object_unref(cancelled_before);
}

// The served page is what the server sent, head and all, before any script changed it.
std::optional<std::string> served_page_of(WebView& view)
{
    auto answer = std::make_shared<std::optional<std::optional<std::string>>>();
    view.read_served_page(nullptr, [answer](std::optional<std::string> page) { *answer = std::move(page); });
    EXPECT_TRUE(pump_until([&] { return answer->has_value(); })) << "the view never gave its served page";
    return answer->value_or(std::nullopt);
}

TEST_F(WebViewTest, ServedPageIsTheFileAsWrittenDecodedByItsCharset)
{
    auto& view = add_view();
    ViewEvents events(view);
    EXPECT_EQ(served_page_of(view), std::nullopt) << "nothing loaded yet";

    const std::string head = "<!DOCTYPE html><html><head><meta charset=windows-1252><title>t</title></head>";
    load_file(view, events, write_page("page.html", head + "<body>caf\xe9 <img id=i src=old.png>"
                                                           "<script>i.src = 'new.png'</script></body></html>"));
    EXPECT_EQ(served_page_of(view), head + "<body>caf\u00e9 <img id=i src=old.png>"
                                           "<script>i.src = 'new.png'</script></body></html>");
    EXPECT_NE(read_body(view)->find("new.png"), std::string::npos) << "the page as rendered changed";
}

TEST_F(WebViewTest, SilentViewAnswersScriptDialogsUnseenAndCompletes)
{
    auto& view = add_view();
    view.set_Silent(true);
    EXPECT_TRUE(view.Silent());
    ViewEvents events(view);
    const auto windows_before = Gtk::Window::list_toplevels().size();

    load_file(view, events, write_page("dialogs.html", "<p>p</p><script>"
                                                       "alert('hello');"
                                                       "document.title = confirm('sure?') + ',' + prompt('name?', 'x');"
                                                       "</script>"));
    ASSERT_TRUE(pump_until([&] { return view.LocationName() != view.LocationURL(); }));
    EXPECT_EQ(view.LocationName(), "false,null");
    EXPECT_EQ(Gtk::Window::list_toplevels().size(), windows_before);
}

TEST_F(WebViewTest, SilentViewDeniesPermissionRequests)
{
    auto& view = add_view();
    view.set_Silent(true);
    ViewEvents events(view);

    load_file(view, events, write_page("ask.html", "<p>ask</p>"));
    run_script(view, "Notification.requestPermission().then(answer => document.title = answer)");
    ASSERT_TRUE(pump_until([&] { return events.saw("title: denied"); }));
}

TEST_F(WebViewTest, GeneratedFilesRunNoPageScriptButReadTheBodyAsUtf8)
{
    auto& live = add_view(ViewContent::LivePages);
    auto& generated = add_view(ViewContent::GeneratedFiles);
    ViewEvents live_events(live);
    ViewEvents generated_events(generated);
    // UTF-8 without any charset declaration, as the generated files are written.
    const std::string text = "Gr\u00fc\u00dfe \u2014 \u65e5\u672c \u00e9t\u00e9";
    const auto page = write_page("source.htm", "<p id=p>" + text + "</p><script>"
                                               "document.getElementById('p').textContent = 'chan' + 'ged';"
                                               "</script>");

    load_file(live, live_events, page);
    load_file(generated, generated_events, page);

    const auto live_body = read_body(live);
    ASSERT_TRUE(live_body);
    EXPECT_NE(live_body->find("<p id=\"p\">changed</p>"), std::string::npos) << *live_body;

    const auto generated_body = read_body(generated);
    ASSERT_TRUE(generated_body);
    EXPECT_NE(generated_body->find("<p id=\"p\">" + text + "</p>"), std::string::npos) << *generated_body;
}

TEST_F(WebViewTest, NewWindowRequestsLoadInTheSameView)
{
    auto& view = add_view();
    ViewEvents events(view);
    const auto opened = write_page("opened.html", "<p>opened</p>");
    const auto linked = write_page("linked.html", "<p>linked</p>");
    load_file(view, events, write_page("opener.html", "<a id=l target=_blank href='linked.html'>new tab</a>"));

    run_script(view, "document.getElementById('l').click()");
    ASSERT_TRUE(events.wait_for_completions(2));
    EXPECT_EQ(view.LocationURL(), file_uri(linked));

    run_script(view, "window.open('opened.html', 'other')");
    ASSERT_TRUE(events.wait_for_completions(3));
    EXPECT_EQ(view.LocationURL(), file_uri(opened));
    EXPECT_EQ(Gtk::Window::list_toplevels().size(), 1u);
}

TEST_F(WebViewTest, ProcessPartnersShareOneWebProcess)
{
    auto& first = add_view(ViewContent::GeneratedFiles);
    auto& partner = add_view(ViewContent::GeneratedFiles, &first);
    auto& separate = add_view(ViewContent::LivePages);
    ViewEvents first_events(first);
    ViewEvents partner_events(partner);
    ViewEvents separate_events(separate);
    const auto page = write_page("page.html", "<p>x</p>");
    load_file(first, first_events, page);
    load_file(partner, partner_events, page);
    load_file(separate, separate_events, page);

    webkit_web_view_terminate_web_process(engine_of(first));
    ASSERT_TRUE(pump_until([&] { return partner_events.saw("status: The page was closed"); }));
    // A view of the ended process hears of it with the partner; the separate one still shows its page.
    EXPECT_EQ(read_body(separate), "<body><p>x</p></body>");
    EXPECT_FALSE(separate_events.saw("status: The page was closed"));
}

}
}
