#pragma once

#include "app/main_window.h"

namespace quillet {

// The controls of a main window, for the tests that look at them or use them as a user would.
class MainWindowTestAccess {
public:
    static MainWindowControls& controls(Form1& window) { return window.m_controls; }
    // Once View > "Image Details..." has opened it.
    static ImageDetailsWindow* image_details(Form1& window) { return window.m_image_details.get(); }
};

namespace test {

inline MainWindowControls& controls(Form1& window)
{
    return MainWindowTestAccess::controls(window);
}

inline ImageDetailsWindow* image_details(Form1& window)
{
    return MainWindowTestAccess::image_details(window);
}

}

}
