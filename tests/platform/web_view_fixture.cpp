#include "web_view_fixture.h"

#include "support/main_loop.h"
#include "support/page_probe.h"
#include "support/test_files.h"

#include <algorithm>

namespace quillet::test {

ViewEvents::ViewEvents(platform::WebView& view)
{
    m_connections.push_back(view.StatusTextChange().connect(
        [this](const std::string& text) { m_lines.push_back("status: " + text); }));
    m_connections.push_back(view.ProgressChange().connect([this](int progress, int maximum) {
        m_lines.push_back("progress: " + std::to_string(progress) + "/" + std::to_string(maximum));
    }));
    m_connections.push_back(view.TitleChange().connect(
        [this](const std::string& title) { m_lines.push_back("title: " + title); }));
    m_connections.push_back(view.DownloadComplete().connect([this] {
        m_lines.push_back("complete");
        ++m_completions;
    }));
}

ViewEvents::~ViewEvents()
{
    for (auto& connection : m_connections)
        connection.disconnect();
}

std::string ViewEvents::last_status() const
{
    const auto found = std::find_if(m_lines.rbegin(), m_lines.rend(),
                                    [](const std::string& line) { return line.starts_with("status: "); });
    return found == m_lines.rend() ? std::string() : found->substr(8);
}

bool ViewEvents::saw(const std::string& line) const
{
    return std::find(m_lines.begin(), m_lines.end(), line) != m_lines.end();
}

bool ViewEvents::wait_for_completions(int count)
{
    return pump_until([&] { return m_completions >= count; });
}

WebViewTest::WebViewTest()
    : m_box(Gtk::Orientation::VERTICAL)
{
    m_window.set_default_size(800, 600);
    m_window.set_child(m_box);
    m_window.present();
}

WebViewTest::~WebViewTest() = default;

platform::WebView& WebViewTest::add_view(platform::ViewContent content, platform::WebView* process_partner)
{
    auto& view = *m_views.emplace_back(std::make_unique<platform::WebView>(m_session, content, process_partner));
    view.widget().set_expand(true);
    m_box.append(view.widget());
    return view;
}

std::filesystem::path WebViewTest::write_page(const std::string& name, const std::string& html)
{
    const auto path = m_pages.path() / name;
    write_file(path, html);
    return path;
}

void WebViewTest::load_file(platform::WebView& view, ViewEvents& events, const std::filesystem::path& path)
{
    const int before = events.completions();
    view.Navigate2(path.string());
    ASSERT_TRUE(events.wait_for_completions(before + 1)) << "no completion loading " << path;
}

std::optional<std::string> WebViewTest::read_body(platform::WebView& view)
{
    return test::page_of(view).body_html;
}

}
