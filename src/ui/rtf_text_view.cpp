#include "ui/rtf_text_view.h"

#include <gdkmm/rgba.h>
#include <gtkmm/textbuffer.h>

#include <utility>
#include <vector>

namespace quillet {

namespace {

// The reader keeps no paragraph spacing, so every paragraph gets a little room below it.
constexpr int kParagraphSpacing = 6;
constexpr int kMargin = 8;

Gdk::RGBA rgba_of(const RtfColor& color)
{
    Gdk::RGBA rgba;
    rgba.set_rgba_u(static_cast<gushort>(color.red * 257), static_cast<gushort>(color.green * 257),
                    static_cast<gushort>(color.blue * 257));
    return rgba;
}

void apply_format(Gtk::TextTag& tag, const RtfRun& format)
{
    tag.property_weight() = static_cast<int>(format.bold ? Pango::Weight::BOLD : Pango::Weight::NORMAL);
    tag.property_style() = format.italic ? Pango::Style::ITALIC : Pango::Style::NORMAL;
    tag.property_underline() = format.underline ? Pango::Underline::SINGLE : Pango::Underline::NONE;
    tag.property_size_points() = format.font_size;
    if (!format.font_family.empty())
        tag.property_family() = format.font_family;
    if (format.color)
        tag.property_foreground_rgba() = rgba_of(*format.color);
}

// The tags of one buffer, one for each format met so far.
class FormatTags {
public:
    explicit FormatTags(Glib::RefPtr<Gtk::TextBuffer> buffer) : m_buffer(std::move(buffer)) {}

    Glib::RefPtr<Gtk::TextTag> tag_for(const RtfRun& run)
    {
        for (const auto& [format, tag] : m_tags) {
            if (format.has_format_of(run))
                return tag;
        }
        Glib::RefPtr<Gtk::TextTag> tag = m_buffer->create_tag();
        apply_format(*tag, run);
        m_tags.emplace_back(run, tag);
        return tag;
    }

private:
    Glib::RefPtr<Gtk::TextBuffer> m_buffer;
    std::vector<std::pair<RtfRun, Glib::RefPtr<Gtk::TextTag>>> m_tags;
};

}

RtfTextView::RtfTextView()
{
    set_editable(false);
    set_cursor_visible(false);
    set_wrap_mode(Gtk::WrapMode::WORD);
    set_pixels_below_lines(kParagraphSpacing);
    set_left_margin(kMargin);
    set_right_margin(kMargin);
    set_top_margin(kMargin);
    set_bottom_margin(kMargin);
}

void RtfTextView::show_document(const RtfDocument& document)
{
    const Glib::RefPtr<Gtk::TextBuffer> buffer = Gtk::TextBuffer::create();
    FormatTags tags(buffer);
    for (const RtfRun& run : document.runs)
        buffer->insert_with_tag(buffer->end(), run.text, tags.tag_for(run));
    set_buffer(buffer);
}

}
