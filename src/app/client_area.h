#pragma once

#include <gtkmm/widget.h>
#include <sigc++/signal.h>

namespace quillet {

// The part of a window below its menu bar that holds the controls. Its content gets exactly the
// size the window gives, never more, so nothing in it can scroll or reach past the window's edge;
// it asks for at least `minimum` and opens at `natural` (pixels). It reports every size it is
// given, before its content is allocated: whatever the handler changes in the content takes effect
// in the same pass.
class ClientArea : public Gtk::Widget {
public:
    ClientArea(int minimum_width, int minimum_height, int natural_width, int natural_height);
    ~ClientArea() override;

    void set_child(Gtk::Widget& child);

    sigc::signal<void(int width, int height)>& signal_resize() { return m_resize; }

protected:
    Gtk::SizeRequestMode get_request_mode_vfunc() const override;
    void measure_vfunc(Gtk::Orientation orientation, int for_size, int& minimum, int& natural, int& minimum_baseline,
                       int& natural_baseline) const override;
    void size_allocate_vfunc(int width, int height, int baseline) override;

private:
    int m_minimum_width;
    int m_minimum_height;
    int m_natural_width;
    int m_natural_height;
    Gtk::Widget* m_child = nullptr;
    sigc::signal<void(int, int)> m_resize;
};

}
