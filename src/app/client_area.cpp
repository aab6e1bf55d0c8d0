#include "app/client_area.h"

namespace quillet {

void ClientArea::size_allocate_vfunc(int width, int height, int baseline)
{
    m_resize.emit(width, height);
    Gtk::ScrolledWindow::size_allocate_vfunc(width, height, baseline);
}

}
