#include "app/main_window.h"

namespace quillet {

// Runs on every size the client area is given, the first one included. The rectangles follow from
// the size alone, so an unchanged size places nothing and queues no further layout.
void Form1::Form_Resize(int client_width, int client_height)
{
    const LayoutRects rects = LayoutControls(outer_size_from_client_pixels({client_width, client_height}), m_layout);
    if (rects != m_layout)
        place_controls(rects);
}

}
