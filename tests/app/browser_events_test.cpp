#include "browsing_window.h"

#include "support/isolated_environment.h"
#include "support/main_loop.h"
#include "ui/brand_identity.h"
#include "ui/brand_texts.h"
#include "ui/program_settings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <vector>

namespace quillet {
namespace {

using namespace std::chrono_literals;
using test::BrowsingWindow;

constexpr auto kSettleTime = 500ms;

struct ProgressReport {
    int view;
    int progress;
    int maximum;
};

struct ProgressCase {
    const char* name;
    std::vector<ProgressReport> reports;
    double maximum;
    double value;
};

void PrintTo(const ProgressCase& table_case, std::ostream* stream)
{
    *stream << table_case.name;
}

// The window's part: which views drive the bar, and the order that lets the bar take any maximum.
class ProgressBar : public BrowsingWindow, public testing::WithParamInterface<ProgressCase> {};

TEST_P(ProgressBar, EndsWithTheStatedMaximumAndValue)
{
    for (const ProgressReport& report : GetParam().reports)
        window().wb(report.view).ProgressChange().emit(report.progress, report.maximum);
    EXPECT_DOUBLE_EQ(controls().pb1.get_max_value(), GetParam().maximum);
    EXPECT_FLOAT_EQ(static_cast<float>(controls().pb1.get_value()), static_cast<float>(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProgressBar,
    testing::Values(ProgressCase{"ZeroMaximumLeavesTheBar", {{0, 40, 100}, {0, 70, 0}}, 100, 40},
                    ProgressCase{"GeneratedViewsLeaveTheBar", {{0, 40, 100}, {1, 70, 100}, {2, 90, 100}}, 100, 40},
                    ProgressCase{"MaximumShrinksBelowTheValue", {{0, 500, 1000}, {0, 5, 10}}, 10, 5},
                    ProgressCase{"MaximumGrows", {{0, 5, 10}, {0, 500, 1000}}, 1000, 500}),
    [](const testing::TestParamInfo<ProgressCase>& info) { return info.param.name; });

class BrowserEvents : public BrowsingWindow {};

TEST_F(BrowserEvents, ProgressBarFollowsALoadAndEndsEmpty)
{
    std::vector<double> values;
    Gtk::LevelBar& progress_bar = controls().pb1;
    progress_bar.property_value().signal_changed().connect([&] { values.push_back(progress_bar.get_value()); });
    enter_address(serve_page("/page.html", "Page", "<p>page</p>"));
    ASSERT_TRUE(wait_for_page_views());

    ASSERT_FALSE(values.empty());
    EXPECT_DOUBLE_EQ(*std::max_element(values.begin(), values.end()), 100.0);
    EXPECT_DOUBLE_EQ(controls().pb1.get_max_value(), 100.0);
    EXPECT_FLOAT_EQ(static_cast<float>(controls().pb1.get_value()), 0.01F);
}

TEST_F(BrowserEvents, TitleChangeInTheImagesViewLeavesCaptionAndAddressBox)
{
    const std::string page = serve_page("/page.html", "Page", "<p>page</p>");
    enter_address(page);
    ASSERT_TRUE(wait_for_page_views());
    const std::string caption = window().get_title();
    ASSERT_EQ(caption, main_window_caption(brand_identity(), "Page"));

    window().wb(kImagesView).Navigate(serve_page("/other.html", "Other Title", "<p>other</p>"));
    ASSERT_TRUE(test::pump_until([&] { return window().wb(kImagesView).LocationName() == "Other Title"; }));
    test::pump_for(kSettleTime);

    EXPECT_EQ(std::string(window().get_title()), caption);
    EXPECT_EQ(controls().txtUrl.get_text().raw(), page);
}

// The page moves on by itself, as a followed link would; the address box and caption follow it.
TEST_F(BrowserEvents, AddressBoxAndCaptionFollowThePageOverWhatIsBeingTyped)
{
    const std::string target = serve_page("/target.html", "", "<p>no title</p>");
    m_server.serve("/start.html", "text/html",
                   "<html><head><title>Start</title><meta http-equiv=\"refresh\" content=\"1; url=target.html\">"
                   "</head><body>start</body></html>");
    enter_address(m_server.address("/start.html"));
    ASSERT_TRUE(wait_for_page_views());
    controls().txtUrl.set_text("something being typed");

    ASSERT_TRUE(wait_for_page_views());
    EXPECT_EQ(window().wb(kBrowserView).LocationURL(), target);
    EXPECT_EQ(controls().txtUrl.get_text().raw(), target);
    EXPECT_EQ(std::string(window().get_title()), main_window_caption(brand_identity(), target));
}

TEST_F(BrowserEvents, FailedLoadSaysWhatFailedAndTheProgramKeepsWorking)
{
    const std::string before = serve_page("/before.html", "Before", "<p>shown before</p>");
    enter_address(before);
    ASSERT_TRUE(wait_for_page_views());
    std::string unreachable;
    {
        const test::TestHttpServer gone;
        unreachable = gone.address("/nowhere.html");
    }
    std::vector<std::string> statuses;
    window().wb(kBrowserView).StatusTextChange().connect([&](const std::string& text) { statuses.push_back(text); });

    enter_address(unreachable);
    ASSERT_TRUE(wait_for_page_views());
    ASSERT_FALSE(statuses.empty());
    const std::string error = statuses.back();
    EXPECT_NE(error, "Done");
    const std::string body = test::body_of(window().wb(kBrowserView)).value_or("");
    EXPECT_NE(body.find(error), std::string::npos) << body;
    EXPECT_NE(body.find(unreachable), std::string::npos) << body;
    EXPECT_NE(work_file(WorkFile::Source).find(error), std::string::npos) << "the error page's source is shown";
    EXPECT_EQ(controls().txtUrl.get_text().raw(), unreachable);
    EXPECT_EQ(std::string(window().get_title()), main_window_caption(brand_identity(), unreachable));

    window().activate_action(action::kBack);
    ASSERT_TRUE(wait_for_page_views());
    EXPECT_EQ(window().wb(kBrowserView).LocationURL(), before);
    EXPECT_NE(work_file(WorkFile::Source).find("shown before"), std::string::npos);

    enter_address(serve_page("/page.html", "Page", "<p>working again</p>"));
    ASSERT_TRUE(wait_for_page_views());
    EXPECT_NE(work_file(WorkFile::Source).find("working again"), std::string::npos);
}

// A script changes the image: as rendered lists the new source, as served the document as sent.
TEST_F(BrowserEvents, SourceAsServedShowsTheDocumentAsSentBesideTheRenderedOne)
{
    enter_address(serve_page("/dir/page.html", "Page",
                             "<img id=\"pic\" src=\"old.gif\">\r\n"
                             "<script>document.getElementById('pic').src = 'new.gif';</script>"));
    ASSERT_TRUE(wait_for_page_views());
    const std::string old_link = "<a href=\"" + m_server.address("/dir/old.gif") + "\">old.gif</a>";
    const std::string new_link = "<a href=\"" + m_server.address("/dir/new.gif") + "\">new.gif</a>";
    const std::string rendered = test::body_of(window().wb(kSourceCodeView)).value_or("");
    EXPECT_NE(rendered.find(new_link), std::string::npos) << rendered;
    EXPECT_EQ(rendered.find("old.gif"), std::string::npos) << rendered;
    EXPECT_EQ(controls().sb1.panel_text(1), "Images: 1 only in the page as rendered, 1 only in the page as served");

    ASSERT_EQ(controls().menu_bar.item_caption(Menu::View, 5), "Source as Served");
    const int source_loads = loads(kSourceCodeView).count();
    ASSERT_TRUE(controls().menu_bar.choose(Menu::View, 5));
    ASSERT_TRUE(loads(kSourceCodeView).wait_for(source_loads + 1));
    EXPECT_EQ(window().wb(kSourceCodeView).LocationURL(), work_file_uri(WorkFile::Served));
    const std::string served = test::body_of(window().wb(kSourceCodeView)).value_or("");
    EXPECT_NE(served.find("<l></l>&lt;!DOCTYPE html&gt;&lt;html&gt;&lt;head&gt;&lt;title&gt;Page"), std::string::npos)
        << served;
    EXPECT_NE(served.find(old_link + "\"&gt;\n<l></l>&lt;script&gt;"), std::string::npos) << served;
    EXPECT_EQ(served.find(new_link), std::string::npos) << "new.gif stands only in the script's text";
    std::optional<unsigned> matches; // the document has no digit: its line numbers are no text
    window().wb(kSourceCodeView).FindResult().connect([&](unsigned found) { matches = found; });
    window().wb(kSourceCodeView).find_text("1");
    ASSERT_TRUE(test::pump_until([&] { return matches.has_value(); }));
    EXPECT_EQ(*matches, 0U);
    EXPECT_EQ(ProgramSettings(brand_identity().ProductTitle).source_listing(), SourceListing::AsServed);

    ASSERT_TRUE(controls().menu_bar.choose(Menu::View, 4));
    ASSERT_TRUE(loads(kSourceCodeView).wait_for(source_loads + 2));
    EXPECT_EQ(window().wb(kSourceCodeView).LocationURL(), work_file_uri(WorkFile::Source));
    EXPECT_EQ(ProgramSettings(brand_identity().ProductTitle).source_listing(), SourceListing::AsRendered);
}

TEST_F(BrowserEvents, GeneratedViewsSayWhichPageTheyStillShowUntilTheNewOneIsShown)
{
    const std::string first = serve_page("/first.html", "First", "<img src=\"a.gif\">");
    enter_address(first);
    ASSERT_TRUE(wait_for_page_views());
    window().SelectView(kImagesView);
    const ViewsBehindBar& bar = controls().views_behind;
    Gtk::Notebook& tabs = controls().TabStrip1;
    const auto images_tab = [&] { return std::string(tabs.get_tab_label_text(*tabs.get_nth_page(kImagesView))); };
    EXPECT_FALSE(bar.get_visible());

    m_server.serve("/slow.html", "text/html", "<html><body><img src=\"b.gif\"></body></html>", 1500ms);
    const std::string slow = m_server.address("/slow.html");
    enter_address(slow);
    ASSERT_TRUE(test::pump_until([&] { return bar.get_visible(); }));
    EXPECT_EQ(bar.text(), "Still showing " + first + ": the new page is loading");
    EXPECT_EQ(images_tab(), "Images (previous page)");
    EXPECT_EQ(window().page_references().image_tags.at(0).file_name, "a.gif") << "the list the tab shows";
    ASSERT_TRUE(wait_for_page_views());
    EXPECT_FALSE(bar.get_visible());
    EXPECT_EQ(images_tab(), "Images");
    EXPECT_EQ(window().page_references().image_tags.at(0).file_name, "b.gif");

    std::string unreachable;
    {
        const test::TestHttpServer gone;
        unreachable = gone.address("/nowhere.html");
    }
    const int source_code_loads = loads(kSourceCodeView).count();
    enter_address(unreachable);
    EXPECT_TRUE(test::pump_until([&] { return bar.text() == "Still showing " + slow + ": the new page did not load"; }))
        << bar.text();
    ASSERT_TRUE(test::pump_until([&] { return !bar.get_visible(); }));
    EXPECT_EQ(loads(kSourceCodeView).count(), source_code_loads + 1) << "until both views show the error page";
}

// Anything the engine would hand to a download, whatever folder it would land in.
bool home_holds_file_named_like(const std::string& name)
{
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator entry(test::environment().home(), error), end;
         !error && entry != end; entry.increment(error)) {
        if (entry->path().filename().string().find(name) != std::string::npos)
            return true;
    }
    return false;
}

TEST_F(BrowserEvents, AnAnswerThatIsNoPageIsNamedAndNothingIsWritten)
{
    const std::string page = serve_page("/page.html", "Page", "<p>shown before</p>");
    enter_address(page);
    ASSERT_TRUE(wait_for_page_views());
    m_server.serve("/big.bin", "application/octet-stream", std::string(3'000'000, 'x'));
    const std::string binary = m_server.address("/big.bin");

    const int generated_loads = loads(kSourceCodeView).count();

    enter_address(binary);
    // The size as the desktop writes sizes, its unit joined by a no-break space.
    const std::string said = binary + " is no page (application/octet-stream, 3.0\xC2\xA0MB)";
    ASSERT_TRUE(test::pump_until([&] { return controls().sb1.panel_text(1) == said; })) << controls().sb1.panel_text(1);

    test::pump_for(kSettleTime);
    EXPECT_EQ(controls().sb1.panel_text(1), said);
    EXPECT_EQ(loads(kSourceCodeView).count(), generated_loads) << "the page shown needs no new views";
    EXPECT_EQ(window().wb(kBrowserView).LocationURL(), page);
    EXPECT_EQ(controls().txtUrl.get_text().raw(), page);
    EXPECT_EQ(std::string(window().get_title()), main_window_caption(brand_identity(), "Page"));
    EXPECT_NE(test::body_of(window().wb(kBrowserView)).value_or("").find("shown before"), std::string::npos);
    EXPECT_FALSE(home_holds_file_named_like("big.bin"));
}

class UnwritableWorkFile : public BrowsingWindow {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(m_program.path() / file_name_of(WorkFile::Source));
        BrowsingWindow::SetUp();
    }
};

TEST_F(UnwritableWorkFile, IsNamedInTheStatusBarWhileTheOtherFilesAreStillWritten)
{
    enter_address(serve_page("/page.html", "Page", "<img src=\"a.gif\">"));
    ASSERT_TRUE(wait_for_page_views());
    test::pump_for(kSettleTime);

    const std::string source = (m_program.path() / file_name_of(WorkFile::Source)).string();
    EXPECT_EQ(controls().sb1.panel_text(1), "Work files: cannot write " + source + ": Is a directory");
    EXPECT_NE(work_file(WorkFile::ImagePage).find("a.gif"), std::string::npos);
}

// Prints the time from the end of a large page's load to both generated views having loaded.
TEST_F(BrowserEvents, LargePageTiming)
{
    constexpr int kImages = 2000;
    const std::string gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff!\xf9\x04\x01\x00\x00\x00\x00,"
                          "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                          43);
    std::string body;
    const std::string filler(500, 'x');
    for (int image = 0; image < kImages; ++image) {
        const std::string path = "/big/img/" + std::to_string(image) + ".gif";
        m_server.serve(path, "image/gif", gif);
        body += "<p>" + filler + " <img src=\"img/" + std::to_string(image) + ".gif\"></p>\n";
    }
    const std::string page = serve_page("/big/page.html", "Big", body);

    std::chrono::steady_clock::time_point loaded;
    window().wb(kBrowserView).DownloadComplete().connect([&] { loaded = std::chrono::steady_clock::now(); });
    enter_address(page);
    ASSERT_TRUE(wait_for_page_views());
    const auto shown = std::chrono::steady_clock::now();

    EXPECT_EQ(window().page_references().image_tags.size(), static_cast<std::size_t>(kImages));
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(shown - loaded).count();
    std::cout << "[ FIGURE   ] page of " << body.size() / 1024 << " KiB with " << kImages
              << " images: generated views shown " << milliseconds << " ms after the page loaded\n";
}

}
}
