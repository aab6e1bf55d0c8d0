// quillet-gui-bench: page loads in the real window next to a bare WebKit view of the same engine,
// the steps of the run after each load, and the start-up. Needs a display.
//   quillet-gui-bench [saved-page.html ...]
//   quillet-gui-bench --image-details    (the Image Details figures alone)
#include "bare_view_load.h"
#include "loopback_server.h"
#include "page_generator.h"
#include "process_timer.h"
#include "run_trace.h"

#include "app/main_window.h"
#include "platform/executable_resource.h"
#include "platform/web_view.h"
#include "ui/brand_identity.h"
#include "support/isolated_environment.h"
#include "support/page_probe.h"
#include "support/test_files.h"
#include "ui/program_settings.h"

#include <glib.h>
#include <glibmm/main.h>
#include <gtk/gtk.h>
#include <gtkmm/init.h>
#include <gtkmm/window.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace quillet;
using namespace quillet::bench;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 5;
constexpr double kSplashSeconds = 75 * 0.013;

double seconds_since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The generated pages name a host of their own for some images; here every image is asked of the
// loopback server, since a name lookup without a network would measure only its time-out.
std::string on_loopback(std::string page)
{
    constexpr std::string_view kOtherHost = "http://cdn.example.net/";
    for (std::size_t at = page.find(kOtherHost); at != std::string::npos; at = page.find(kOtherHost, at))
        page.replace(at, kOtherHost.size(), "/");
    return page;
}

struct BenchPage {
    std::string title;
    std::string file_name;
};

std::vector<BenchPage> write_pages(const fs::path& folder, int argc, char** argv)
{
    constexpr std::size_t kMegabyte = 1'000'000;
    std::vector<BenchPage> pages;
    for (const std::size_t megabytes : {1, 3, 10}) {
        const std::string name = "generated-" + std::to_string(megabytes) + ".html";
        const std::string body = on_loopback(generate_page({megabytes * kMegabyte, megabytes * 1900, LineBreaks::Kept}, 7));
        test::write_file(folder / name, "<!DOCTYPE html><html><head><title>Bench</title></head><body>" + body + "</body></html>");
        pages.push_back({"generated " + std::to_string(megabytes) + " MB", name});
    }
    for (int i = 1; i < argc; ++i) {
        const fs::path saved = argv[i];
        fs::copy_file(saved, folder / saved.filename(), fs::copy_options::overwrite_existing);
        pages.push_back({saved.filename().string(), saved.filename().string()});
    }
    test::write_file(folder / "home.html", "<!DOCTYPE html><html><head><title>Home</title></head><body>home</body></html>");
    return pages;
}

bool pump_until(const std::function<bool()>& done)
{
    const auto deadline = Clock::now() + std::chrono::seconds(120);
    while (!done()) {
        if (Clock::now() > deadline)
            return false;
        g_main_context_iteration(nullptr, TRUE);
    }
    return true;
}

// Counts the completed loads of one view.
class Completions {
public:
    explicit Completions(platform::WebView& view)
        : m_connection(view.DownloadComplete().connect([this] { ++m_count; }))
    {
    }
    ~Completions() { m_connection.disconnect(); }

    bool wait_for_next() { return wait_for(m_count + 1); }
    // Waits until `count` loads in all have completed, those already completed counting too.
    bool wait_for(int count)
    {
        return pump_until([&] { return m_count >= count; });
    }
    int count() const { return m_count; }

private:
    int m_count = 0;
    sigc::connection m_connection;
};

void let_the_engine_settle();

struct WindowLoad {
    double view_0 = 0;
    double to_source_code = 0; // from view 0's load finished to the Source Code view's listing shown
    RunTrace trace;
};

// The listing shows once its body is displayed; the answer waits for the page's layout, which
// reading the document's height forces.
bool listing_shown(platform::WebView& view)
{
    return pump_until([&] {
        return test::script_text(view, "String(getComputedStyle(document.body).display != 'none'"
                                       " && document.documentElement.scrollHeight > 0)")
               == "true";
    });
}

struct ImageDetailsTimes {
    double ready_after_load = 0; // the window open while the page loads
    double open_to_listed = 0;   // the window opened on the loaded page
    std::size_t rows = 0;
    RunTrace after_load; // the steps of each
    RunTrace on_open;
};

class MeasuredWindow {
public:
    explicit MeasuredWindow(const fs::path& program_directory)
        : m_window(program_directory)
    {
        m_window.present();
        wait_for_page_views();
    }

    ViewSize browser_view_size()
    {
        const Gtk::Widget& view = m_window.wb(kBrowserView).widget();
        return {view.get_width(), view.get_height()};
    }

    WindowLoad load(const std::string& address)
    {
        m_trace.clear();
        const auto start = Clock::now();
        m_window.wb(kBrowserView).Navigate(address);
        WindowLoad load;
        if (!m_browser.wait_for_next())
            fail("the Browser view never finished " + address);
        load.view_0 = seconds_since(start);
        const auto view_0_finished = Clock::now();
        if (!m_source_code.wait_for_next() || !listing_shown(m_window.wb(kSourceCodeView)))
            fail("the Source Code view never showed the listing for " + address);
        load.to_source_code = seconds_since(view_0_finished);
        if (!m_images.wait_for_next())
            fail("the Images view never finished for " + address);
        load.trace = m_trace;
        return load;
    }

    // The Image Details window's rows for `address`: made after its load while the window is open,
    // and made when it is opened on the page loaded.
    ImageDetailsTimes image_details(const std::string& address)
    {
        ImageDetailsWindow& details = m_window.show_image_details();
        int rebuilds = 0;
        Clock::time_point rebuilt;
        sigc::connection counting = details.rebuilt().connect([&] {
            ++rebuilds;
            rebuilt = Clock::now();
        });
        if (!pump_until([&] { return rebuilds > 0; }))
            fail("the Image Details window never listed the page");
        Clock::time_point finished;
        sigc::connection timing = m_window.wb(kBrowserView).DownloadComplete().connect([&] { finished = Clock::now(); });
        rebuilds = 0;
        m_trace.clear();
        const int source_code_loads = m_source_code.count() + 1;
        const int images_loads = m_images.count() + 1;
        m_window.wb(kBrowserView).Navigate(address);
        // The generated views may finish before the window's rows, or after.
        if (!pump_until([&] { return rebuilds > 0 && finished != Clock::time_point(); }) ||
            !m_source_code.wait_for(source_code_loads) || !m_images.wait_for(images_loads))
            fail("the Image Details window never listed " + address);
        ImageDetailsTimes times{std::chrono::duration<double>(rebuilt - finished).count(), 0, details.shown_rows().size(),
                                m_trace, {}};
        details.hide();
        let_the_engine_settle();
        rebuilds = 0;
        m_trace.clear();
        const auto opened = Clock::now();
        m_window.show_image_details();
        if (!pump_until([&] { return rebuilds > 0; }))
            fail("the Image Details window never listed " + address + " again");
        times.open_to_listed = seconds_since(opened);
        times.on_open = m_trace;
        details.hide();
        counting.disconnect();
        timing.disconnect();
        return times;
    }

private:
    void wait_for_page_views()
    {
        if (!m_browser.wait_for_next() || !m_source_code.wait_for_next() || !m_images.wait_for_next())
            fail("the home page never showed");
    }

    [[noreturn]] static void fail(const std::string& what)
    {
        std::fprintf(stderr, "quillet-gui-bench: %s\n", what.c_str());
        std::exit(1);
    }

    Form1 m_window;
    Completions m_browser{m_window.wb(kBrowserView)};
    Completions m_source_code{m_window.wb(kSourceCodeView)};
    Completions m_images{m_window.wb(kImagesView)};
    RunTraceRecorder m_trace;
};

// A bare view of the same engine and size, in a window of its own.
class BareView {
public:
    explicit BareView(ViewSize size)
    {
        m_window.set_default_size(size.width, size.height);
        m_window.set_child(m_view.widget());
        m_window.present();
    }

    double load(const std::string& address)
    {
        const auto start = Clock::now();
        m_view.Navigate(address);
        if (!m_loads.wait_for_next()) {
            std::fprintf(stderr, "quillet-gui-bench: the bare view never finished %s\n", address.c_str());
            std::exit(1);
        }
        return seconds_since(start);
    }

private:
    Gtk::Window m_window;
    platform::WebSession m_session;
    platform::WebView m_view{m_session, platform::ViewContent::LivePages};
    Completions m_loads{m_view};
};

// A finished load leaves its web process painting and collecting for a while; the next load, in
// either view, would share the machine with that work and come out slower than it is.
void let_the_engine_settle()
{
    bool settled = false;
    Glib::signal_timeout().connect_once([&] { settled = true; }, 2000);
    pump_until([&] { return settled; });
}

void measure_page_loads(const std::vector<BenchPage>& pages, const LoopbackServer& server, MeasuredWindow& window)
{
    BareView bare(window.browser_view_size());
    std::printf("\nPage loads, best of %d by turns (s): view 0 | bare view | ratio | page read | analysis and files"
                " | Source Code view | Images view | view 0 finished to Source Code finished"
                " (its listing shown)\n",
                kRounds);
    for (const BenchPage& page : pages) {
        const std::string address = server.address(page.file_name);
        double best_bare = 1e9;
        WindowLoad best;
        best.view_0 = 1e9;
        double best_to_source_code = 1e9;
        const auto load_in_the_bare_view = [&] {
            let_the_engine_settle();
            best_bare = std::min(best_bare, bare.load(address));
        };
        const auto load_in_the_window = [&] {
            let_the_engine_settle();
            const WindowLoad load = window.load(address);
            best_to_source_code = std::min(best_to_source_code, load.to_source_code);
            if (load.view_0 < best.view_0)
                best = load;
        };
        // The view that loads a page second in a round comes out slower than the first (1 MB) or
        // faster (3 MB), whichever it is: the two take turns at going first.
        for (int round = 0; round < kRounds; ++round) {
            if (round % 2 == 0) {
                load_in_the_bare_view();
                load_in_the_window();
            } else {
                load_in_the_window();
                load_in_the_bare_view();
            }
        }
        const RunTrace& t = best.trace;
        std::printf("  %-22s %6.3f | %6.3f | %5.2f | %6.3f | %6.3f | %6.3f | %6.3f | %6.3f\n", page.title.c_str(),
                    best.view_0, best_bare, best.view_0 / best_bare, t.page_read, t.analysis_and_files(),
                    t.source_code_loaded, t.images_loaded, best_to_source_code);
    }
}

void measure_image_details(const LoopbackServer& server, MeasuredWindow& window)
{
    std::printf("\nImage Details of the generated 1 MB page, best of %d (s): ready after the Browser load finished"
                " | opened on the loaded page | rows\n", kRounds);
    ImageDetailsTimes best{1e9, 1e9, 0, {}, {}};
    for (int round = 0; round < kRounds; ++round) {
        let_the_engine_settle();
        const ImageDetailsTimes times = window.image_details(server.address("generated-1.html"));
        if (times.ready_after_load < best.ready_after_load) {
            best.ready_after_load = times.ready_after_load;
            best.after_load = times.after_load;
        }
        if (times.open_to_listed < best.open_to_listed) {
            best.open_to_listed = times.open_to_listed;
            best.on_open = times.on_open;
        }
        best.rows = times.rows;
    }
    std::printf("  %6.3f | %6.3f | %zu\n", best.ready_after_load, best.open_to_listed, best.rows);
    for (const auto& [name, t] : {std::pair{"after the load", best.after_load}, std::pair{"on opening", best.on_open}})
        std::printf("  steps %s (s): page read %.3f | image facts read %.3f | rows made %.3f | rows shown %.3f\n",
                    name, t.page_read, t.image_facts_read, t.image_details, t.image_rows_shown);
}

void measure_start_up(const LoopbackServer& server, const fs::path& program_folder, ViewSize bare_size)
{
    const std::string address = server.address("generated-1.html");
    ProgramSettings(brand_identity().ProductTitle).set_home_page(address);
    const fs::path quillet = program_folder / "quillet";
    const fs::path self = program_folder / "quillet-gui-bench";
    double best_program = 1e9;
    const std::vector<std::string> bare_load{self, "--bare-load", address, std::to_string(bare_size.width),
                                             std::to_string(bare_size.height)};
    double best_bare = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        best_bare = std::min(best_bare, time_until_line(bare_load, "loaded"));
        best_program = std::min(best_program, time_until_line({quillet}, "reset of the scratch files"));
    }
    std::printf("Start-up to the 1 MB home page analysed, best of %d: Quillet %.3f s, bare view %.3f s loaded; "
                "beyond the splash's %.3f s: %.3f s\n",
                kRounds, best_program, best_bare, kSplashSeconds, best_program - kSplashSeconds - best_bare);
}

}

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each figure shows as it is measured
    if (argc == 5 && std::string_view(argv[1]) == "--bare-load")
        return load_in_a_bare_view(argv[2], {std::atoi(argv[3]), std::atoi(argv[4])});
    const bool image_details_only = argc == 2 && std::string_view(argv[1]) == "--image-details";
    if (image_details_only)
        argc = 1;

    // Keeps the bench away from the user's own settings, caches and work files.
    const test::IsolatedEnvironment environment;
    const test::TempDirectory pages_folder;
    const std::vector<BenchPage> pages = write_pages(pages_folder.path(), argc, argv);
    const LoopbackServer server(pages_folder.path()); // started before GTK, which a forked process must not carry
    gtk_init();
    Gtk::init_gtkmm_internals();
    LoadBrandIdentity();

    ProgramSettings(brand_identity().ProductTitle).set_home_page(server.address("home.html"));
    MeasuredWindow window(environment.program_dir());
    if (image_details_only) {
        measure_image_details(server, window);
        return 0;
    }
    measure_start_up(server, platform::program_directory(), window.browser_view_size());
    measure_image_details(server, window);
    measure_page_loads(pages, server, window);
    return 0;
}
