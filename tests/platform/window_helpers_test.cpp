#include "platform/window_helpers.h"

#include "support/main_loop.h"
#include "support/temp_directory.h"

#include <gtest/gtest.h>
#include <gtkmm/icontheme.h>

#include <algorithm>

// After gtkmm: Xlib's macros must not reach the C++ headers.
#include <gdk/x11/gdkx.h>

namespace quillet::platform {
namespace {

using namespace std::chrono_literals;

Window xid_of(Gtk::Window& window)
{
    return gdk_x11_surface_get_xid(gtk_native_get_surface(GTK_NATIVE(window.gobj())));
}

struct KeepAboveRequest {
    Window window;
    long action; // 1 add, 0 remove
};

// A second connection to the X server that sees what is sent to the root window, where a window
// manager would receive it.
class RootWindowWatcher {
public:
    RootWindowWatcher()
        : m_display(XOpenDisplay(nullptr))
    {
        XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
        XSync(m_display, False);
    }
    ~RootWindowWatcher() { XCloseDisplay(m_display); }

    Atom atom(const char* name) { return XInternAtom(m_display, name, False); }

    // The _NET_WM_STATE requests about _NET_WM_STATE_ABOVE so far (GTK sends others of its own).
    const std::vector<KeepAboveRequest>& keep_above_requests()
    {
        const Atom net_wm_state = atom("_NET_WM_STATE");
        const Atom above = atom("_NET_WM_STATE_ABOVE");
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == net_wm_state
                && static_cast<Atom>(event.xclient.data.l[1]) == above)
                m_requests.push_back({event.xclient.window, event.xclient.data.l[0]});
        }
        return m_requests;
    }

    // The number of 32-bit items of `property` on `window`.
    unsigned long property_length(Window window, const char* property)
    {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(m_display, window, atom(property), 0, 0, False, AnyPropertyType, &type, &format, &items,
                           &remaining, &data);
        if (data)
            XFree(data);
        return remaining / 4;
    }

private:
    Display* m_display;
    std::vector<KeepAboveRequest> m_requests;
};

class WindowHelpersTest : public ::testing::Test {
protected:
    WindowHelpersTest()
    {
        const auto apps = icon_directory() / "hicolor" / "32x32" / "apps";
        std::filesystem::create_directories(apps);
        std::filesystem::copy_file(QUILLET_TEST_ICON, apps / "AAA.png");
    }

    std::filesystem::path icon_directory() const { return m_directory.path() / "icons"; }

    bool shown(Gtk::Window& window)
    {
        window.present();
        return test::pump_until([&] { return window.get_mapped(); });
    }

    test::TempDirectory m_directory;
};

TEST_F(WindowHelpersTest, IconComesFromTheProgramsIconDirectory)
{
    Gtk::Window window;
    set_window_icon(window, "AAA", IconScope::Window, icon_directory());
    set_window_icon(window, "AAA", IconScope::Window, icon_directory());
    EXPECT_EQ(window.get_icon_name(), "AAA");

    const auto theme = Gtk::IconTheme::get_for_display(window.get_display());
    EXPECT_TRUE(theme->has_icon("AAA"));
    const auto search_path = theme->get_search_path();
    EXPECT_EQ(std::count(search_path.begin(), search_path.end(), icon_directory().string()), 1);

    ASSERT_TRUE(shown(window));
    RootWindowWatcher x_server;
    EXPECT_TRUE(test::pump_until([&] { return x_server.property_length(xid_of(window), "_NET_WM_ICON") > 2; }))
        << "the window manager is offered no icon pixels";
}

TEST_F(WindowHelpersTest, OwnerScopeAlsoReachesTheTopOfTheTransientChain)
{
    Gtk::Window top;
    Gtk::Window middle;
    Gtk::Window dialog;
    middle.set_transient_for(top);
    dialog.set_transient_for(middle);

    set_window_icon(dialog, "AAA", IconScope::Window, icon_directory());
    EXPECT_EQ(dialog.get_icon_name(), "AAA");
    EXPECT_EQ(top.get_icon_name(), "");

    set_window_icon(dialog, "AAA", IconScope::WindowAndOwner, icon_directory());
    EXPECT_EQ(top.get_icon_name(), "AAA");
    EXPECT_EQ(middle.get_icon_name(), "");

    Gtk::Window lonely;
    set_window_icon(lonely, "AAA", IconScope::WindowAndOwner, icon_directory());
    EXPECT_EQ(lonely.get_icon_name(), "AAA");
}

TEST_F(WindowHelpersTest, KeepAboveAsksTheWindowManagerEachTimeTheWindowIsShown)
{
    RootWindowWatcher x_server;
    Gtk::Window window;
    // GTK may map a window more than once on its way to the screen, and each mapping repeats the
    // wish; what counts is that a new request for this window says what was last asked.
    auto asked_anew = [&](long action) {
        const auto seen = x_server.keep_above_requests().size();
        return [&, seen, action] {
            return test::pump_until(
                [&] {
                    const auto& requests = x_server.keep_above_requests();
                    return requests.size() > seen && requests.back().window == xid_of(window)
                        && requests.back().action == action;
                },
                5s);
        };
    };

    auto first_showing = asked_anew(1);
    set_keep_above(window, true);
    ASSERT_TRUE(shown(window));
    EXPECT_TRUE(first_showing());

    auto removal = asked_anew(0);
    set_keep_above(window, false);
    EXPECT_TRUE(removal());

    auto while_shown = asked_anew(1);
    set_keep_above(window, true);
    EXPECT_TRUE(while_shown());
    window.set_visible(false);
    auto next_showing = asked_anew(1);
    ASSERT_TRUE(shown(window));
    EXPECT_TRUE(next_showing());
}

}
}
