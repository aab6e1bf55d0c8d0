#include "app/status_bar.h"

#include <stdexcept>

namespace quillet {

namespace {

constexpr int kDefaultPanelWidth = 96; // one inch

}

StatusBar::StatusBar() : Gtk::Box(Gtk::Orientation::HORIZONTAL)
{
    add_css_class("statusbar");
    add_panel();
}

void StatusBar::add_panel()
{
    auto* label = Gtk::make_managed<Gtk::Label>();
    label->add_css_class("panel");
    label->set_xalign(0.0F);
    label->set_single_line_mode(true);
    label->set_ellipsize(Pango::EllipsizeMode::END);
    label->set_size_request(kDefaultPanelWidth, -1);
    append(*label);
    m_panels.push_back(label);
}

int StatusBar::panel_count() const
{
    return static_cast<int>(m_panels.size());
}

void StatusBar::set_panel_text(int number, const std::string& text)
{
    panel(number).set_text(text);
}

std::string StatusBar::panel_text(int number) const
{
    return panel(number).get_text();
}

void StatusBar::set_panel_width(int number, int pixels)
{
    panel(number).set_size_request(pixels, -1);
}

Gtk::Label& StatusBar::panel(int number) const
{
    if (number < 1 || number > panel_count())
        throw std::out_of_range("no status bar panel " + std::to_string(number));
    return *m_panels[static_cast<std::size_t>(number - 1)];
}

}
