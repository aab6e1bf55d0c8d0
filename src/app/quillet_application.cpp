#include "app/quillet_application.h"

#include "app/keyboard_shortcuts.h"
#include "platform/program_folders.h"
#include "platform/widget_snapshot.h"

#include <glibmm/main.h>

#include <utility>

namespace quillet {

QuilletApplication::QuilletApplication(std::filesystem::path program_directory, StartupOptions options)
    : m_application(Gtk::Application::create(QUILLET_APPLICATION_ID, Gio::Application::Flags::NON_UNIQUE)),
      m_program_directory(std::move(program_directory)),
      m_options(std::move(options))
{
    if (m_options.screenshot_file)
        platform::prepare_web_views_for_window_pictures();
    m_application->signal_activate().connect(sigc::mem_fun(*this, &QuilletApplication::on_activate));
}

int QuilletApplication::run(int argc, char** argv)
{
    const int status = m_application->run(argc, argv);
    return status != 0 ? status : m_exit_status;
}

void QuilletApplication::on_activate()
{
    if (m_splash || m_main_window)
        return;
    install_keyboard_shortcuts(*m_application);
    m_splash = std::make_unique<frmSplash>(platform::program_folders(m_program_directory).files,
                                           [this] { show_main_window(); });
    m_application->add_window(*m_splash);
    m_splash->present();
    prepare_main_window_once_the_splash_shows();
}

// The splash's second builds the main window, its views and their engine, so that the hand-over
// only has to show it. The building waits for the splash's first frame: the picture comes first.
void QuilletApplication::prepare_main_window_once_the_splash_shows()
{
    m_splash->add_tick_callback([this](const Glib::RefPtr<Gdk::FrameClock>&) {
        Glib::signal_idle().connect_once([this] { prepare_main_window(); });
        return false;
    });
}

void QuilletApplication::prepare_main_window()
{
    if (!m_main_window)
        m_main_window =
            std::make_unique<Form1>(m_program_directory, program_registry_locations(), m_options.start_page);
}

void QuilletApplication::show_main_window()
{
    prepare_main_window();
    m_application->add_window(*m_main_window);
    if (m_options.screenshot_file)
        m_screenshot = std::make_unique<ScreenshotWhenLoaded>(*m_main_window, m_options.screenshot_window,
                                                              *m_options.screenshot_file,
                                                              [this](int exit_status) { on_screenshot_done(exit_status); });
    m_main_window->adopt_splash(std::move(m_splash));
    m_main_window->present();
    // A screenshot run pictures the main window alone, then ends.
    if (!m_options.screenshot_file)
        m_main_window->show_help_at_startup();
}

void QuilletApplication::on_screenshot_done(int exit_status)
{
    m_exit_status = exit_status;
    m_application->quit();
}

}
