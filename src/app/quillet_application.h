#pragma once

#include "app/main_window.h"
#include "app/screenshot_when_loaded.h"
#include "app/startup_options.h"
#include "ui/splash_window.h"

#include <gtkmm/application.h>

#include <filesystem>
#include <memory>

namespace quillet {

// The running program: the splash window first, which hands over to the main window.
class QuilletApplication {
public:
    // `program_directory` holds the executable; `options` say where the "Browser" view starts and
    // whether to save a picture of the main window once that page has loaded, then end.
    QuilletApplication(std::filesystem::path program_directory, StartupOptions options);

    // Runs until the last window closes; returns the exit status.
    int run(int argc, char** argv);

private:
    void on_activate();
    void prepare_main_window_once_the_splash_shows();
    void prepare_main_window();
    void show_main_window();
    void on_screenshot_done(int exit_status);

    Glib::RefPtr<Gtk::Application> m_application;
    std::filesystem::path m_program_directory;
    StartupOptions m_options;
    std::unique_ptr<frmSplash> m_splash;
    std::unique_ptr<Form1> m_main_window;
    std::unique_ptr<ScreenshotWhenLoaded> m_screenshot;
    int m_exit_status = 0;
};

}
