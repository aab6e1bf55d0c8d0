#include "ui/about_window.h"

#include "ui/twips.h"
#include "ui/brand_texts.h"
#include "ui/website_launcher.h"
#include "ui/window_utilities.h"

#include <gtkmm/gestureclick.h>
#include <pangomm/attrlist.h>

#include <array>
#include <charconv>
#include <string_view>

namespace quillet {

namespace {

constexpr Size kClientSize{7455, 2535};
// Below the website row, across the window.
constexpr Rect kNoticeRect{180, 2520, 7095, 315};

// Verdana is asked for by name; where it is missing the desktop's nearest font stands in.
constexpr const char* kTitleFont = "Verdana Bold 14.25";
constexpr const char* kRowFont = "Verdana Bold 12";

struct LabelDesign {
    Gtk::Label frmAbout::*label;
    const char* caption;
    Rect twips;
    const char* font;
};

const std::array<LabelDesign, 7> kLabels{{
    {&frmAbout::Label1, "Your Program Name", {120, 300, 5655, 435}, kTitleFont},
    {&frmAbout::Label2, "Version:", {180, 1260, 2295, 315}, kRowFont},
    {&frmAbout::Label3, "Owned By:", {180, 1680, 2295, 315}, kRowFont},
    {&frmAbout::Label4, "Website:", {180, 2100, 2295, 315}, kRowFont},
    {&frmAbout::lblVersion, "Version:", {2580, 1260, 4635, 315}, kRowFont},
    {&frmAbout::lblCompany, "Owned By:", {2580, 1680, 4635, 315}, kRowFont},
    {&frmAbout::lblWebsite, "Website:", {2580, 2100, 4635, 315}, kRowFont},
}};

Pango::AttrList attributes_of(const char* font)
{
    Pango::AttrList attributes;
    auto font_attribute = Pango::Attribute::create_attr_font_desc(Pango::FontDescription(font));
    attributes.insert(font_attribute);
    return attributes;
}

// The web site shows in pure blue, as a link would.
void colour_as_link(Gtk::Label& label)
{
    Pango::AttrList attributes = label.get_attributes();
    auto blue = Pango::Attribute::create_attr_foreground(0, 0, 65535);
    attributes.insert(blue);
    label.set_attributes(attributes);
    label.set_cursor("pointer");
}

int plain_number(std::string_view text)
{
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() ? number : 0;
}

}

std::string version_caption(const ApplicationInfo& application)
{
    return std::to_string(plain_number(application.Major)) + "." + std::to_string(plain_number(application.Minor));
}

frmAbout::frmAbout(const ApplicationInfo& application)
{
    build_window();
    put_labels();
    Form_Load(application);
    connect_signals();
}

void frmAbout::build_window()
{
    set_resizable(false);
    set_hide_on_close(true);
    m_form.set_size_request(pixels_from_twips(kClientSize.width), pixels_from_twips(kClientSize.height));
    set_child(m_form);
    SetIcon(*this, "AAA", IconScope::Window);
}

void frmAbout::put_labels()
{
    for (const LabelDesign& design : kLabels) {
        Gtk::Label& label = this->*design.label;
        const Rect pixels = pixels_from_twips(design.twips);
        label.set_text(design.caption);
        Pango::AttrList attributes = attributes_of(design.font);
        label.set_attributes(attributes);
        label.set_xalign(0.0F);
        label.set_ellipsize(Pango::EllipsizeMode::END);
        label.set_size_request(pixels.width, pixels.height);
        m_form.put(label, pixels.left, pixels.top);
    }
    colour_as_link(lblWebsite);
}

void frmAbout::connect_signals()
{
    auto click = Gtk::GestureClick::create();
    click->signal_released().connect([this](int, double, double) { lblWebsite_Click(); });
    lblWebsite.add_controller(click);
}

void frmAbout::Form_Load(const ApplicationInfo& application)
{
    set_title(about_window_caption(brand_identity()));
    Label1.set_text(application.ProductName);
    lblCompany.set_text(application.CompanyName);
    lblVersion.set_text(version_caption(application));
    lblWebsite.set_text(application.Comments);
}

void frmAbout::show_notice(const std::string& text)
{
    const Rect pixels = pixels_from_twips(kNoticeRect);
    lblNotice.set_text(text);
    lblNotice.set_tooltip_text(text);
    lblNotice.set_xalign(0.0F);
    lblNotice.set_ellipsize(Pango::EllipsizeMode::MIDDLE);
    lblNotice.set_size_request(pixels.width, pixels.height);
    if (!lblNotice.get_parent())
        m_form.put(lblNotice, pixels.left, pixels.top);
    m_form.set_size_request(pixels_from_twips(kClientSize.width),
                            pixels_from_twips(kNoticeRect.top + kNoticeRect.height + 120));
}

void frmAbout::lblWebsite_Click()
{
    WebTarget = "Website";
    load_website_launcher(LauncherDisplay::Shown);
}

}
