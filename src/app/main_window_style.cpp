#include "app/main_window_style.h"

#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>

namespace quillet {

namespace {

constexpr const char* kStyle = R"css(
window.quillet-main button.picture {
    min-width: 0;
    min-height: 0;
    padding: 1px 2px;
}
window.quillet-main button.picture label {
    font-size: 8pt;
}
window.quillet-main entry {
    min-height: 0;
    padding: 0 4px;
}
window.quillet-main entry.caption {
    padding: 0 1px;
    font-size: 9pt;
    background: none;
    border-color: transparent;
    box-shadow: none;
}
window.quillet-main notebook > header > tabs > tab {
    min-height: 0;
    padding: 3px 10px;
}
window.quillet-main .findbar {
    background-color: @theme_bg_color;
    border: 1px solid alpha(currentColor, 0.25);
    padding: 2px 4px;
}
window.quillet-main .views-behind {
    background-color: @theme_selected_bg_color;
    color: @theme_selected_fg_color;
    padding: 2px 6px;
}
window.quillet-main .statusbar label.panel {
    border: 1px solid alpha(currentColor, 0.25);
    padding: 0 4px;
    font-size: 9pt;
}
)css";

}

void install_main_window_style(Gtk::Window& window)
{
    window.add_css_class(kMainWindowStyleClass);
    static bool installed = false;
    if (installed)
        return;
    auto provider = Gtk::CssProvider::create();
    provider->load_from_data(kStyle);
    Gtk::StyleContext::add_provider_for_display(window.get_display(), provider,
                                                GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    installed = true;
}

}
