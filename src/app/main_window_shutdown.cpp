#include "app/main_window.h"

#include "ui/website_launcher.h"

#include <gtkmm/application.h>

namespace quillet {

void Form1::adopt_splash(std::unique_ptr<Gtk::Window> splash)
{
    m_splash = std::move(splash);
}

// Closing the window and File > Exit both unload it here.
bool Form1::on_close_request()
{
    Form_Unload();
    return Gtk::Window::on_close_request();
}

void Form1::Form_Unload()
{
    m_help_window.reset();
    m_image_details.reset();
    m_splash.reset();
    m_navigation.cmdStop_Click();
    // A launcher shown from the About window gets its second: the program then ends when its last
    // window has closed, as the application does by itself.
    if (website_launcher_visible())
        return;
    end_program_at_once();
}

// Every other window closes without running its own unload, and the main loop stops.
void Form1::end_program_at_once()
{
    const Glib::RefPtr<Gtk::Application> application = get_application();
    if (!application)
        return;
    for (Gtk::Window* window : application->get_windows())
        window->set_visible(false);
    application->quit();
}

}
