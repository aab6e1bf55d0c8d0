#pragma once

#include "platform/web_view.h"

#include "support/page_probe.h"
#include "support/temp_directory.h"

#include <gtest/gtest.h>
#include <gtkmm/box.h>
#include <gtkmm/window.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillet::test {

// Everything a view reports, one line each: "status: <text>", "progress: <p>/<max>",
// "title: <text>", "complete".
class ViewEvents {
public:
    explicit ViewEvents(platform::WebView& view);
    ~ViewEvents();
    ViewEvents(const ViewEvents&) = delete;
    ViewEvents& operator=(const ViewEvents&) = delete;

    const std::vector<std::string>& lines() const { return m_lines; }
    int completions() const { return m_completions; }
    std::string last_status() const;
    bool saw(const std::string& line) const;

    // Pumps the main loop until `count` navigations have completed in all; false on timeout.
    [[nodiscard]] bool wait_for_completions(int count);

private:
    std::vector<std::string> m_lines;
    int m_completions = 0;
    std::vector<sigc::connection> m_connections;
};

// Views in a shown window, one session, and a folder for the test's pages.
class WebViewTest : public ::testing::Test {
protected:
    WebViewTest();
    ~WebViewTest() override;

    platform::WebView& add_view(platform::ViewContent content = platform::ViewContent::LivePages,
                                platform::WebView* process_partner = nullptr);
    std::filesystem::path write_page(const std::string& name, const std::string& html);

    // Loads `path` with Navigate2 and waits for its completion.
    void load_file(platform::WebView& view, ViewEvents& events, const std::filesystem::path& path);
    // The body HTML as a page-view run reads it; fails the test when it never answers.
    std::optional<std::string> read_body(platform::WebView& view);

    TempDirectory m_pages;
    platform::WebSession m_session;
    Gtk::Window m_window;
    Gtk::Box m_box;
    std::vector<std::unique_ptr<platform::WebView>> m_views;
};

}
