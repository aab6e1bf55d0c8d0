#pragma once

#include "app/main_window.h"

#include "browsing_probes.h"
#include "main_window_test_access.h"
#include "support/temp_directory.h"
#include "support/test_http_server.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

namespace quillet::test {

// A shown main window whose home page is served over HTTP like the test's pages (a page of the
// same site, so the web processes kept from the test before serve this one), with each view's
// completed loads counted. Set-up waits until the home page and its generated views show.
class BrowsingWindow : public testing::Test {
protected:
    void SetUp() override;

    Form1& window() { return *m_window; }
    MainWindowControls& controls() { return test::controls(*m_window); }
    LoadCounter& loads(int view) { return *m_loads.at(static_cast<std::size_t>(view)); }

    // Serves a page with this title and body at `path` and returns its address.
    std::string serve_page(const std::string& path, const std::string& title, const std::string& body);
    // Types `address` into the address box and presses Enter.
    void enter_address(const std::string& address);
    // Waits for the "Browser" view's next completed load and for both generated views after it.
    [[nodiscard]] bool wait_for_page_views();

    std::string work_file(WorkFile file) const;
    std::string work_file_uri(WorkFile file) const;

    TestHttpServer m_server;
    TempDirectory m_pages;
    TempDirectory m_program;
    std::string m_home_page;

private:
    // Declared after what the window uses, and the counters after the window, so each goes first.
    std::unique_ptr<Form1> m_window;
    std::array<std::unique_ptr<LoadCounter>, kViewCount> m_loads;
};

}
