#include "app/screenshot_when_loaded.h"

#include "platform/widget_snapshot.h"

#include <gdkmm/frameclock.h>
#include <glibmm/main.h>

#include <iostream>
#include <utility>

namespace quillet {

namespace {

constexpr unsigned kSettleMilliseconds = 300;
constexpr unsigned kLoadTimeoutSeconds = 60;
// A frame may still come out empty when a change arrives while it is painted: the next one is tried.
constexpr int kMostEmptyPictures = 10;

}

ScreenshotWhenLoaded::ScreenshotWhenLoaded(Form1& window, ScreenshotWindow pictured, std::filesystem::path file,
                                           std::function<void(int exit_status)> done)
    : m_window(window), m_pictured(&window), m_pictured_window(pictured), m_file(std::move(file)), m_done(std::move(done))
{
    m_loaded = m_window.wb(kBrowserView).DownloadComplete().connect(
        sigc::mem_fun(*this, &ScreenshotWhenLoaded::on_home_page_loaded));
    m_timeout = Glib::signal_timeout().connect_seconds(sigc::mem_fun(*this, &ScreenshotWhenLoaded::on_timed_out),
                                                       kLoadTimeoutSeconds);
}

void ScreenshotWhenLoaded::on_home_page_loaded()
{
    m_loaded.disconnect();
    switch (m_pictured_window) {
    case ScreenshotWindow::Main:
        wait_for_page_views();
        break;
    case ScreenshotWindow::ImageDetails: {
        ImageDetailsWindow& details = m_window.show_image_details();
        m_pictured = &details;
        // The window lists the page, then shows its first frame, before it can be pictured.
        m_loaded = details.rebuilt().connect([this, &details] {
            m_loaded.disconnect();
            details.add_tick_callback([this](const Glib::RefPtr<Gdk::FrameClock>&) {
                wait_to_settle();
                return false;
            });
        });
        break;
    }
    }
}

// A picture of the window is of all its views: the generated ones have loaded the page's files.
void ScreenshotWhenLoaded::wait_for_page_views()
{
    if (!m_window.page_views_rebuilding()) {
        wait_to_settle();
        return;
    }
    m_loaded = m_window.page_views_rebuilding_changed().connect([this] {
        if (!m_window.page_views_rebuilding())
            wait_to_settle();
    });
}

void ScreenshotWhenLoaded::wait_to_settle()
{
    m_loaded.disconnect();
    Glib::signal_timeout().connect(sigc::mem_fun(*this, &ScreenshotWhenLoaded::on_settled), kSettleMilliseconds);
}

// A picture takes what the window drew last, which any change waiting to be drawn clears: it is
// taken just after a frame has been painted.
bool ScreenshotWhenLoaded::on_settled()
{
    const Glib::RefPtr<Gdk::FrameClock> clock = m_pictured->get_frame_clock();
    if (!clock) { // not shown, which the picture says
        on_painted();
        return false;
    }
    // After the window's own handler, which draws the frame.
    m_loaded = clock->signal_paint().connect(sigc::mem_fun(*this, &ScreenshotWhenLoaded::on_painted), true);
    m_pictured->queue_draw();
    return false;
}

void ScreenshotWhenLoaded::on_painted()
{
    const std::string error = platform::save_widget_png(*m_pictured, m_file);
    if (error == platform::kNothingDrawn && ++m_empty_pictures < kMostEmptyPictures) {
        m_pictured->queue_draw();
        return;
    }
    if (!error.empty())
        std::cerr << "quillet: cannot save the screenshot: " << error << '\n';
    finish(error.empty() ? 0 : 1);
}

bool ScreenshotWhenLoaded::on_timed_out()
{
    std::cerr << "quillet: the first page did not finish loading within " << kLoadTimeoutSeconds
              << " seconds; no screenshot taken\n";
    finish(1);
    return false;
}

void ScreenshotWhenLoaded::finish(int exit_status)
{
    m_loaded.disconnect();
    m_timeout.disconnect();
    m_done(exit_status);
}

}
