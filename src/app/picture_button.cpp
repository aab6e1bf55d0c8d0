#include "app/picture_button.h"

namespace quillet {

PictureButton::PictureButton(const std::string& icon_name, const std::string& caption, const std::string& tooltip)
    : m_content(Gtk::Orientation::VERTICAL)
{
    add_css_class("picture");
    set_tooltip_text(tooltip);
    m_picture.set_from_icon_name(icon_name);
    m_content.set_valign(Gtk::Align::CENTER);
    m_content.append(m_picture);
    m_content.append(m_caption);
    m_caption.set_ellipsize(Pango::EllipsizeMode::END);
    set_caption(caption);
    set_child(m_content);
}

void PictureButton::set_caption(const std::string& caption)
{
    m_caption.set_text(caption);
    m_caption.set_visible(!caption.empty());
}

std::string PictureButton::caption() const
{
    return m_caption.get_text();
}

}
