#include "bare_view_load.h"

#include "platform/web_view.h"

#include <gtk/gtk.h>
#include <gtkmm/init.h>
#include <gtkmm/window.h>

#include <cstdio>

namespace quillet::bench {

int load_in_a_bare_view(const char* address, ViewSize size)
{
    gtk_init();
    Gtk::init_gtkmm_internals();
    Gtk::Window window;
    window.set_default_size(size.width, size.height);
    platform::WebSession session;
    platform::WebView view(session, platform::ViewContent::LivePages);
    window.set_child(view.widget());
    window.present();
    bool loaded = false;
    view.DownloadComplete().connect([&] { loaded = true; });
    view.Navigate(address);
    while (!loaded)
        g_main_context_iteration(nullptr, TRUE);
    std::printf("loaded\n");
    std::fflush(stdout);
    return 0;
}

}
