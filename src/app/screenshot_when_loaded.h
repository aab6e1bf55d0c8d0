#pragma once

#include "app/main_window.h"
#include "app/startup_options.h"

#include <sigc++/trackable.h>

#include <filesystem>
#include <functional>

namespace quillet {

// Saves a PNG picture of the main window once its "Browser" view has finished loading the home page,
// its generated views have loaded the page's files and it has had a moment to paint (or of its Image Details window, once that has listed the page),
// then reports the exit status: 0 when the file was written, 1 (with a message on standard error)
// when it could not be, or when the page never finished loading.
class ScreenshotWhenLoaded : public sigc::trackable {
public:
    ScreenshotWhenLoaded(Form1& window, ScreenshotWindow pictured, std::filesystem::path file,
                         std::function<void(int exit_status)> done);

private:
    void on_home_page_loaded();
    void wait_for_page_views();
    void wait_to_settle();
    bool on_settled();
    void on_painted();
    bool on_timed_out();
    void finish(int exit_status);

    Form1& m_window;
    Gtk::Window* m_pictured; // the main window, or its Image Details window once shown
    ScreenshotWindow m_pictured_window;
    std::filesystem::path m_file;
    std::function<void(int)> m_done;
    sigc::connection m_loaded; // the next event waited for: a load, the list, a frame painted
    int m_empty_pictures = 0;
    sigc::connection m_timeout;
};

}
