#include "app/main_window_controls.h"

#include <gtkmm/label.h>

#include <array>

namespace quillet {

namespace {

struct TabDesign {
    const char* caption;
    const char* tooltip;
};

constexpr std::array<TabDesign, 3> kTabs{{
    {"Browser", "Browser Identical to Internet Explorer"},
    {"Source Code", "View the Source Code of the Current Page"},
    {"Images", "Displays All Images and Links to Images on the Current Page"},
}};

}

MainWindowControls::MainWindowControls()
    : cmbBack("go-previous-symbolic", "Back", "Back"),
      cmdForward("go-next-symbolic", "Forward", "Forward"),
      cmdStop("process-stop-symbolic", "Stop", "Stop"),
      cmdRefresh("view-refresh-symbolic", "Refresh", "Refresh"),
      cmdBackDir("go-up-symbolic", "Up Dir", "Go back 1 directory level"),
      Command1("send-to-symbolic", "Send to IE", "Send Page to Browser Tab"),
      cmdWebsite("web-browser-symbolic", "", ""),
      cmdGo("go-jump-symbolic", "", "Go!")
{
    Text1.set_text("URL:");
    Text1.set_editable(false);
    Text1.set_can_focus(false);
    Text1.add_css_class("caption");
    for (const TabDesign& tab : kTabs) {
        auto* caption = Gtk::make_managed<Gtk::Label>(tab.caption);
        caption->set_tooltip_text(tab.tooltip);
        // The tab strip only selects: the views lie over its empty pages.
        TabStrip1.append_page(*Gtk::make_managed<Gtk::Box>(), *caption);
    }
    pb1.set_min_value(0.0);
    pb1.set_max_value(100.0);
    for (const char* offset : {GTK_LEVEL_BAR_OFFSET_LOW, GTK_LEVEL_BAR_OFFSET_HIGH, GTK_LEVEL_BAR_OFFSET_FULL})
        pb1.remove_offset_value(offset);
}

void MainWindowControls::mark_generated_tabs(const std::string& mark)
{
    for (int tab = 1; tab < TabStrip1.get_n_pages(); ++tab) {
        auto* caption = dynamic_cast<Gtk::Label*>(TabStrip1.get_tab_label(*TabStrip1.get_nth_page(tab)));
        caption->set_text(kTabs.at(static_cast<std::size_t>(tab)).caption + mark);
    }
}

}
