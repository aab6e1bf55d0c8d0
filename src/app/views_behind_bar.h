#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include <string>

namespace quillet {

// The bar over the top edge of the "Source Code" and "Images" views while they still show an
// earlier page than the one the "Browser" view is loading, or failed to load.
class ViewsBehindBar : public Gtk::Box {
public:
    ViewsBehindBar();

    // `shown_page` is the address the generated views show; empty when they show none yet.
    void say_behind(const std::string& shown_page, bool new_page_failed);
    std::string text() const;

private:
    Gtk::Label m_label;
};

// What the bar says.
std::string views_behind_text(const std::string& shown_page, bool new_page_failed);

}
