#pragma once

#include "app/image_save_session.h"
#include "app/page_view_driver.h"
#include "app/view_switcher.h"

#include <gtkmm/entry.h>

namespace quillet {

// The navigation commands, shared by the buttons, the address box, the Go menu and the keys.
class NavigationCommands {
public:
    NavigationCommands(const WindowViews& views, ViewSwitcher& switcher, Gtk::Entry& address_box,
                       PageViewDriver& page_view_driver, ImageSaveSession& image_saving);

    void cmbBack_Click();
    void cmdForward_Click();
    void cmdStop_Click();
    // Stop and Escape: the views, and a save of all images.
    void stop_everything();
    void cmdRefresh_Click();
    void cmdBackDir_Click();
    void Command1_Click();
    void cmdGo_Click();

private:
    platform::WebView& view(int index) const { return view_at(m_views, index); }

    const WindowViews& m_views;
    ViewSwitcher& m_switcher;
    Gtk::Entry& m_address_box;
    PageViewDriver& m_page_view_driver;
    ImageSaveSession& m_image_saving;
};

}
