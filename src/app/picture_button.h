#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include <string>

namespace quillet {

// A button showing a small picture above its caption; without a caption only the picture shows.
class PictureButton : public Gtk::Button {
public:
    PictureButton(const std::string& icon_name, const std::string& caption, const std::string& tooltip);

    void set_caption(const std::string& caption);
    std::string caption() const;

private:
    Gtk::Box m_content;
    Gtk::Image m_picture;
    Gtk::Label m_caption;
};

}
