#include "ui/rtf_text_view.h"

#include <gtest/gtest.h>
#include <gtkmm/texttagtable.h>

#include <optional>
#include <string>
#include <vector>

namespace quillet {
namespace {

// The format a text view shows at the start of `text`, read back from the tags there.
struct ShownFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double size = 0;
    std::string family;
    std::optional<std::string> colour;

    bool operator==(const ShownFormat&) const = default;
};

ShownFormat format_at(Gtk::TextView& view, const std::string& text)
{
    const auto buffer = view.get_buffer();
    Gtk::TextIter start;
    Gtk::TextIter end;
    EXPECT_TRUE(buffer->begin().forward_search(text, Gtk::TextSearchFlags::TEXT_ONLY, start, end)) << text;
    ShownFormat shown;
    for (const auto& tag : start.get_tags()) {
        shown.bold = tag->property_weight() >= static_cast<int>(Pango::Weight::BOLD);
        shown.italic = tag->property_style() == Pango::Style::ITALIC;
        shown.underline = tag->property_underline() == Pango::Underline::SINGLE;
        shown.size = tag->property_size_points();
        if (tag->property_family_set())
            shown.family = tag->property_family().get_value();
        if (tag->property_foreground_set())
            shown.colour = tag->property_foreground_rgba().get_value().to_string();
    }
    return shown;
}

RtfRun run(std::string text, void (*format)(RtfRun&) = [](RtfRun&) {})
{
    RtfRun result;
    result.text = std::move(text);
    format(result);
    return result;
}

TEST(RtfTextView, ShowsEachRunInItsFormat)
{
    const RtfDocument document{{
        run("Heading\n", [](RtfRun& r) { r.bold = true; r.font_size = 20; r.font_family = "Sans"; }),
        run("plain ", [](RtfRun& r) { r.font_size = 10; }),
        run("slanted ", [](RtfRun& r) { r.italic = true; r.font_size = 10; }),
        run("marked ", [](RtfRun& r) { r.underline = true; r.font_size = 10; }),
        run("blue", [](RtfRun& r) { r.color = RtfColor{0, 70, 140}; r.font_family = "Monospace"; }),
    }};
    RtfTextView view;
    view.show_document(document);

    EXPECT_EQ(std::string(view.get_buffer()->get_text()), document.text());
    EXPECT_EQ(format_at(view, "Heading"), (ShownFormat{true, false, false, 20, "Sans", std::nullopt}));
    EXPECT_EQ(format_at(view, "plain"), (ShownFormat{false, false, false, 10, "", std::nullopt}));
    EXPECT_EQ(format_at(view, "slanted"), (ShownFormat{false, true, false, 10, "", std::nullopt}));
    EXPECT_EQ(format_at(view, "marked"), (ShownFormat{false, false, true, 10, "", std::nullopt}));
    EXPECT_EQ(format_at(view, "blue"), (ShownFormat{false, false, false, 12, "Monospace", "rgb(0,70,140)"}));
}

TEST(RtfTextView, RunsOfOneFormatShareATag)
{
    const auto bold = [](RtfRun& r) { r.bold = true; };
    RtfTextView view;
    view.show_document({{run("a", bold), run("b"), run("c", bold), run("d"), run("e", bold)}});
    EXPECT_EQ(view.get_buffer()->get_tag_table()->get_size(), 2);
}

TEST(RtfTextView, ANewDocumentReplacesTheOldOne)
{
    RtfTextView view;
    view.show_document({{run("first", [](RtfRun& r) { r.bold = true; })}});
    view.show_document({{run("second")}});
    EXPECT_EQ(std::string(view.get_buffer()->get_text()), "second");
    EXPECT_FALSE(format_at(view, "second").bold);
}

}
}
