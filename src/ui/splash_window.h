#pragma once

#include <gtkmm/picture.h>
#include <gtkmm/window.h>
#include <sigc++/connection.h>

#include <cstdint>
#include <filesystem>
#include <functional>

namespace quillet {

// The start-up window: it loads the brand identity, shows the splash picture for 75 ticks of its
// timer (about a second) and then hands over to the main window, staying loaded but hidden.
class frmSplash : public Gtk::Window {
public:
    // `hand_over` creates and shows the main window; it runs exactly once.
    frmSplash(const std::filesystem::path& program_directory, std::function<void()> hand_over);

private:
    void Form_Load();
    bool Timer2_Timer();

    Gtk::Picture Image1;
    sigc::connection m_Timer2;
    std::int16_t intTemp = 0;
    std::function<void()> m_hand_over;
};

}
