#include "app/find_bar.h"

#include "platform/string_conversions.h"

#include <gdk/gdkkeysyms.h>
#include <gtkmm/eventcontrollerkey.h>

namespace quillet {

std::string matches_caption(unsigned matches)
{
    if (matches == 0)
        return "No match";
    return std::to_string(matches) + (matches == 1 ? " match" : " matches");
}

FindBar::FindBar() : Gtk::Box(Gtk::Orientation::HORIZONTAL)
{
    add_css_class("findbar");
    set_spacing(4);
    m_entry.set_hexpand(true);
    m_entry.set_tooltip_text("Find in page");
    m_result.set_width_chars(11);
    m_result.set_xalign(0.0F);
    m_close_button.set_icon_name("window-close-symbolic");
    m_close_button.set_tooltip_text("Close");
    m_close_button.set_has_frame(false);
    append(m_entry);
    append(m_result);
    append(m_close_button);
    set_visible(false);

    m_entry.signal_search_changed().connect([this] { m_text_changed.emit(text()); });
    m_entry.signal_stop_search().connect([this] { m_closed.emit(); });
    m_close_button.signal_clicked().connect([this] { m_closed.emit(); });
    // Before the entry's own handling, which would take Enter as a plain activation.
    auto keys = Gtk::EventControllerKey::create();
    keys->set_propagation_phase(Gtk::PropagationPhase::CAPTURE);
    keys->signal_key_pressed().connect(sigc::mem_fun(*this, &FindBar::on_entry_key_pressed), false);
    m_entry.add_controller(keys);
}

void FindBar::open()
{
    set_visible(true);
    m_entry.grab_focus();
    m_entry.select_region(0, -1);
}

std::string FindBar::text() const
{
    return platform::to_string(m_entry.get_text());
}

void FindBar::set_text(const std::string& text)
{
    m_entry.set_text(text);
}

void FindBar::show_matches(unsigned matches)
{
    m_result.set_text(text().empty() ? "" : matches_caption(matches));
}

std::string FindBar::result_text() const
{
    return platform::to_string(m_result.get_text());
}

bool FindBar::on_entry_key_pressed(guint keyval, guint, Gdk::ModifierType state)
{
    if (keyval != GDK_KEY_Return && keyval != GDK_KEY_KP_Enter)
        return false;
    if ((state & Gdk::ModifierType::SHIFT_MASK) == Gdk::ModifierType::SHIFT_MASK)
        m_previous.emit();
    else
        m_next.emit();
    return true;
}

}
