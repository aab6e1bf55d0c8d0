#include "support/key_presses.h"

#include "support/main_loop.h"

#include <gdk/x11/gdkx.h>
#include <gtk/gtk.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

namespace quillet::test {

namespace {

using namespace std::chrono_literals;

// Test processes running side by side on one display take turns at the keyboard focus: input sent
// while holding the lock reaches the window that took the focus under it.
class InputTurn {
public:
    explicit InputTurn(Display* display)
        : m_file(open(("/tmp/quillet-test-input" + std::string(DisplayString(display)) + ".lock").c_str(),
                      O_CREAT | O_RDWR | O_CLOEXEC, 0600))
    {
        if (m_file >= 0)
            flock(m_file, LOCK_EX);
    }
    ~InputTurn()
    {
        if (m_file >= 0)
            close(m_file);
    }
    InputTurn(const InputTurn&) = delete;
    InputTurn& operator=(const InputTurn&) = delete;

private:
    int m_file;
};

Display* x_display_of(Gtk::Widget& widget)
{
    GdkDisplay* display = gtk_widget_get_display(widget.gobj());
    return GDK_IS_X11_DISPLAY(display) ? gdk_x11_display_get_xdisplay(display) : nullptr;
}

Window x_window_of(Gtk::Widget& widget)
{
    GtkNative* native = gtk_widget_get_native(widget.gobj());
    GdkSurface* surface = native ? gtk_native_get_surface(native) : nullptr;
    return surface && GDK_IS_X11_SURFACE(surface) ? gdk_x11_surface_get_xid(surface) : 0;
}

// Without a window manager nobody hands out the focus: the test takes it for the window.
bool focus(Gtk::Window& window, Display* display)
{
    const Window x_window = x_window_of(window);
    if (!x_window)
        return false;
    XRaiseWindow(display, x_window);
    XSetInputFocus(display, x_window, RevertToParent, CurrentTime);
    XSync(display, False);
    return pump_until([&] { return window.is_active(); }, 5s);
}

std::vector<KeySym> modifier_keys(GdkModifierType modifiers)
{
    std::vector<KeySym> keys;
    if (modifiers & GDK_CONTROL_MASK)
        keys.push_back(XK_Control_L);
    if (modifiers & GDK_ALT_MASK)
        keys.push_back(XK_Alt_L);
    if (modifiers & GDK_SHIFT_MASK)
        keys.push_back(XK_Shift_L);
    return keys;
}

void send_key(Display* display, KeySym key, bool press)
{
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), press ? True : False, CurrentTime);
}

}

bool press_keys(Gtk::Window& window, const std::string& accelerator)
{
    guint key = 0;
    GdkModifierType modifiers{};
    Display* display = x_display_of(window);
    // GDK key values are the X key symbols.
    if (!display || !gtk_accelerator_parse(accelerator.c_str(), &key, &modifiers) ||
        XKeysymToKeycode(display, key) == 0)
        return false;
    {
        const InputTurn turn(display);
        if (!focus(window, display))
            return false;
        const std::vector<KeySym> held = modifier_keys(modifiers);
        for (KeySym modifier : held)
            send_key(display, modifier, true);
        send_key(display, key, true);
        send_key(display, key, false);
        for (auto it = held.rbegin(); it != held.rend(); ++it)
            send_key(display, *it, false);
        XSync(display, False);
    }
    pump_for(100ms);
    return true;
}

bool click_mouse_button(Gtk::Widget& widget, unsigned button)
{
    Display* display = x_display_of(widget);
    auto* window = dynamic_cast<Gtk::Window*>(widget.get_root());
    if (!display || !window)
        return false;
    const InputTurn turn(display);
    if (!focus(*window, display))
        return false;
    graphene_point_t middle = GRAPHENE_POINT_INIT(static_cast<float>(widget.get_width()) / 2,
                                                 static_cast<float>(widget.get_height()) / 2);
    graphene_point_t in_window;
    if (!gtk_widget_compute_point(widget.gobj(), GTK_WIDGET(window->gobj()), &middle, &in_window))
        return false;
    int root_x = 0;
    int root_y = 0;
    Window child = 0;
    XTranslateCoordinates(display, x_window_of(*window), DefaultRootWindow(display), static_cast<int>(in_window.x),
                          static_cast<int>(in_window.y), &root_x, &root_y, &child);
    XTestFakeMotionEvent(display, -1, root_x, root_y, CurrentTime);
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XSync(display, False);
    return true;
}

}
