#include "platform/window_helpers.h"

// After gtkmm: Xlib's macros (None, Bool, Status) must not reach the C++ headers.
#include <gdk/x11/gdkx.h>

namespace quillet::platform {

namespace {

// The wish for one window, kept on the GtkWindow itself and freed with it.
struct KeepAboveWish {
    bool above = false;
};

constexpr const char* kWishKey = "quillet-keep-above";

// EWMH: a shown window asks the window manager with a client message to the root window.
void ask_window_manager(GtkWindow* window, bool above)
{
    GdkSurface* surface = gtk_native_get_surface(GTK_NATIVE(window));
    if (!surface || !GDK_IS_X11_SURFACE(surface))
        return;
    GdkDisplay* display = gdk_surface_get_display(surface);

    XClientMessageEvent message{};
    message.type = ClientMessage;
    message.window = gdk_x11_surface_get_xid(surface);
    message.message_type = gdk_x11_get_xatom_by_name_for_display(display, "_NET_WM_STATE");
    message.format = 32;
    message.data.l[0] = above ? 1 : 0; // _NET_WM_STATE_ADD or _NET_WM_STATE_REMOVE
    message.data.l[1] = static_cast<long>(gdk_x11_get_xatom_by_name_for_display(display, "_NET_WM_STATE_ABOVE"));
    message.data.l[3] = 1; // the request comes from an application
    XSendEvent(gdk_x11_display_get_xdisplay(display), gdk_x11_display_get_xrootwindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, reinterpret_cast<XEvent*>(&message));
    gdk_display_flush(display);
}

void on_window_mapped(GtkWidget* window, gpointer data)
{
    ask_window_manager(GTK_WINDOW(window), static_cast<KeepAboveWish*>(data)->above);
}

// A window manager forgets the state when a window is hidden, so the wish is repeated on every
// showing; the handler lives exactly as long as the window.
KeepAboveWish& wish_of(GtkWindow* window)
{
    if (auto* wish = static_cast<KeepAboveWish*>(g_object_get_data(G_OBJECT(window), kWishKey)))
        return *wish;
    auto* wish = new KeepAboveWish;
    g_object_set_data_full(G_OBJECT(window), kWishKey, wish,
                           [](gpointer data) { delete static_cast<KeepAboveWish*>(data); });
    g_signal_connect(window, "map", G_CALLBACK(on_window_mapped), wish);
    return *wish;
}

}

void set_keep_above(Gtk::Window& window, bool above)
{
    wish_of(window.gobj()).above = above;
    if (window.get_mapped())
        ask_window_manager(window.gobj(), above);
}

}
