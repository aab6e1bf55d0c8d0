#include "app/main_window.h"

#include "ui/brand_identity.h"
#include "ui/brand_texts.h"

#include <sigc++/adaptors/bind.h>

namespace quillet {

namespace {

// The bar keeps its value within its maximum, so a maximum that shrinks below the value comes
// after the new value.
void show_progress(Gtk::LevelBar& bar, const ProgressBarState& state)
{
    if (state.maximum() < bar.get_value()) {
        bar.set_value(state.value());
        bar.set_max_value(state.maximum());
    } else {
        bar.set_max_value(state.maximum());
        bar.set_value(state.value());
    }
}

}

// The address box, the tab strip, the client area, the mouse's own buttons and the find bar; the
// buttons run their actions.
void Form1::connect_controls()
{
    // Enter in the address box; the entry still handles the key as usual.
    m_controls.txtUrl.signal_activate().connect([this] { activate_action(action::kGo); });
    m_controls.TabStrip1.property_page().signal_changed().connect(
        sigc::mem_fun(m_view_switcher, &ViewSwitcher::TabStrip1_Click));
    m_view_switcher.view_shown().connect(sigc::mem_fun(m_find, &FindController::follow_shown_view));
    m_client_area.signal_resize().connect(sigc::mem_fun(*this, &Form1::Form_Resize));
    m_image_saving.saving_changed().connect(sigc::mem_fun(*this, &Form1::update_stop_loading));
    m_page_view_driver.run_notice().connect([this](const std::string& message) { wb_StatusTextChange(message); });
    // Seen before any view, so a page never takes them for itself.
    auto mouse_buttons = Gtk::GestureClick::create();
    mouse_buttons->set_button(0);
    mouse_buttons->set_propagation_phase(Gtk::PropagationPhase::CAPTURE);
    mouse_buttons->signal_pressed().connect(
        [this, gesture = mouse_buttons.get()](int, double, double) { on_mouse_buttons_pressed(*gesture); });
    add_controller(mouse_buttons);
}

// Every signal of the three views. Each view reports its status, its loading and its find
// results; only the "Browser" view drives the progress bar, the address box and the caption. Its
// downloads run the page-view driver, and the generated views tell the driver when they have
// loaded what it wrote.
void Form1::connect_views()
{
    using GeneratedView = PageViewDriver::GeneratedView;
    platform::WebView& browser = wb(kBrowserView);
    std::vector<sigc::connection>& connections = m_view_connections;
    connections.push_back(browser.DownloadComplete().connect(
        sigc::mem_fun(m_page_view_driver, &PageViewDriver::RefreshPageViews)));
    connections.push_back(wb(kSourceCodeView).DownloadComplete().connect(sigc::bind(
        sigc::mem_fun(m_page_view_driver, &PageViewDriver::generated_view_loaded), GeneratedView::SourceCode)));
    connections.push_back(wb(kImagesView).DownloadComplete().connect(sigc::bind(
        sigc::mem_fun(m_page_view_driver, &PageViewDriver::generated_view_loaded), GeneratedView::Images)));
    for (int view = 0; view < kViewCount; ++view) {
        connections.push_back(
            wb(view).StatusTextChange().connect(sigc::mem_fun(*this, &Form1::wb_StatusTextChange)));
        connections.push_back(wb(view).connect_loading_changed(sigc::mem_fun(*this, &Form1::update_stop_loading)));
        connections.push_back(wb(view).FindResult().connect(
            sigc::bind(sigc::mem_fun(m_find, &FindController::show_result), view)));
    }
    connections.push_back(browser.connect_loading_changed(sigc::mem_fun(*this, &Form1::update_views_behind)));
    m_page_view_driver.rebuilding_changed().connect(sigc::mem_fun(*this, &Form1::update_views_behind));
    m_view_switcher.view_shown().connect(sigc::mem_fun(*this, &Form1::update_views_behind));
    connections.push_back(browser.ProgressChange().connect(sigc::mem_fun(*this, &Form1::wb_ProgressChange)));
    connections.push_back(browser.TitleChange().connect(sigc::mem_fun(*this, &Form1::wb_TitleChange)));
}

void Form1::wb_StatusTextChange(const std::string& text)
{
    m_controls.sb1.set_panel_text(1, text);
}

void Form1::wb_ProgressChange(int progress, int maximum)
{
    if (m_progress.accept(progress, maximum))
        show_progress(m_controls.pb1, m_progress);
}

// The address box follows the page, overwriting whatever was being typed; the caption names the
// page by the view's location name rather than the reported title.
void Form1::wb_TitleChange(const std::string&)
{
    m_controls.txtUrl.set_text(wb(kBrowserView).LocationURL());
    set_title(main_window_caption(brand_identity(), wb(kBrowserView).LocationName()));
}

// From the moment the "Browser" view starts a page until the generated views show it, they say
// which page they still show; the bar lies only over them, the tabs' mark shows from any view.
void Form1::update_views_behind()
{
    platform::WebView& browser = wb(kBrowserView);
    const bool loading = browser.Loading();
    const bool behind = loading || m_page_view_driver.rebuilding();
    const std::string& shown_page = m_page_view_driver.shown_page();
    m_controls.mark_generated_tabs(!behind ? "" : shown_page.empty() ? " (loading)" : " (previous page)");
    if (behind)
        m_controls.views_behind.say_behind(shown_page, !loading && browser.LoadFailed());
    m_controls.views_behind.set_visible(behind && m_view_switcher.visible_view() != kBrowserView);
}

}
