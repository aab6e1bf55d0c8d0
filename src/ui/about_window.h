#pragma once

#include "ui/brand_identity.h"

#include <gtkmm/fixed.h>
#include <gtkmm/label.h>
#include <gtkmm/window.h>

#include <string>

namespace quillet {

// "<major>.<minor>", each as a plain decimal number (2 and 10 give "2.10"); a part that is not a
// number counts as 0.
std::string version_caption(const ApplicationInfo& application);

// The About window: product name, version, owner and web site as `application`'s version resource
// gives them, under the caption "About <product>" from the brand identity. A click on the web site
// opens it through the website launcher, shown for its second.
class frmAbout : public Gtk::Window {
public:
    explicit frmAbout(const ApplicationInfo& application);

    // A line under the others that the window keeps showing, such as where the work files are.
    void show_notice(const std::string& text);

    Gtk::Label Label1;
    Gtk::Label Label2;
    Gtk::Label Label3;
    Gtk::Label Label4;
    Gtk::Label lblVersion;
    Gtk::Label lblCompany;
    Gtk::Label lblWebsite;
    Gtk::Label lblNotice; // shown only with a notice

private:
    void build_window();
    void put_labels();
    void connect_signals();
    void Form_Load(const ApplicationInfo& application);
    void lblWebsite_Click();

    Gtk::Fixed m_form;
};

}
