#pragma once

#include <gtkmm/scrolledwindow.h>
#include <sigc++/signal.h>

namespace quillet {

// The part of a window below its menu bar that holds the controls. It reports every size it is
// given, before its content is allocated: whatever the handler changes in the content takes effect
// in the same pass.
class ClientArea : public Gtk::ScrolledWindow {
public:
    sigc::signal<void(int width, int height)>& signal_resize() { return m_resize; }

protected:
    void size_allocate_vfunc(int width, int height, int baseline) override;

private:
    sigc::signal<void(int, int)> m_resize;
};

}
