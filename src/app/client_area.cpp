#include "app/client_area.h"

namespace quillet {

ClientArea::ClientArea(int minimum_width, int minimum_height, int natural_width, int natural_height)
    : m_minimum_width(minimum_width),
      m_minimum_height(minimum_height),
      m_natural_width(natural_width),
      m_natural_height(natural_height)
{
    set_overflow(Gtk::Overflow::HIDDEN);
}

ClientArea::~ClientArea()
{
    if (m_child)
        m_child->unparent();
}

void ClientArea::set_child(Gtk::Widget& child)
{
    if (m_child)
        m_child->unparent();
    m_child = &child;
    m_child->set_parent(*this);
}

Gtk::SizeRequestMode ClientArea::get_request_mode_vfunc() const
{
    return Gtk::SizeRequestMode::CONSTANT_SIZE;
}

// The content's own size is not asked for: it is laid out for whatever size this area gets.
void ClientArea::measure_vfunc(Gtk::Orientation orientation, int, int& minimum, int& natural, int& minimum_baseline,
                               int& natural_baseline) const
{
    const bool horizontal = orientation == Gtk::Orientation::HORIZONTAL;
    minimum = horizontal ? m_minimum_width : m_minimum_height;
    natural = horizontal ? m_natural_width : m_natural_height;
    minimum_baseline = -1;
    natural_baseline = -1;
}

void ClientArea::size_allocate_vfunc(int width, int height, int baseline)
{
    m_resize.emit(width, height);
    if (!m_child)
        return;
    // The toolkit wants every widget measured before it is allocated.
    int minimum = 0;
    int natural = 0;
    int minimum_baseline = -1;
    int natural_baseline = -1;
    m_child->measure(Gtk::Orientation::HORIZONTAL, -1, minimum, natural, minimum_baseline, natural_baseline);
    m_child->size_allocate(Gtk::Allocation(0, 0, width, height), baseline);
}

}
