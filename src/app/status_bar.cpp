#include "app/status_bar.h"

#include <stdexcept>

namespace quillet {

namespace {

constexpr int kDefaultPanelWidth = 96; // one inch

Gtk::Label* new_panel()
{
    auto* label = Gtk::make_managed<Gtk::Label>();
    label->add_css_class("panel");
    label->set_xalign(0.0F);
    label->set_single_line_mode(true);
    label->set_ellipsize(Pango::EllipsizeMode::END);
    label->set_size_request(kDefaultPanelWidth, -1);
    return label;
}

}

StatusBar::StatusBar() : Gtk::Box(Gtk::Orientation::HORIZONTAL)
{
    add_css_class("statusbar");
    add_panel();
}

void StatusBar::add_panel()
{
    auto* label = new_panel();
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
    if (number == 1 && m_notice) {
        m_first_panel_width = pixels;
        share_first_panel();
        return;
    }
    panel(number).set_size_request(pixels, -1);
}

void StatusBar::set_notice(const std::string& text, const std::string& tooltip)
{
    if (!m_notice) {
        int height = 0;
        panel(1).get_size_request(m_first_panel_width, height);
        m_notice = new_panel();
        // A path reads best by its two ends.
        m_notice->set_ellipsize(Pango::EllipsizeMode::MIDDLE);
        insert_child_after(*m_notice, panel(1));
        share_first_panel();
    }
    m_notice->set_text(text);
    m_notice->set_tooltip_text(tooltip);
}

std::string StatusBar::notice_text() const
{
    return m_notice ? std::string(m_notice->get_text()) : std::string();
}

std::string StatusBar::notice_tooltip() const
{
    return m_notice ? std::string(m_notice->get_tooltip_text()) : std::string();
}

// The notice takes a third of the first panel's room, the status texts the rest.
void StatusBar::share_first_panel()
{
    const int notice_width = m_first_panel_width / 3;
    m_notice->set_size_request(notice_width, -1);
    panel(1).set_size_request(m_first_panel_width - notice_width, -1);
}

Gtk::Label& StatusBar::panel(int number) const
{
    if (number < 1 || number > panel_count())
        throw std::out_of_range("no status bar panel " + std::to_string(number));
    return *m_panels[static_cast<std::size_t>(number - 1)];
}

}
