#include "ui/website_launcher.h"

#include "platform/url_launcher.h"
#include "ui/brand_identity.h"
#include "ui/brand_texts.h"

#include <glibmm/main.h>
#include <gtkmm/application.h>
#include <gtkmm/window.h>

#include <memory>

namespace quillet {

std::string WebTarget;

namespace {

constexpr int kLifetimeMilliseconds = 1000;
constexpr int kClientWidth = 122;  // 1830 twips
constexpr int kClientHeight = 107; // 1605 twips

// A tiny borderless window: its load hands the web site to the default browser, its timer unloads it.
class frmWebsite : public Gtk::Window {
public:
    frmWebsite()
    {
        set_decorated(false);
        set_resizable(false);
        set_default_size(kClientWidth, kClientHeight);
        Glib::signal_timeout().connect(sigc::mem_fun(*this, &frmWebsite::Timer1_Timer), kLifetimeMilliseconds);
        Form_Load();
    }

private:
    void Form_Load();
    bool Timer1_Timer();
};

std::unique_ptr<frmWebsite> g_loaded_launcher;

void unload_website_launcher()
{
    std::shared_ptr<frmWebsite> unloading(std::move(g_loaded_launcher));
    unloading->set_visible(false);
    // The idle handler holds the window until the timer handler that unloads it has returned.
    Glib::signal_idle().connect_once([unloading] {});
}

void frmWebsite::Form_Load()
{
    LoadBrandIdentity();
    if (WebTarget != "Website")
        return;
    platform::open_with_default_handler(website_launch_address(brand_identity()));
    WebTarget.clear();
}

bool frmWebsite::Timer1_Timer()
{
    unload_website_launcher();
    return false;
}

}

void load_website_launcher(LauncherDisplay display)
{
    if (g_loaded_launcher)
        return;
    g_loaded_launcher = std::make_unique<frmWebsite>();
    if (display == LauncherDisplay::Hidden)
        return;
    if (auto application = std::dynamic_pointer_cast<Gtk::Application>(Gio::Application::get_default()))
        application->add_window(*g_loaded_launcher);
    g_loaded_launcher->present();
}

bool website_launcher_loaded()
{
    return g_loaded_launcher != nullptr;
}

bool website_launcher_visible()
{
    return g_loaded_launcher && g_loaded_launcher->get_visible();
}

}
