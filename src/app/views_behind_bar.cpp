#include "app/views_behind_bar.h"

namespace quillet {

std::string views_behind_text(const std::string& shown_page, bool new_page_failed)
{
    const std::string news = new_page_failed ? "the new page did not load" : "the new page is loading";
    if (shown_page.empty())
        return "Nothing shown yet: " + news;
    return "Still showing " + shown_page + ": " + news;
}

ViewsBehindBar::ViewsBehindBar() : Gtk::Box(Gtk::Orientation::HORIZONTAL)
{
    add_css_class("views-behind");
    m_label.set_xalign(0.0F);
    m_label.set_hexpand(true);
    m_label.set_ellipsize(Pango::EllipsizeMode::MIDDLE);
    append(m_label);
    set_visible(false);
}

void ViewsBehindBar::say_behind(const std::string& shown_page, bool new_page_failed)
{
    const std::string text = views_behind_text(shown_page, new_page_failed);
    m_label.set_text(text);
    set_tooltip_text(text);
}

std::string ViewsBehindBar::text() const
{
    return m_label.get_text();
}

}
